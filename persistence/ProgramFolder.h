#pragma once
// The folder that holds the program file, ending with "/". Options, scores,
// help pages, music and the default sounds live there.

#include <string>

namespace zorvane {

std::string ProgramFolder();

}  // namespace zorvane
