#include "audio/SdlMediaService.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <utility>

#include "audio/SdlPlayers.h"
#include "audio/SoundLibraryLog.h"

namespace zorvane {

namespace {

// SDL_mixer's end callbacks carry no user data, so they find the service
// through this one pointer. It is set for as long as a service owns the mixer
// and cleared only after the callbacks are unhooked; unhooking takes the
// mixer's audio lock, under which the callbacks run, so no callback can still
// be using a service that is gone.
std::atomic<SdlMediaService*> liveService{nullptr};

constexpr int kSampleRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kChunkBytes = 1024;
constexpr std::size_t kFirstMixerChannels = 8;

}  // namespace

SdlMediaService::SdlMediaService(std::vector<std::string> soundFonts)
    : noticeTarget_(std::make_unique<QObject>()),
      idleTimer_(std::make_unique<QTimer>()),
      soundFont_(std::move(soundFonts)) {
    idleTimer_->setSingleShot(true);
    idleTimer_->setInterval(kIdleCloseMs);
    QObject::connect(idleTimer_.get(), &QTimer::timeout, [this] { SleepIfIdle(); });
    SdlMediaService* none = nullptr;
    if (!liveService.compare_exchange_strong(none, this)) {
        startupError_ = "Another audio service is already running";
        return;
    }
    ownsMixer_ = true;
    StartAudio();
}

void SdlMediaService::StartAudio() {
    // SDL would catch SIGINT and SIGTERM for an event queue nobody reads; the
    // program ends on them itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    RouteSoundLibraryMessages();
    if (SDL_Init(SDL_INIT_AUDIO) < 0) {
        startupError_ = SdlErrorText();
        return;
    }
    // No Mix_Init: SDL_mixer loads a song format's decoder when the first such
    // song is opened. Loaded at start, the MIDI synthesizer would look for its
    // soundfont at every wake of the device. Without MIDI support a MIDI file
    // fails at open with SDL's text; WAV still plays.
    channelOwners_.assign(kFirstMixerChannels, 0);
    if (!OpenMixer()) {
        startupError_ = SdlErrorText();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    SleepWhenIdle();
}

bool SdlMediaService::OpenMixer() {
    if (Mix_OpenAudio(kSampleRate, AUDIO_S16SYS, kOutputChannels, kChunkBytes) < 0) {
        return false;
    }
    Mix_AllocateChannels(static_cast<int>(channelOwners_.size()));
    Mix_ChannelFinished(&SdlMediaService::OnChannelFinished);
    Mix_HookMusicFinished(&SdlMediaService::OnMusicFinished);
    awake_ = true;
    return true;
}

void SdlMediaService::CloseMixer() {
    Mix_ChannelFinished(nullptr);
    Mix_HookMusicFinished(nullptr);
    Mix_CloseAudio();
    awake_ = false;
}

std::string SdlMediaService::Wake() {
    if (!DeviceOpen()) {
        return startupError_;
    }
    if (!awake_ && !OpenMixer()) {
        return SdlErrorText();
    }
    return {};
}

void SdlMediaService::SleepWhenIdle() {
    if (awake_ && idleTimer_ != nullptr) {
        idleTimer_->start();
    }
}

void SdlMediaService::SleepIfIdle() {
    // Held (paused) sounds count as playing in SDL_mixer, so they keep it awake.
    if (!awake_ || loadedSongs_ > 0 || Mix_Playing(-1) != 0 || Mix_PlayingMusic() != 0) {
        return;
    }
    CloseMixer();
}

SdlMediaService::~SdlMediaService() {
    idleTimer_.reset();
    if (awake_) {
        Mix_ChannelFinished(nullptr);
        Mix_HookMusicFinished(nullptr);
    }
    // Players that outlive the service lose their files and refuse from now on.
    const auto players = players_;
    for (const auto& entry : players) {
        entry.second->Detach();
    }
    players_.clear();
    noticeTarget_.reset();  // drops the notices still queued
    if (DeviceOpen()) {
        if (awake_) {
            Mix_CloseAudio();
        }
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) {
            SDL_Quit();
        }
    }
    if (ownsMixer_) {
        liveService.store(nullptr);
    }
}

std::unique_ptr<MediaPlayer> SdlMediaService::CreatePlayer(bool music) {
    if (music) {
        return std::make_unique<SdlMusicPlayer>(*this);
    }
    return std::make_unique<SdlEffectPlayer>(*this);
}

std::uint64_t SdlMediaService::Register(SdlPlayer& player) {
    const std::uint64_t id = nextId_++;
    players_[id] = &player;
    return id;
}

void SdlMediaService::Unregister(std::uint64_t id) {
    players_.erase(id);
    if (musicOwner_ == id) {
        musicOwner_ = 0;
    }
}

int SdlMediaService::AcquireChannel(std::uint64_t id) {
    auto free = std::find(channelOwners_.begin(), channelOwners_.end(), 0);
    if (free == channelOwners_.end()) {
        const std::size_t count = std::max(kFirstMixerChannels, channelOwners_.size() * 2);
        if (awake_) {
            Mix_AllocateChannels(static_cast<int>(count));
        }
        const std::size_t first = channelOwners_.size();
        channelOwners_.resize(count, 0);
        free = channelOwners_.begin() + static_cast<std::ptrdiff_t>(first);
    }
    *free = id;
    return static_cast<int>(free - channelOwners_.begin());
}

void SdlMediaService::ReleaseChannel(int channel) {
    if (channel >= 0 && static_cast<std::size_t>(channel) < channelOwners_.size()) {
        channelOwners_[static_cast<std::size_t>(channel)] = 0;
    }
}

void SdlMediaService::TakeMusicStream(std::uint64_t id) {
    if (musicOwner_ != 0 && musicOwner_ != id) {
        if (SdlPlayer* previous = Find(musicOwner_)) {
            previous->SoundTaken();
        }
    }
    musicOwner_ = id;
}

void SdlMediaService::ReleaseMusicStream(std::uint64_t id) {
    if (musicOwner_ == id) {
        musicOwner_ = 0;
    }
}

void SdlMediaService::PostNotice(std::uint64_t id) {
    QMetaObject::invokeMethod(
        noticeTarget_.get(), [this, id] { DeliverNotice(id); }, Qt::QueuedConnection);
}

void SdlMediaService::DeliverNotice(std::uint64_t id) {
    if (SdlPlayer* player = Find(id)) {
        player->Notify();
    }
}

void SdlMediaService::DeliverChannelEnd(int channel) {
    if (channel < 0 || static_cast<std::size_t>(channel) >= channelOwners_.size()) {
        return;
    }
    if (SdlPlayer* player = Find(channelOwners_[static_cast<std::size_t>(channel)])) {
        player->SoundEnded();
    }
    SleepWhenIdle();
}

void SdlMediaService::DeliverMusicEnd() {
    if (SdlPlayer* player = Find(musicOwner_)) {
        player->SoundEnded();
    }
    SleepWhenIdle();
}

SdlPlayer* SdlMediaService::Find(std::uint64_t id) const {
    const auto found = players_.find(id);
    return found != players_.end() ? found->second : nullptr;
}

// Both run under SDL's audio lock, often on its audio thread: they only queue
// the news to the user-interface thread (posting an event is thread-safe) and
// never call back into SDL_mixer. The player is looked up there, by channel or
// as the music's owner, so news for a player destroyed meanwhile is dropped.
void SdlMediaService::OnChannelFinished(int channel) {
    if (SdlMediaService* service = liveService.load()) {
        QMetaObject::invokeMethod(
            service->noticeTarget_.get(),
            [service, channel] { service->DeliverChannelEnd(channel); }, Qt::QueuedConnection);
    }
}

void SdlMediaService::OnMusicFinished() {
    if (SdlMediaService* service = liveService.load()) {
        QMetaObject::invokeMethod(
            service->noticeTarget_.get(), [service] { service->DeliverMusicEnd(); },
            Qt::QueuedConnection);
    }
}

}  // namespace zorvane
