// zorvane-soak: the main window under a long game and a long run of music,
// watching the process's resident memory. A player that clears groups keeps
// the game alive; when it is lost anyway a new one starts. By default the
// clock's ticks are driven as fast as the window takes them, so half an hour
// of play takes a minute or two; --real-time leaves them to the game clock.
// Memory is read after a warm-up (fonts, caches) and at the end; more than
// 1 MB of growth in either part fails.
//
//   zorvane-soak [--minutes N] [--music-rounds N] [--real-time]

#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/MainUnit1.h"
#include "audio/ListDir.h"
#include "audio/ModuleMediaService.h"
#include "bench/BenchWindow.h"
#include "persistence/ProgramFolder.h"
#include "presentation/BoardMarks.h"
#include "resources/Resources.h"

namespace zorvane::bench {
namespace {

constexpr long kAllowedGrowthKb = 1024;
constexpr int kTickMs = 600;

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

void RunEventsFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (timer.elapsed() < milliseconds);
}

// Lets the left button go down and up on a cell, as a player's click.
void ClickCell(TMainBoard& board, CellPos cell) {
    QWidget* panel = board.BoardPanel();
    const QPointF at = CellRect(cell, board.CurrentGame()->NumRows()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, panel->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(panel, &event);
    }
}

// Clears the largest group in reach, favouring high ones, so the board
// never fills up while pieces keep coming.
void PlayOneMove(TMainBoard& board) {
    Game& game = *board.CurrentGame();
    if (!game.State().EngineIdle) {
        return;
    }
    CellPos best{};
    std::size_t bestScore = 0;
    for (int row = 0; row < game.NumRows(); ++row) {
        for (int col = 0; col < kColumns; ++col) {
            const std::size_t taken = game.PlanClick(row, col).taken.size();
            const std::size_t score = taken == 0 ? 0 : taken + static_cast<std::size_t>(row) * 4;
            if (score > bestScore) {
                bestScore = score;
                best = CellPos{row, col};
            }
        }
    }
    if (bestScore > 0) {
        ClickCell(board, best);
    }
}

struct Growth {
    long warmKb = 0;
    long endKb = 0;
    long Kb() const { return endKb - warmKb; }
};

Growth SoakGame(TMainBoard& board, int minutes, bool realTime) {
    const int ticks = minutes * 60 * 1000 / kTickMs;
    const int warmUp = std::max(ticks / 10, 1);
    Growth growth;
    int games = 1;
    QElapsedTimer clock;
    clock.start();
    for (int tick = 0; tick < ticks; ++tick) {
        if (tick == warmUp) {
            growth.warmKb = ResidentKb();
        }
        Game& game = *board.CurrentGame();
        if (game.State().Paused) {
            if (game.State().Score == 0 && game.State().Level == 1 && tick > 0) {
                ++games;
            }
            board.BtnPauseClick();
        }
        if (realTime) {
            RunEventsFor(kTickMs);
        } else if (board.Clock().OnTimer) {
            board.Clock().OnTimer();
            RunEventsFor(1);
        }
        if (tick % 3 == 0) {
            PlayOneMove(board);
        }
        if (tick % 500 == 0) {
            std::printf("game: %4.1f min of play, level %d, RSS %ld kB (%lld s)\n",
                        tick * kTickMs / 60000.0, board.CurrentGame()->State().Level, ResidentKb(),
                        clock.elapsed() / 1000);
        }
    }
    growth.endKb = ResidentKb();
    const GameState& last = board.CurrentGame()->State();
    std::printf(
        "game: %d ticks (%d min of play), %d game(s); the last at level %d, %d rows done, "
        "score %d\n",
        ticks, minutes, games, last.Level, last.RowsDone, last.Score);
    return growth;
}

Growth SoakMusic(TMainBoard& board, int rounds) {
    const std::string folder = ProgramFolder() + "Music/";
    std::vector<std::string> names;
    ListFiles(folder, names);
    const std::size_t songs = std::max<std::size_t>(names.size(), 1);
    // The music switched off and on again, as through the options dialog:
    // a new song from the folder each time.
    Settings off = board.GameSettings();
    off.PlayMusic = false;
    off.CycleMusic = true;
    off.MusicPath = folder;
    Settings on = off;
    on.PlayMusic = true;
    const int changes = rounds * static_cast<int>(songs);
    const int warmUp = std::max(changes / 10, 1);
    Growth growth;
    for (int change = 0; change < changes; ++change) {
        if (change == warmUp) {
            growth.warmKb = ResidentKb();
        }
        board.ApplySettings(off, SettingsFrom::Player);
        board.ApplySettings(on, SettingsFrom::Player);
        RunEventsFor(30);
    }
    growth.endKb = ResidentKb();
    std::printf("music: %d rounds of %zu song(s) in %s\n", rounds, songs, folder.c_str());
    return growth;
}

bool Report(const char* what, const Growth& growth) {
    const bool flat = growth.Kb() < kAllowedGrowthKb;
    std::printf("%s: RSS %ld kB after warm-up, %ld kB at the end, growth %ld kB (%s)\n", what,
                growth.warmKb, growth.endKb, growth.Kb(), flat ? "flat" : "GROWING");
    return flat;
}

}  // namespace
}  // namespace zorvane::bench

int main(int argc, char** argv) {
    using namespace zorvane;
    int minutes = 30;
    int musicRounds = 100;
    bool realTime = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--minutes" && i + 1 < argc) {
            minutes = std::max(std::atoi(argv[++i]), 1);
        } else if (arg == "--music-rounds" && i + 1 < argc) {
            musicRounds = std::max(std::atoi(argv[++i]), 0);
        } else if (arg == "--real-time") {
            realTime = true;
        } else {
            std::fprintf(stderr, "usage: %s [--minutes N] [--music-rounds N] [--real-time]\n",
                         argv[0]);
            return 2;
        }
    }
    // High scores and options of the soak stay out of the player's home.
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("zorvane-soak-" + std::to_string(getpid()));
    std::filesystem::create_directories(home);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);

    // Lines go out as they come, to follow a long run.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    InitResources();
    bool flat = true;
    {
        TMainBoard board(std::make_unique<bench::SilentDialogs>(),
                         std::make_unique<ModuleMediaService>(ProgramFolder()), ProgramFolder());
        board.show();
        // The game clock ticks only while the program is active; without a
        // window manager nothing else activates the window.
        board.activateWindow();
        board.FormActivate();
        std::printf("start: RSS %ld kB\n", bench::ResidentKb());
        flat = bench::Report("game", bench::SoakGame(board, minutes, realTime)) && flat;
        if (musicRounds > 0) {
            flat = bench::Report("music", bench::SoakMusic(board, musicRounds)) && flat;
        }
    }
    std::filesystem::remove_all(home);
    return flat ? 0 : 1;
}
