// The sound's share of start-up and of a click, through the program's own
// path to sound (the module beside it): the window's work before its first
// frame, which must do no sound work at all; the first effect of a program
// that has made no sound yet, whose click loads the module and SDL, opens the
// device and decodes the effects; and the first effect after the device went
// to sleep. An effect must be queued well inside 20 ms to sound at once.

#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/MainUnit1.h"
#include "audio/ModuleMediaService.h"
#include "audio/SdlMediaService.h"
#include "audio/Sounds.h"
#include "bench/BenchWindow.h"
#include "persistence/ProgramFolder.h"
#include "presentation/BoardMarks.h"

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
    double pressToEffect = 0;
    double releaseToEffect = 0;
    char error[160] = {};
};

// In a child with nothing of the sound loaded: the window after its start-up,
// and a click on a piece of the bottom row, the button released at once.
ColdClick FirstClickInThisProcess() {
    ColdClick result;
    auto media = std::make_unique<ModuleMediaService>(ProgramFolder());
    const ModuleMediaService& service = *media;
    TMainBoard board(std::make_unique<SilentDialogs>(), std::move(media), ProgramFolder());
    board.show();
    board.FormActivate();
    QApplication::processEvents();
    if (SdlMapped() || service.Tried()) {
        std::snprintf(result.error, sizeof result.error, "the sound was loaded before the click");
        return result;
    }
    const QPoint cell = CellRect({0, 0}, board.CurrentGame()->NumRows()).center();
    QElapsedTimer timer;
    timer.start();
    QTest::mousePress(board.BoardPanel(), Qt::LeftButton, {}, cell);
    const qint64 released = timer.nsecsElapsed();
    QTest::mouseRelease(board.BoardPanel(), Qt::LeftButton, {}, cell);
    const qint64 queued = timer.nsecsElapsed();
    result.pressToEffect = static_cast<double>(queued) / 1e9;
    result.releaseToEffect = static_cast<double>(queued - released) / 1e9;
    if (ChannelsPlaying() < 1) {
        std::snprintf(result.error, sizeof result.error, "the click's effect is not sounding: %s",
                      service.LoadError().c_str());
    }
    return result;
}

// The child's half of the benchmark below, registered only in the process
// started for it: one click, its times written to the descriptor named here.
constexpr const char* kChildVariable = "ZORVANE_BENCH_FIRST_CLICK_FD";

void FirstClickChild(benchmark::State& state) {
    const int fd = std::atoi(std::getenv(kChildVariable));
    for (auto _ : state) {
        App();
        const ColdClick result = FirstClickInThisProcess();
        if (::write(fd, &result, sizeof result) != sizeof result) {
            state.SkipWithError("the result could not be sent");
        }
    }
}
[[maybe_unused]] const bool kChildRegistered =
    std::getenv(kChildVariable) != nullptr &&
    benchmark::RegisterBenchmark("FirstClickChild", FirstClickChild)->Iterations(1) != nullptr;

// This benchmark program again, running only the child's half.
bool RunChild(ColdClick& result) {
    int channel[2];
    if (::pipe(channel) != 0) {
        return false;
    }
    std::vector<std::string> variables = {std::string(kChildVariable) + "=" +
                                          std::to_string(channel[1])};
    for (char** variable = environ; *variable != nullptr; ++variable) {
        variables.emplace_back(*variable);
    }
    std::vector<char*> envp;
    for (std::string& variable : variables) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);
    std::string program = "/proc/self/exe";
    std::string filter = "--benchmark_filter=^FirstClickChild/";
    char* argv[] = {program.data(), filter.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    // Its own report would only repeat the machine's description.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    const bool spawned =
        ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(channel[1]);
    const bool got = spawned && ::read(channel[0], &result, sizeof result) == sizeof result;
    ::close(channel[0]);
    if (spawned) {
        ::waitpid(child, nullptr, 0);
    }
    return got;
}

// The first effect of a program that has made no sound yet, through the
// window: the press loads the sound module and SDL, opens the device and
// decodes the effects, the release makes the move and queues its effect.
// Each run is a fresh process (this program again), where none of that is
// loaded yet. The time runs from the press, as if the button came up at
// once; what is left after the release of a real click is counted apart.
void BM_FirstEffectAfterAClick(benchmark::State& state) {
    double afterRelease = 0;
    for (auto _ : state) {
        ColdClick result;
        if (!RunChild(result) || result.error[0] != '\0') {
            state.SkipWithError(result.error[0] != '\0' ? result.error
                                                        : "the child gave no result");
            break;
        }
        state.SetIterationTime(result.pressToEffect);
        afterRelease = std::max(afterRelease, result.releaseToEffect);
    }
    state.counters["max_release_to_effect_ms"] = afterRelease * 1e3;
}
BENCHMARK(BM_FirstEffectAfterAClick)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// Players ready, the device gone to sleep, then the click's effect.
void BM_FirstEffectAfterTheDeviceSlept(benchmark::State& state) {
    App();
    ModuleMediaService service(ProgramFolder());
    Settings settings = DefaultSettings(ProgramFolder());
    Sounds sounds(service, settings, ProgramFolder());
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
