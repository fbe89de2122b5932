#include "audio/SdlPlayers.h"

#include <malloc.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string_view>
#include <system_error>
#include <utility>

#include "persistence/FileCheck.h"

namespace zorvane {

namespace {

constexpr const char* kServiceGone = "The audio service has shut down";
constexpr const char* kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                       "/usr/share/sounds/sf2/default-GM.sf2"};

// The file as SDL reads it, once the file checks have passed it: a FIFO or a
// device would block or feed the decoder for ever. Null with the reason else.
SDL_RWops* OpenChecked(const std::string& fileName, std::int64_t cap, std::string& failure) {
    int fd = -1;
    std::int64_t size = 0;
    const FileResult checked = OpenRegularFile(fileName, cap, fd, size);
    if (!checked.ok) {
        failure = checked.reason;
        return nullptr;
    }
    FILE* stream = ::fdopen(fd, "rb");
    if (stream == nullptr) {
        failure = std::generic_category().message(errno);
        ::close(fd);
        return nullptr;
    }
    SDL_RWops* file = SDL_RWFromFP(stream, SDL_TRUE);
    if (file == nullptr) {
        failure = SdlErrorText();
        std::fclose(stream);
    }
    return file;
}

// The first guess at a song's format comes from its name's suffix, as when
// SDL_mixer opens a file by name; without one it goes by the content.
Mix_MusicType MusicTypeOf(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    const std::size_t slash = fileName.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return MUS_NONE;
    }
    std::string suffix = fileName.substr(dot + 1);
    for (char& c : suffix) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    static const std::pair<const char*, Mix_MusicType> kTypes[] = {
        {"wav", MUS_WAV},  {"mid", MUS_MID},   {"midi", MUS_MID},  {"kar", MUS_MID},
        {"ogg", MUS_OGG},  {"opus", MUS_OPUS}, {"flac", MUS_FLAC}, {"mpg", MUS_MP3},
        {"mpeg", MUS_MP3}, {"mp3", MUS_MP3},   {"mad", MUS_MP3}};
    for (const auto& [name, type] : kTypes) {
        if (suffix == name) {
            return type;
        }
    }
    return MUS_NONE;
}

// What SDL_mixer itself goes by when a song's name has no known suffix: a
// standard MIDI file or one wrapped in RIFF. The stream is left where it was.
bool IsMidi(Mix_MusicType type, SDL_RWops* file) {
    if (type != MUS_NONE) {
        return type == MUS_MID;
    }
    char magic[12] = {};
    const Sint64 start = SDL_RWtell(file);
    const std::size_t got = SDL_RWread(file, magic, 1, sizeof magic);
    SDL_RWseek(file, start, RW_SEEK_SET);
    const std::string_view head(magic, got);
    return head.starts_with("MThd") ||
           (head.starts_with("RIFF") && head.size() == 12 && head.substr(8) == "RMID");
}

// The soundfont is named only for a MIDI song: SDL_mixer's synthesizer loads
// it into each MIDI song it makes, and frees it with the song.
void NameSoundFont() {
    for (const char* font : kSoundFonts) {
        std::error_code ignored;
        if (std::filesystem::exists(font, ignored)) {
            Mix_SetSoundFonts(font);
            return;
        }
    }
}

}  // namespace

std::string SdlErrorText() {
    const char* text = Mix_GetError();
    return text != nullptr && *text != '\0' ? std::string(text) : std::string(kUnknownError);
}

SdlPlayer::SdlPlayer(SdlMediaService& service) : service_(&service), id_(service.Register(*this)) {}

SdlPlayer::~SdlPlayer() {
    if (service_ != nullptr) {
        service_->Unregister(id_);
    }
}

std::string SdlPlayer::Open(const std::string& fileName) {
    Close();
    fileName_ = fileName;
    if (service_ == nullptr) {
        return kServiceGone;
    }
    if (!service_->DeviceOpen()) {
        return service_->StartupError();
    }
    SDL_ClearError();
    // Decoding needs the mixer's format, so a sleeping device wakes for it.
    std::string failure = service_->Wake();
    if (failure.empty()) {
        failure = Load(fileName);
    }
    open_ = failure.empty();
    service_->SleepWhenIdle();
    return failure;
}

void SdlPlayer::Close() {
    if (!open_) {
        return;
    }
    const bool sounding = Sounding();
    // Also covers a play that ended by itself and whose notice is still on its
    // way: once the file is gone that notice could no longer find us.
    CutShort();
    if (sounding) {
        Halt();
    }
    Unload();
    open_ = false;
    held_ = Held::None;
    if (service_ != nullptr) {
        service_->SleepWhenIdle();
    }
}

std::string SdlPlayer::Play() {
    if (!open_) {
        return kNoDeviceOpen;
    }
    if (Sounding()) {
        if (held_ != Held::None) {
            Resume();
            held_ = Held::None;
        }
        armed_ = true;
    } else {
        // At the end (or never started): from the beginning. An earlier play
        // whose notice is not delivered yet gets it now.
        CutShort();
        held_ = Held::None;
        armed_ = Start();
    }
    service_->SleepWhenIdle();
    return {};
}

