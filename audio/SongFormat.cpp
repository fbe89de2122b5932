#include "audio/SongFormat.h"

#include <utility>

namespace zorvane {

namespace {

bool At(std::string_view head, std::size_t offset, std::string_view magic) {
    return head.size() >= offset + magic.size() && head.substr(offset, magic.size()) == magic;
}

bool Digit(char c) {
    return c >= '0' && c <= '9';
}

// An MPEG audio frame header of layer III, as SDL_mixer itself recognises one.
bool MpegFrame(std::string_view head) {
    return head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
           (static_cast<unsigned char>(head[1]) & 0xE6) == 0xE2;
}

// The tracker formats libmodplug reads that sign their header. The oldest
// modules (15 samples, no signature) cannot be told from junk and are left out.
bool TrackerModule(std::string_view head) {
    static constexpr std::pair<std::size_t, std::string_view> kSignatures[] = {
        {0, "Extended Module: "},
        {0, "IMPM"},
        {44, "SCRM"},
        {44, "PTMF"},
        {0, "MTM"},
        {20, "!Scream!"},
        {20, "BMOD2STM"},
        {0, "MMD0"},
        {0, "MMD1"},
        {0, "MMD2"},
        {0, "MMD3"},
        {0, "OKTASONG"},
        {0, "MAS_UTrack_V00"},
        {0, "FAR\xFE"},
        {0, "DBM0"},
        {0, "MT20"}};
    for (const auto& [offset, magic] : kSignatures) {
        if (At(head, offset, magic)) {
            return true;
        }
    }
    if (head.size() < 1084) {
        return false;
    }
    // A ProTracker module and its kin name their channels at byte 1080.
    const std::string_view tag = head.substr(1080, 4);
    for (std::string_view known :
         {"M.K.", "M!K!", "M&K!", "FLT4", "FLT8", "CD81", "OKTA", "OCTA"}) {
        if (tag == known) {
            return true;
        }
    }
    return Digit(tag[0]) && (tag.substr(1) == "CHN" || (Digit(tag[1]) && tag.substr(2) == "CH"));
}

}  // namespace

Mix_MusicType SongFormatOf(std::string_view head) {
    const bool riff = At(head, 0, "RIFF");
    if (At(head, 0, "MThd") || (riff && At(head, 8, "RMID"))) {
        return MUS_MID;
    }
    if ((riff && At(head, 8, "WAVE")) ||
        (At(head, 0, "FORM") && (At(head, 8, "AIFF") || At(head, 8, "AIFC")))) {
        return MUS_WAV;
    }
    if (At(head, 0, "OggS")) {
        return At(head, 28, "OpusHead") ? MUS_OPUS : MUS_OGG;
    }
    if (At(head, 0, "fLaC")) {
        return MUS_FLAC;
    }
    if (At(head, 0, "ID3") || MpegFrame(head)) {
        return MUS_MP3;
    }
    return TrackerModule(head) ? MUS_MOD : MUS_NONE;
}

}  // namespace zorvane
