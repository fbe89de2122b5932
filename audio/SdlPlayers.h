#pragma once
// The players of the SDL media service; only the service makes them.

#include <SDL_mixer.h>

#include <cstdint>
#include <string>

#include "audio/MediaPlayer.h"
#include "audio/SdlMediaService.h"

namespace zorvane {

// SDL_mixer's text for its last failure, or "Unknown error code" when it has none.
std::string SdlErrorText();

// What every player shares: the file, the refusals without one, and the
// bookkeeping that keeps SDL's paused state apart from our stopped state and
// gives each play exactly one end-of-play notice.
class SdlPlayer : public MediaPlayer {
  public:
    explicit SdlPlayer(SdlMediaService& service);
    // Each derived player closes in its own destructor: closing needs its SDL objects.
    ~SdlPlayer() override;
    SdlPlayer(const SdlPlayer&) = delete;
    SdlPlayer& operator=(const SdlPlayer&) = delete;

    std::string Open(const std::string& fileName) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    const std::string& FileName() const override { return fileName_; }
    std::string Play() override;
    std::string Stop() override;
    std::string Rewind() override;
    std::string Pause() override;
    PlayerMode Mode() const override;

    std::uint64_t Id() const { return id_; }
    // SDL stopped this player's sound, a while ago now.
    void SoundEnded();
    // Another player took the sound away (the music stream is shared).
    void SoundTaken();
    void Notify();
    // The service is going away: give back the SDL objects, refuse from now on.
    void Detach();

  protected:
    SdlMediaService* Service() const { return service_; }

    virtual std::string Load(const std::string& fileName) = 0;
    virtual void Unload() = 0;
    // Playing or held (paused) in SDL; false once the end is reached.
    virtual bool Sounding() const = 0;
    virtual bool Start() = 0;
    virtual void Hold() = 0;
    virtual void Resume() = 0;
    virtual void Halt() = 0;

  private:
    enum class Held { None, Paused, Stopped };

    // The current play ends here as far as its notice goes.
    void CutShort();

    SdlMediaService* service_;
    std::uint64_t id_;
    std::string fileName_;
    bool open_ = false;
    Held held_ = Held::None;
    bool armed_ = false;  // a play is on whose notice has not been sent
};

// An effect: the whole file decoded into memory, on a mixer channel of its own.
class SdlEffectPlayer final : public SdlPlayer {
  public:
    explicit SdlEffectPlayer(SdlMediaService& service);
    ~SdlEffectPlayer() override;

  protected:
    std::string Load(const std::string& fileName) override;
    void Unload() override;
    bool Sounding() const override;
    bool Start() override;
    void Hold() override { Mix_Pause(channel_); }
    void Resume() override { Mix_Resume(channel_); }
    void Halt() override { Mix_HaltChannel(channel_); }

  private:
    int channel_;
    Mix_Chunk* chunk_ = nullptr;
};

// The music: streamed on the mixer's single music stream.
class SdlMusicPlayer final : public SdlPlayer {
  public:
    using SdlPlayer::SdlPlayer;
    ~SdlMusicPlayer() override { Close(); }

  protected:
    std::string Load(const std::string& fileName) override;
    void Unload() override;
    bool Sounding() const override;
    bool Start() override;
    void Hold() override { Mix_PauseMusic(); }
    void Resume() override { Mix_ResumeMusic(); }
    void Halt() override { Mix_HaltMusic(); }

  private:
    Mix_Music* music_ = nullptr;
    bool midi_ = false;  // its synthesizer holds a soundfont
};

}  // namespace zorvane
