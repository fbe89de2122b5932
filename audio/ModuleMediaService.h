#pragma once
// The program's media service: the SDL service lives in a module beside the
// program (zorvane-audio.so), loaded when the first player is made, so that a
// game that has made no sound yet has no SDL and its libraries in memory.
// When the module cannot be loaded the game is silent, as without a device.

#include <memory>
#include <string>

#include "audio/MediaPlayer.h"

namespace zorvane {

// What the module holds: one C function that makes the SDL service, or
// returns null for a program built against another interface version.
constexpr const char* kAudioModuleFile = "zorvane-audio.so";
constexpr const char* kAudioModuleFactory = "ZorvaneCreateMediaService";
constexpr int kMediaInterfaceVersion = 1;
using MediaServiceFactory = MediaService* (*)(int interfaceVersion);

class ModuleMediaService : public MediaService {
  public:
    // `folder` ends with "/" and holds the module: the program's own folder.
    explicit ModuleMediaService(std::string folder);
    ~ModuleMediaService() override;
    ModuleMediaService(const ModuleMediaService&) = delete;
    ModuleMediaService& operator=(const ModuleMediaService&) = delete;

    // The first call loads the module and starts its service. Without it every
    // player's Open fails with the reason (the loader's own text included).
    std::unique_ptr<MediaPlayer> CreatePlayer(bool music) override;
    // Nothing is known against the device until the first player is made.
    bool DeviceOpen() const override;

    // Whether the module has been asked for yet.
    bool Tried() const { return tried_; }
    // Empty while the module's service runs, else why the game is silent.
    const std::string& LoadError() const { return loadError_; }

  private:
    void Load();

    std::string folder_;
    bool tried_ = false;
    std::string loadError_;
    std::unique_ptr<MediaService> service_;
};

}  // namespace zorvane
