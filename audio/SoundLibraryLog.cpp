#include "audio/SoundLibraryLog.h"

#include <fluidsynth.h>

#include <atomic>
#include <cstdio>

namespace zorvane {

namespace {

// The synthesizer writes from SDL's audio thread while songs are opened on
// the user-interface thread; counting down stops at -1, so a song that never
// ends cannot wrap the count around.
std::atomic<int> linesLeft{kSoundLibraryLinesPerSong};

const char* LevelName(int level) {
    switch (level) {
        case FLUID_PANIC:
            return "panic";
        case FLUID_ERR:
            return "error";
        case FLUID_WARN:
            return "warning";
        default:
            return "info";
    }
}

void CappedMessage(int level, const char* message, void*) {
    int left = linesLeft.load(std::memory_order_relaxed);
    do {
        if (left < 0) {
            return;
        }
    } while (!linesLeft.compare_exchange_weak(left, left - 1, std::memory_order_relaxed));
    if (left == 0) {
        std::fputs("fluidsynth: further messages about this song are not shown\n", stderr);
    } else {
        std::fprintf(stderr, "fluidsynth: %s: %s\n", LevelName(level), message);
    }
}

}  // namespace

void RouteSoundLibraryMessages() {
    // Debug messages stay as the library was built: off.
    for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO}) {
        fluid_set_log_function(level, &CappedMessage, nullptr);
    }
}

void NewSongForMessages() {
    linesLeft.store(kSoundLibraryLinesPerSong, std::memory_order_relaxed);
}

}  // namespace zorvane
