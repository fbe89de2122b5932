#include "audio/ModuleMediaService.h"

#include <dlfcn.h>

#include <cstdio>

namespace zorvane {

namespace {

// A player of a game without its module: every file fails with the reason,
// every command refuses, as the SDL players do without a device.
class SilentPlayer final : public MediaPlayer {
  public:
    explicit SilentPlayer(std::string reason) : reason_(std::move(reason)) {}

    std::string Open(const std::string& fileName) override {
        fileName_ = fileName;
        return reason_;
    }
    void Close() override {}
    bool IsOpen() const override { return false; }
    const std::string& FileName() const override { return fileName_; }
    std::string Play() override { return kNoDeviceOpen; }
    std::string Stop() override { return kNoDeviceOpen; }
    std::string Rewind() override { return kNoDeviceOpen; }
    std::string Pause() override { return kNoDeviceOpen; }
    PlayerMode Mode() const override { return PlayerMode::NotReady; }

  private:
    std::string reason_;
    std::string fileName_;
};

std::string LoaderText() {
    const char* text = ::dlerror();
    return text != nullptr ? std::string(text) : std::string(kUnknownError);
}

}  // namespace

ModuleMediaService::ModuleMediaService(std::string folder) : folder_(std::move(folder)) {}

// The module itself stays loaded to the end of the program: SDL and the
// libraries it pulls in are not made to be unloaded.
ModuleMediaService::~ModuleMediaService() = default;

void ModuleMediaService::Load() {
    tried_ = true;
    const std::string path = folder_ + kAudioModuleFile;
    // Every symbol bound now, so a module that does not fit fails here, not
    // at its first call; its own libraries stay out of the program's way.
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        loadError_ = "The sound module could not be loaded: " + LoaderText();
    } else if (auto factory =
                   reinterpret_cast<MediaServiceFactory>(::dlsym(module, kAudioModuleFactory));
               factory == nullptr) {
        loadError_ = "The sound module could not be loaded: " + LoaderText();
        ::dlclose(module);
    } else {
        service_.reset(factory(kMediaInterfaceVersion));
        if (service_ == nullptr) {
            loadError_ = "The sound module " + path + " does not fit this program";
            ::dlclose(module);
        }
    }
    if (!loadError_.empty()) {
        // The game plays on without sound and says nothing, as without a
        // device; a maintainer looking for the reason finds it here.
        std::fprintf(stderr, "zorvane: %s\n", loadError_.c_str());
    }
}

std::unique_ptr<MediaPlayer> ModuleMediaService::CreatePlayer(bool music) {
    if (!tried_) {
        Load();
    }
    if (service_ == nullptr) {
        return std::make_unique<SilentPlayer>(loadError_);
    }
    return service_->CreatePlayer(music);
}

bool ModuleMediaService::DeviceOpen() const {
    return service_ != nullptr ? service_->DeviceOpen() : !tried_;
}

}  // namespace zorvane
