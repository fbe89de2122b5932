#include "audio/SoundFont.h"

#include <SDL_mixer.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace zorvane {

namespace {

bool SameFile(int a, int b) {
    struct stat first {};
    struct stat second {};
    return ::fstat(a, &first) == 0 && ::fstat(b, &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

}  // namespace

std::vector<std::string> DebianSoundFonts() {
    return {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"};
}

SoundFont::SoundFont(std::vector<std::string> candidates) : candidates_(std::move(candidates)) {}

SoundFont::~SoundFont() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::string SoundFont::Name() {
    if (candidates_.empty()) {
        return "no sound font for MIDI music";
    }
    std::string missing;
    for (const std::string& font : candidates_) {
        int fd = -1;
        std::int64_t size = 0;
        const FileResult checked = OpenRegularFile(font, kSoundFontFileCap, fd, size);
        if (checked.missing) {
            // When none exists, the player learns which font the game wants most.
            if (missing.empty()) {
                missing = "sound font " + font + ": " + checked.reason;
            }
            continue;
        }
        if (!checked.ok) {
            return "sound font " + font + ": " + checked.reason;
        }
        // The same file keeps its name, so the synthesizer's sample cache
        // still shares the font between songs.
        if (fd_ >= 0 && SameFile(fd, fd_)) {
            ::close(fd);
            return {};
        }
        // Opening the descriptor's name opens the very file checked here.
        Mix_SetSoundFonts(("/proc/self/fd/" + std::to_string(fd)).c_str());
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
        return {};
    }
    return missing;
}

}  // namespace zorvane
