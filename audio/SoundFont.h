#pragma once
// The sound font that SDL_mixer's synthesizer plays MIDI with. The synthesizer
// opens the font by name, on the user-interface thread, so the font goes
// through the game's file check first: a FIFO or a device named as the font
// would block the game for good.

#include <cstdint>
#include <string>
#include <vector>

#include "persistence/FileCheck.h"

namespace zorvane {

// The synthesizer loads the whole font into each MIDI song it makes; the
// largest General MIDI fonts are a few hundred megabytes.
constexpr std::int64_t kSoundFontFileCap = 256 * kMegabyte;

// Debian's fonts, ours first: timgm6mb-soundfont, then the system's choice.
std::vector<std::string> DebianSoundFonts();

class SoundFont {
  public:
    // `candidates` in order of preference; the first that exists is the font.
    explicit SoundFont(std::vector<std::string> candidates);
    ~SoundFont();
    SoundFont(const SoundFont&) = delete;
    SoundFont& operator=(const SoundFont&) = delete;

    // Checks the font again and names it to SDL_mixer for the MIDI about to be
    // made: the empty text, or "sound font NAME: REASON" when none exists or
    // the first that does fails the check; no MIDI may be made then. SDL_mixer
    // is given this process's descriptor of the checked file, so the file
    // cannot be swapped for a FIFO between the check and the synthesizer.
    std::string Name();

  private:
    std::vector<std::string> candidates_;
    int fd_ = -1;  // the font named last, kept open while SDL_mixer may read it
};

}  // namespace zorvane