// SDL_mixer cannot seek a chunk, so a stop is a pause that reports Stopped.
std::string SdlPlayer::Stop() {
    if (!open_) {
        return kNoDeviceOpen;
    }
    if (Sounding()) {
        if (held_ == Held::None) {
            Hold();
            CutShort();
        }
        held_ = Held::Stopped;
    }
    service_->SleepWhenIdle();
    return {};
}

// Halting forgets the position, so the next play starts at the beginning.
std::string SdlPlayer::Rewind() {
    if (!open_) {
        return kNoDeviceOpen;
    }
    if (Sounding()) {
        CutShort();
        Halt();
    }
    held_ = Held::None;
    service_->SleepWhenIdle();
    return {};
}

std::string SdlPlayer::Pause() {
    if (!open_) {
        return kNoDeviceOpen;
    }
    if (!Sounding()) {
        return {};
    }
    if (held_ == Held::None) {
        Hold();
        held_ = Held::Paused;
        CutShort();
    } else if (held_ == Held::Paused) {
        Resume();
        held_ = Held::None;
        armed_ = true;
    }
    service_->SleepWhenIdle();
    return {};
}

PlayerMode SdlPlayer::Mode() const {
    if (!open_) {
        return PlayerMode::NotReady;
    }
    if (!Sounding()) {
        return PlayerMode::Stopped;
    }
    switch (held_) {
        case Held::Paused:
            return PlayerMode::Paused;
        case Held::Stopped:
            return PlayerMode::Stopped;
        case Held::None:
            break;
    }
    return PlayerMode::Playing;
}

void SdlPlayer::SoundEnded() {
    // SDL also reports the halts we make ourselves; those plays were noticed already.
    if (armed_ && !Sounding()) {
        armed_ = false;
        Notify();
    }
}

void SdlPlayer::SoundTaken() {
    CutShort();
    held_ = Held::None;
}

void SdlPlayer::Notify() {
    // A copy: the handler may replace OnNotify or destroy this player.
    if (const std::function<void()> handler = OnNotify) {
        handler();
    }
}

void SdlPlayer::Detach() {
    Close();
    service_ = nullptr;
}

void SdlPlayer::CutShort() {
    if (armed_) {
        armed_ = false;
        service_->PostNotice(id_);
    }
}

SdlEffectPlayer::SdlEffectPlayer(SdlMediaService& service)
    : SdlPlayer(service), channel_(service.AcquireChannel(Id())) {}

bool SdlEffectPlayer::Sounding() const {
    // The mixer's channels are gone while the device sleeps.
    return chunk_ != nullptr && Service()->Awake() && Mix_Playing(channel_) != 0;
}

bool SdlEffectPlayer::Start() {
    return Service()->Wake().empty() && Mix_PlayChannel(channel_, chunk_, 0) >= 0;
}

SdlEffectPlayer::~SdlEffectPlayer() {
    Close();
    if (SdlMediaService* service = Service()) {
        service->ReleaseChannel(channel_);
    }
}

std::string SdlEffectPlayer::Load(const std::string& fileName) {
    std::string failure;
    SDL_RWops* file = OpenChecked(fileName, kEffectFileCap, failure);
    if (file == nullptr) {
        return failure;
    }
    chunk_ = Mix_LoadWAV_RW(file, 1);
    return chunk_ != nullptr ? std::string() : SdlErrorText();
}

void SdlEffectPlayer::Unload() {
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
}

std::string SdlMusicPlayer::Load(const std::string& fileName) {
    std::string failure;
    SDL_RWops* file = OpenChecked(fileName, kSongFileCap, failure);
    if (file == nullptr) {
        return failure;
    }
    const Mix_MusicType type = MusicTypeOf(fileName);
    const bool midi = IsMidi(type, file);
    if (midi) {
        NameSoundFont();
    }
    // The music keeps the file open and closes it when it is freed.
    music_ = Mix_LoadMUSType_RW(file, type, 1);
    if (music_ == nullptr) {
        return SdlErrorText();
    }
    midi_ = midi;
    Service()->MusicLoaded(true);
    return {};
}

void SdlMusicPlayer::Unload() {
    Service()->ReleaseMusicStream(Id());
    Mix_FreeMusic(music_);
    music_ = nullptr;
    Service()->MusicLoaded(false);
    if (std::exchange(midi_, false)) {
        // A MIDI song's synthesizer frees its soundfont (some 18 MB) in
        // pieces the heap would keep: give them back to the system.
        ::malloc_trim(0);
    }
}

bool SdlMusicPlayer::Sounding() const {
    return music_ != nullptr && Service()->Awake() && Service()->MusicOwner() == Id() &&
           Mix_PlayingMusic() != 0;
}

bool SdlMusicPlayer::Start() {
    if (!Service()->Wake().empty()) {
        return false;
    }
    Service()->TakeMusicStream(Id());
    return Mix_PlayMusic(music_, 1) == 0;
}

}  // namespace zorvane
