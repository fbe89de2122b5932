#pragma once
// The media service on SDL2_mixer: each effect player has a mixer channel of
// its own, the music player uses the mixer's one music stream, so effects and
// music overlap freely. End-of-play notices come back on the user-interface
// thread through Qt's event queue. While nothing sounds and no song is loaded
// the audio device is closed, so SDL's audio thread does not run; the next
// load or play opens it again.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "audio/MediaPlayer.h"
#include "audio/SoundFont.h"

class QObject;
class QTimer;

namespace zorvane {

class SdlPlayer;

class SdlMediaService : public MediaService {
  public:
    // Build and destroy it on the user-interface thread, where Qt's event loop
    // runs; only one service is live at a time (SDL_mixer has one mixer). When
    // the audio device cannot be opened the service still makes players, and
    // every Open fails with the reason, so the game plays on in silence.
    // MIDI is played with the first of `soundFonts` that exists.
    explicit SdlMediaService(std::vector<std::string> soundFonts = DebianSoundFonts());
    ~SdlMediaService() override;
    SdlMediaService(const SdlMediaService&) = delete;
    SdlMediaService& operator=(const SdlMediaService&) = delete;

    std::unique_ptr<MediaPlayer> CreatePlayer(bool music) override;

    // Empty when the audio device is open, else why it could not be opened.
    const std::string& StartupError() const { return startupError_; }

    // How long the device stays open after the last sound ends.
    static constexpr int kIdleCloseMs = 1000;

  private:
    friend class SdlPlayer;
    friend class SdlEffectPlayer;
    friend class SdlMusicPlayer;

    bool DeviceOpen() const override { return startupError_.empty(); }
    void StartAudio();
    // The mixer, open for playing; false while asleep or without a device.
    bool Awake() const { return awake_; }
    // Opens the device again after a sleep: the empty text, or SDL's reason.
    std::string Wake();
    // Closes the device once nothing has sounded for kIdleCloseMs.
    void SleepWhenIdle();
    void SleepIfIdle();
    bool OpenMixer();
    void CloseMixer();
    void MusicLoaded(bool loaded) { loadedSongs_ += loaded ? 1 : -1; }
    // Before each MIDI is made: the empty text, or why there is no font.
    std::string NameSoundFont() { return soundFont_.Name(); }

    std::uint64_t Register(SdlPlayer& player);
    void Unregister(std::uint64_t id);
    int AcquireChannel(std::uint64_t id);
    void ReleaseChannel(int channel);
    std::uint64_t MusicOwner() const { return musicOwner_; }
    void TakeMusicStream(std::uint64_t id);
    void ReleaseMusicStream(std::uint64_t id);

    // Queues the player's OnNotify; dropped if the player is gone by then.
    void PostNotice(std::uint64_t id);
    void DeliverNotice(std::uint64_t id);
    void DeliverChannelEnd(int channel);
    void DeliverMusicEnd();
    SdlPlayer* Find(std::uint64_t id) const;

    // SDL_mixer's end callbacks, run on its audio thread (or inside a halt).
    static void OnChannelFinished(int channel);
    static void OnMusicFinished();

    std::string startupError_;
    bool ownsMixer_ = false;
    // Notices are queued to this object, which lives on the user-interface thread.
    std::unique_ptr<QObject> noticeTarget_;
    std::unordered_map<std::uint64_t, SdlPlayer*> players_;
    std::uint64_t nextId_ = 1;
    std::vector<std::uint64_t> channelOwners_;  // player id per channel, 0 when free
    std::uint64_t musicOwner_ = 0;
    bool awake_ = false;
    int loadedSongs_ = 0;  // a song's decoder needs the mixer it was made for
    std::unique_ptr<QTimer> idleTimer_;
    SoundFont soundFont_;
};

}  // namespace zorvane
