// The SDL media service as a loadable module (zorvane-audio.so): the program
// loads it on first need through ModuleMediaService. Only the factory is seen
// from outside.

#include "audio/ModuleMediaService.h"
#include "audio/SdlMediaService.h"

extern "C" __attribute__((visibility("default"))) zorvane::MediaService* ZorvaneCreateMediaService(
    int interfaceVersion) {
    if (interfaceVersion != zorvane::kMediaInterfaceVersion) {
        return nullptr;
    }
    try {
        return new zorvane::SdlMediaService();
    } catch (...) {
        // Nothing may cross the C boundary; the game then plays without sound.
        return nullptr;
    }
}
