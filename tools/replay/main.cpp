// zorvane-replay: plays a scripted game situation on the engine and prints
// what happens. Used by the golden tests and to reproduce a game by hand.

#include <fstream>
#include <iostream>

#include "tools/replay/ReplayRunner.h"

int main(int argc, char** argv) {
    zorvane::ReplayOptions options;
    std::string scriptPath;
    std::string error;
    if (!zorvane::ParseReplayArguments({argv + 1, argv + argc}, options, scriptPath, error)) {
        std::cerr << "zorvane-replay: " << error << "\n"
                  << "usage: zorvane-replay [--options FILE] [--rows N] [--start-rows N] "
                     "[--seed N] [--random-mode] [--play-again yes|no] [--name TEXT] "
                     "[--scores FILE] [SCRIPT]\n";
        return 2;
    }
    if (scriptPath.empty() || scriptPath == "-") {
        return zorvane::RunReplay(options, std::cin, std::cout, std::cerr);
    }
    std::ifstream script(scriptPath, std::ios::binary);
    if (!script) {
        std::cerr << "zorvane-replay: cannot open " << scriptPath << "\n";
        return 2;
    }
    return zorvane::RunReplay(options, script, std::cout, std::cerr);
}
