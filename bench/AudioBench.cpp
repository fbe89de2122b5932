// The sound's share of start-up and of a click: the window's constructor with
// the real audio service, and the first effect after the device went to sleep,
// which must be queued well inside 20 ms to sound at once.

#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "app/MainUnit1.h"
#include "audio/SdlMediaService.h"
#include "audio/Sounds.h"
#include "bench/BenchWindow.h"
#include "persistence/ProgramFolder.h"

namespace zorvane::bench {
namespace {

// Everything the main window does before its first frame.
void BM_StartupWorkBeforeFirstFrame(benchmark::State& state) {
    App();
    {
        // Qt's own first-use work (fonts, the platform's window) is the same
        // for any window; leave it out.
        TMainBoard warmUp(std::make_unique<SilentDialogs>(), std::make_unique<SdlMediaService>(),
                          ProgramFolder());
        warmUp.show();
    }
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        TMainBoard board(std::make_unique<SilentDialogs>(), std::make_unique<SdlMediaService>(),
                         ProgramFolder());
        board.show();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_StartupWorkBeforeFirstFrame)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A fresh service whose device has gone to sleep, then the click's effect.
void BM_FirstEffectAfterAClick(benchmark::State& state) {
    App();
    for (auto _ : state) {
        SdlMediaService service;
        Settings settings = DefaultSettings(ProgramFolder());
        RandomSource random(1);
        Sounds sounds(service, settings, random, ProgramFolder());
        QEventLoop loop;
        QTimer::singleShot(SdlMediaService::kIdleCloseMs + 200, &loop, &QEventLoop::quit);
        loop.exec();
        if (Mix_QuerySpec(nullptr, nullptr, nullptr) != 0) {
            state.SkipWithError("the audio device did not go to sleep");
            break;
        }
        QElapsedTimer timer;
        timer.start();
        sounds.PlayEffect(Effect::Row);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        if (Mix_Playing(-1) != 1) {
            state.SkipWithError("the click's effect is not sounding");
            break;
        }
    }
}
BENCHMARK(BM_FirstEffectAfterAClick)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvane::bench
