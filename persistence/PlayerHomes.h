#pragma once
// The player's folders for this game under the XDG base folders, and the
// player's files of the program in a folder.

#include <string>

#include "persistence/PlayerFiles.h"

namespace zorvane {

// The player's home: HOME when it names an existing folder other than "/",
// else the password database's home of this user on the same terms; empty
// when neither gives one.
std::string PlayerHome();

// "zorvane/" under XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_STATE_HOME when
// they are absolute (relative ones are ignored, as the XDG rules say), else
// under the home's ".config", ".local/share" and ".local/state". A folder with no absolute variable
// and no home is empty: nothing is ever written into "/" or the current folder for want of a
// variable.
PlayerHomes StandardPlayerHomes();

// The player's files of the program in `programFolder` (ending with "/").
PlayerFiles PlayerFilesFor(const std::string& programFolder);

}  // namespace zorvane
