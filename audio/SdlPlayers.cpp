#include "audio/SdlPlayers.h"

#include <malloc.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <system_error>
#include <utility>

#include "audio/SongFormat.h"
#include "audio/SoundLibraryLog.h"
#include "persistence/FileCheck.h"

namespace zorvane {

namespace {

constexpr const char* kServiceGone = "The audio service has shut down";

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

// The first bytes of the file; the stream is left where it was.
std::string Head(SDL_RWops* file) {
    std::string head(kSongHeadBytes, '\0');
    const Sint64 start = SDL_RWtell(file);
    head.resize(SDL_RWread(file, head.data(), 1, head.size()));
    SDL_RWseek(file, start, RW_SEEK_SET);
    return head;
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
    NewSongForMessages();
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
    // SDL_mixer decodes a MIDI effect whole with its synthesizer.
    if (SongFormatOf(Head(file)) == MUS_MID) {
        failure = Service()->NameSoundFont();
        if (!failure.empty()) {
            SDL_RWclose(file);
            return failure;
        }
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
    // The format comes from the content, never from the name: a file of no
    // known format is turned away here rather than fed to a decoder.
    const Mix_MusicType type = SongFormatOf(Head(file));
    if (type == MUS_NONE) {
        SDL_RWclose(file);
        return kNotASong;
    }
    const bool midi = type == MUS_MID;
    if (midi) {
        failure = Service()->NameSoundFont();
        if (!failure.empty()) {
            SDL_RWclose(file);
            return failure;
        }
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
