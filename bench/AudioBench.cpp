// The sound's share of start-up and of a click, through the program's own
// path to sound (the module beside it): the window's work before its first
// frame, which must do no sound work at all; the first effect of a program
// that has made no sound yet, whose click loads the module and SDL, opens the
// device and decodes the effects; and the first effect after the device went
// to sleep. An effect must be queued well inside 20 ms to sound at once.

#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "app/MainUnit1.h"
#include "audio/ModuleMediaService.h"
#include "audio/SdlMediaService.h"
#include "audio/Sounds.h"
#include "bench/BenchWindow.h"
#include "persistence/ProgramFolder.h"

namespace zorvane::bench {
namespace {

// A function of SDL_mixer as the module brought it in (the benchmark does
// not link it); null while it is not loaded.
template <typename Function>
Function Mixer(const char* name) {
    void* mixer = ::dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
    if (mixer == nullptr) {
        return nullptr;
    }
    auto function = reinterpret_cast<Function>(::dlsym(mixer, name));
    ::dlclose(mixer);  // the module keeps it loaded
    return function;
}
int ChannelsPlaying() {
    auto playing = Mixer<int (*)(int)>("Mix_Playing");
    return playing != nullptr ? playing(-1) : -1;
}
bool DeviceAwake() {
    auto query = Mixer<int (*)(int*, std::uint16_t*, int*)>("Mix_QuerySpec");
    return query != nullptr && query(nullptr, nullptr, nullptr) != 0;
}

bool SdlMapped() {
    std::ifstream maps("/proc/self/maps");
    std::stringstream text;
    text << maps.rdbuf();
    return text.str().find("libSDL2") != std::string::npos;
}

// Everything the main window does before its first frame, and its start-up
// after it: none of it may touch the sound.
void BM_StartupWorkBeforeFirstFrame(benchmark::State& state) {
    App();
    {
        // Qt's own first-use work (fonts, the platform's window) is the same
        // for any window; leave it out.
        TMainBoard warmUp(std::make_unique<SilentDialogs>(),
                          std::make_unique<ModuleMediaService>(ProgramFolder()), ProgramFolder());
        warmUp.show();
    }
    for (auto _ : state) {
        auto media = std::make_unique<ModuleMediaService>(ProgramFolder());
        const ModuleMediaService& service = *media;
        QElapsedTimer timer;
        timer.start();
        TMainBoard board(std::make_unique<SilentDialogs>(), std::move(media), ProgramFolder());
        board.show();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        QApplication::processEvents();
        if (service.Tried()) {
            state.SkipWithError("the window's start-up asked for the sound module");
            break;
        }
    }
}
BENCHMARK(BM_StartupWorkBeforeFirstFrame)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

struct ColdClick {
    double seconds = 0;
    char error[128] = {};
};

// In a child with nothing of the sound loaded: the click's effect, timed.
ColdClick FirstEffectInThisProcess() {
    ColdClick result;
    if (SdlMapped()) {
        std::strcpy(result.error, "SDL was loaded before the click");
        return result;
    }
    ModuleMediaService service(ProgramFolder());
    Settings settings = DefaultSettings(ProgramFolder());
    RandomSource random(1);
    Sounds sounds(service, settings, random, ProgramFolder());
    QElapsedTimer timer;
    timer.start();
    sounds.PlayEffect(Effect::Row);
    result.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    if (ChannelsPlaying() != 1) {
        std::snprintf(result.error, sizeof result.error, "the click's effect is not sounding: %s",
                      service.LoadError().c_str());
    }
    return result;
}

// The first effect of a program that has made no sound yet: each run is a
// fresh child of this process, where the sound module, SDL and its libraries
// are not loaded yet, as in a game whose first click is the first sound.
void BM_FirstEffectAfterAClick(benchmark::State& state) {
    App();
    for (auto _ : state) {
        int channel[2];
        if (::pipe(channel) != 0) {
            state.SkipWithError("no pipe");
            break;
        }
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(channel[0]);
            const ColdClick result = FirstEffectInThisProcess();
            const bool sent = ::write(channel[1], &result, sizeof result) == sizeof result;
            ::_exit(sent ? 0 : 1);  // no clean-up: the process ends here
        }
        ::close(channel[1]);
        ColdClick result;
        const bool got = child > 0 && ::read(channel[0], &result, sizeof result) == sizeof result;
        ::close(channel[0]);
        if (child > 0) {
            ::waitpid(child, nullptr, 0);
        }
        if (!got || result.error[0] != '\0') {
            state.SkipWithError(got ? result.error : "the child gave no result");
            break;
        }
        state.SetIterationTime(result.seconds);
    }
}
BENCHMARK(BM_FirstEffectAfterAClick)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// Players ready, the device gone to sleep, then the click's effect.
void BM_FirstEffectAfterTheDeviceSlept(benchmark::State& state) {
    App();
    ModuleMediaService service(ProgramFolder());
    Settings settings = DefaultSettings(ProgramFolder());
    RandomSource random(1);
    Sounds sounds(service, settings, random, ProgramFolder());
    sounds.Prepare();
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(SdlMediaService::kIdleCloseMs + 200, &loop, &QEventLoop::quit);
        loop.exec();
        if (DeviceAwake()) {
            state.SkipWithError("the audio device did not go to sleep");
            break;
        }
        QElapsedTimer timer;
        timer.start();
        sounds.PlayEffect(Effect::Row);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        if (ChannelsPlaying() != 1) {
            state.SkipWithError("the click's effect is not sounding");
            break;
        }
    }
}
BENCHMARK(BM_FirstEffectAfterTheDeviceSlept)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvane::bench
