#pragma once
// The player's folders for this game from Qt's standard locations, which
// follow XDG_CONFIG_HOME and XDG_DATA_HOME, and the player's files of the
// program in `programFolder` (ending with "/").

#include <string>

#include "persistence/PlayerFiles.h"

namespace zorvane {

PlayerHomes StandardPlayerHomes();
PlayerFiles PlayerFilesFor(const std::string& programFolder);

}  // namespace zorvane
