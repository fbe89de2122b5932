#pragma once
// Runs a replay script against a fresh game, as zorvane-replay does.

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zorvane {

struct ReplayOptions {
    std::string optionsFile;
    std::optional<int> rows;
    std::optional<int> startRows;
    unsigned seed = 1;
    bool randomMode = false;
    bool playAgain = false;
    std::string name;
    std::string scoresFile;
};

// Parses the command line (without the program name). On a bad argument
// returns false with a reason; `script` receives the script path, if any.
bool ParseReplayArguments(const std::vector<std::string>& args, ReplayOptions& options,
                          std::string& script, std::string& error);

// 0 when the script ran to its end (or the game closed the window), 2 on a
// malformed line, which is reported on `err` with its line number.
int RunReplay(const ReplayOptions& options, std::istream& script, std::ostream& out,
              std::ostream& err);

}  // namespace zorvane
