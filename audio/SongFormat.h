#pragma once
// What a song is, told from its first bytes, so that only a song of a format
// the player decodes ever reaches a decoder: a folder of junk then costs a
// short read per file instead of a synthesizer per file.

#include <SDL_mixer.h>

#include <cstddef>
#include <string_view>

namespace zorvane {

// Enough for every signature: a ProTracker module names its kind at byte 1080.
constexpr std::size_t kSongHeadBytes = 1084;

// The reason given for a file that is none of the formats below.
constexpr const char* kNotASong =
    "not a song the game can play (MIDI, WAV, AIFF, Ogg Vorbis, Opus, FLAC, MP3 or a tracker "
    "module)";

// The decoder for a file that starts with `head` (its first kSongHeadBytes
// bytes, or all of a shorter file): MUS_MID (standard or RIFF MIDI), MUS_WAV
// (WAV and AIFF), MUS_OGG, MUS_OPUS, MUS_FLAC, MUS_MP3 (an ID3 tag or a layer
// III frame) or MUS_MOD (a tracker module with a signature); else MUS_NONE.
Mix_MusicType SongFormatOf(std::string_view head);

}  // namespace zorvane
