#pragma once
// The program's command line, read before any display is opened, so that
// --help and --version answer where there is none. A saved game named on it
// opens at start; Qt's usual options are passed over and left to Qt.

#include <string>

namespace zorvane {

struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    // The saved game to open at start, as given; empty for none.
    std::string file;
    // Why the line was refused, and the arguments it names.
    enum class Problem { None, UnknownOption, MissingValue, SecondFile };
    Problem problem = Problem::None;
    std::string named;
    std::string namedToo;  // the second file
    // -platform chose the window system, as QT_QPA_PLATFORM does.
    bool platformNamed = false;
};

// Reads argv[1] .. argv[argc - 1]. Qt's options are taken with one dash or
// two, and their value as the next argument (-style and -stylesheet also
// after "="); "--" ends the options. Anything else with a dash, a second
// file or an option without its value refuses the whole line; otherwise
// --help wins over --version.
CommandLine ReadCommandLine(int argc, const char* const* argv);

// Answers a line that is not for playing: the usage or the version on
// standard output (status 0), or the problem in one line on standard error
// (status 2), in the player's language. Needs no display; makes its own
// application object for the translations. Returns the exit status.
int AnswerCommandLine(const CommandLine& line, int& argc, char** argv);

}  // namespace zorvane
