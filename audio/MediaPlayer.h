#pragma once
// One player of the media service: a sound file opened by name, played in
// the background, with a notice on the user-interface thread when a play
// ends. The game has five: four effects and the music.

#include <functional>
#include <memory>
#include <string>

namespace zorvane {

enum class PlayerMode { NotReady, Stopped, Playing, Paused };

class MediaPlayer {
  public:
    virtual ~MediaPlayer() = default;

    // Closes a file already open, then opens `fileName` as given (WAV and
    // MIDI at least). Returns an empty text on success, else the service's
    // own text for the failure ("Unknown error code" when it has none); the
    // player is then left without a file.
    virtual std::string Open(const std::string& fileName) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual const std::string& FileName() const = 0;

    // These refuse with "No MCI device open" while no file is open, and
    // return an empty text otherwise (the service's own failures on an open
    // file are not reported).
    // Play starts at the current position and returns at once; a player at
    // the end of its file starts again from the beginning.
    virtual std::string Play() = 0;
    // Stops, keeping the position.
    virtual std::string Stop() = 0;
    // Back to the start of the file.
    virtual std::string Rewind() = 0;
    // Pauses a playing player, resumes a paused one, else nothing.
    virtual std::string Pause() = 0;

    virtual PlayerMode Mode() const = 0;

    // Raised on the user-interface thread, some time after a play ends,
    // whether it ran to the end or was cut short.
    std::function<void()> OnNotify;
};

// Makes players. The program has one service for its whole run.
class MediaService {
  public:
    virtual ~MediaService() = default;
    // `music` asks for the player that streams long songs.
    virtual std::unique_ptr<MediaPlayer> CreatePlayer(bool music) = 0;
    // False when the machine has no usable audio device: every open then
    // fails, and there is nothing the player could do about a file.
    virtual bool DeviceOpen() const { return true; }
};

constexpr const char* kNoDeviceOpen = "No MCI device open";
constexpr const char* kUnknownError = "Unknown error code";

}  // namespace zorvane
