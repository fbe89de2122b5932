#include "audio/SdlPlayers.h"

#include <functional>

namespace zorvane {

namespace {
constexpr const char* kServiceGone = "The audio service has shut down";
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
    std::string failure = Load(fileName);
    open_ = failure.empty();
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

SdlEffectPlayer::~SdlEffectPlayer() {
    Close();
    if (SdlMediaService* service = Service()) {
        service->ReleaseChannel(channel_);
    }
}

std::string SdlEffectPlayer::Load(const std::string& fileName) {
    // Opened here so that a missing file reports SDL's own "Couldn't open" text.
    SDL_RWops* file = SDL_RWFromFile(fileName.c_str(), "rb");
    if (file == nullptr) {
        return SdlErrorText();
    }
    chunk_ = Mix_LoadWAV_RW(file, 1);
    return chunk_ != nullptr ? std::string() : SdlErrorText();
}

void SdlEffectPlayer::Unload() {
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
}

std::string SdlMusicPlayer::Load(const std::string& fileName) {
    music_ = Mix_LoadMUS(fileName.c_str());
    return music_ != nullptr ? std::string() : SdlErrorText();
}

void SdlMusicPlayer::Unload() {
    Service()->ReleaseMusicStream(Id());
    Mix_FreeMusic(music_);
    music_ = nullptr;
}

bool SdlMusicPlayer::Sounding() const {
    return music_ != nullptr && Service()->MusicOwner() == Id() && Mix_PlayingMusic() != 0;
}

bool SdlMusicPlayer::Start() {
    Service()->TakeMusicStream(Id());
    return Mix_PlayMusic(music_, 1) == 0;
}

}  // namespace zorvane
