#pragma once
// What the fuzz targets share: the libFuzzer entry point each one defines,
// a host that answers every question without a window, a private scratch
// folder on a memory file system, and a check that stops the run loudly.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/GameHost.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace zorvane::fuzz {

// A broken promise of the code under test: print it and abort, so libFuzzer
// and the corpus replay both report the input.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

inline void Require(bool holds, const char* what) {
    if (!holds) {
        Fail(what);
    }
}

// The main window's part played by flags: the clock is a switch, sounds and
// messages vanish, the high-score name is fixed and "play again" answers as told.
class QuietHost : public GameHost {
  public:
    void SetClockEnabled(bool enabled) override { clock = enabled; }
    bool ClockEnabled() const override { return clock; }
    void SetClockInterval(int) override {}
    void ProcessMessages() override {}
    void PlayEffect(Effect) override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return playAgain; }
    std::string AskHighScoreName() override { return "Fuzz"; }
    void ShowHighScores() override {}
    std::string TodayText() override { return "01/01/26"; }
    void CloseMainWindow() override { closed = true; }

    bool clock = true;
    bool playAgain = false;
    bool closed = false;
};

// A folder of this process only, made on first use (on /dev/shm when there
// is one, so the saves' fsync costs nothing) and removed at exit.
const std::string& ScratchFolder();
// Removes everything inside the scratch folder.
void EmptyScratchFolder();
// Writes `size` bytes to `path` as they are; false when it cannot.
bool WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size);

}  // namespace zorvane::fuzz
