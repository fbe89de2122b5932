#pragma once
// The folder that holds the program file, ending with "/". Help pages, music,
// background pictures and the default sounds live there; the player's own
// files too while the copy is not installed (see PlayerFiles.h).

#include <string>

namespace zorvane {

std::string ProgramFolder();

}  // namespace zorvane
