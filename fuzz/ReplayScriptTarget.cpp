// Fuzz target: the input run as a zorvane-replay script, with its "#! args:"
// first line read as the tool's arguments, as the golden tests do.
// Two limits keep each run short and on this machine: file commands name a
// plain file in the scratch folder (no "/"), and the tick commands ask for
// at most 5000 ticks in all; other scripts are skipped. The options and
// scores files of the arguments are not opened: their readers have targets
// of their own.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "persistence/TextHelpers.h"
#include "tools/replay/ReplayRunner.h"

namespace {

using namespace zorvane;

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) {
        words.push_back(w);
    }
    return words;
}

bool WithinLimits(const std::string& script) {
    constexpr std::int64_t kMaxTicks = 5000;
    std::int64_t ticks = 0;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);) {
        const std::vector<std::string> words = Words(line);
        if (words.empty()) {
            continue;
        }
        const std::string& command = words[0];
        if ((command == "save" || command == "load" || command == "save-options") &&
            line.find('/') != std::string::npos) {
            return false;
        }
        std::int32_t count = 1;
        if (command == "tick" && words.size() > 1 && !TryTextToInt(words[1], count)) {
            count = 0;  // not a number: the runner stops there
        }
        if (command == "tick" && (ticks += std::max(count, 0)) > kMaxTicks) {
            return false;
        }
    }
    return true;
}

ReplayOptions OptionsFromFirstLine(const std::string& script, bool& usable) {
    ReplayOptions options;
    usable = true;
    const std::string prefix = "#! args:";
    if (script.compare(0, prefix.size(), prefix) != 0) {
        return options;
    }
    const std::string first = script.substr(0, script.find('\n'));
    std::string scriptPath;
    std::string error;
    usable = ParseReplayArguments(Words(first.substr(prefix.size())), options, scriptPath, error);
    options.optionsFile.clear();
    options.scoresFile.clear();
    return options;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string script(reinterpret_cast<const char*>(data), size);
    bool usable = false;
    const ReplayOptions options = OptionsFromFirstLine(script, usable);
    if (!usable || !WithinLimits(script)) {
        return 0;
    }
    // The script's files live in the scratch folder; the working folder is
    // given back before libFuzzer touches its own files again.
    static const int home = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    fuzz::Require(home >= 0 && ::chdir(fuzz::ScratchFolder().c_str()) == 0,
                  "cannot enter the scratch folder");

    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunReplay(options, in, out, err);
    fuzz::Require(status == 0 || status == 2, "the replay ended with an unknown status");
    fuzz::Require((status == 2) == !err.str().empty(),
                  "a malformed line and its report do not agree");
    fuzz::EmptyScratchFolder();
    fuzz::Require(::fchdir(home) == 0, "cannot return to the working folder");
    return 0;
}
