// The cost of drawing the board, and of a running game that waits between
// ticks: the board must paint in well under a frame, and an idle game must
// leave the processor alone.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include "app/MainUnit1.h"
#include "audio/ModuleMediaService.h"
#include "bench/BenchWindow.h"
#include "persistence/ProgramFolder.h"
#include "presentation/Background.h"
#include "presentation/BackgroundLayer.h"
#include "presentation/BoardAnimation.h"
#include "presentation/BoardPainter.h"
#include "presentation/PictureTables.h"

namespace zorvane::bench {
namespace {

// A 100 x 100 picture with a white key colour, so transparency has work to do.
QImage TilePicture() {
    QImage tile(100, 100, QImage::Format_RGB32);
    tile.fill(Qt::white);
    QPainter p(&tile);
    p.setBrush(QColor(40, 90, 160));
    p.drawEllipse(10, 10, 80, 80);
    return tile;
}

void BM_PaintFullBoard16RowsTiledTransparent(benchmark::State& state) {
    App();
    Settings settings;
    settings.NumRows = 16;
    PictureTables pictures;
    pictures.Load(settings, 1.0);
    BackgroundPicture background;
    background.SetImage(TilePicture());
    background.SetTransparent(true);
    CellGrid board{};
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kMaxRows; ++row) {
            board[col][row] = (col + row) % 9 == 0 ? MakeBomb(row % (kColours + 1))
                                                   : MakePiece(1 + row % kColours);
        }
    }
    QImage target(400, 640, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        PaintBackground(painter, target.size(), QColor(128, 128, 128), background, true, kTiled);
        PaintCells(painter, board, 16, pictures);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintFullBoard16RowsTiledTransparent)->Unit(benchmark::kMicrosecond);

// One frame of a move on a full 16-row board, midway: a sixth of the pieces
// bursting, everything above them falling. A frame is due every 16 ms; it
// must take under 2, also with the window scaled to twice the design (the
// argument, in tenths), where the board has four times the pixels.
void BM_AnimationFrameFullBoard16Rows(benchmark::State& state) {
    App();
    const qreal factor = static_cast<qreal>(state.range(0)) / 10.0;
    Settings settings;
    settings.NumRows = 16;
    settings.Symbols = true;
    PictureTables pictures;
    pictures.Load(settings, factor);
    BackgroundPicture background;
    background.SetImage(TilePicture());
    background.SetTransparent(true);
    CellGrid before{};
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kMaxRows; ++row) {
            before[col][row] = MakePiece(1 + (col + row) % kColours);
        }
    }
    // A colour bomb in the corner takes every piece of its colour, a sixth
    // of the board; the rest falls.
    before[0][0] = MakeBomb(1);
    const std::vector<BoardAnimation> stages =
        MoveAnimations(PlanClick(before, 16, 0, 0), before, 16);
    if (stages.size() != 1) {
        state.SkipWithError("no motion planned");
        return;
    }
    const BoardAnimation* plan = &stages[0];
    QImage target((QSizeF(400, 640) * factor).toSize(), QImage::Format_ARGB32_Premultiplied);
    BackgroundLayer layer;
    for (auto _ : state) {
        QPainter painter(&target);
        // As the board panel paints: its design, scaled, over its kept
        // background.
        painter.scale(factor, factor);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, factor != 1.0);
        layer.Paint(painter, QSize(400, 640), factor, QColor(128, 128, 128), background, true,
                    kTiled);
        PaintFrame(painter, *plan, 0.4, pictures);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["pieces"] = static_cast<double>(plan->pieces.size());
}
BENCHMARK(BM_AnimationFrameFullBoard16Rows)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Ten seconds of a running game on level 1, measured as the share of one
// core the process used.
void BM_RunningGameCpuOver10s(benchmark::State& state) {
    App();
    for (auto _ : state) {
        // The sound as the program has it: its module loads when the clock starts.
        TMainBoard board(std::make_unique<SilentDialogs>(),
                         std::make_unique<ModuleMediaService>(ProgramFolder()),
                         "/nonexistent-zorvane-bench/");
        board.show();
        board.FormActivate();
        board.BtnPauseClick();
        const double cpuBefore = CpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = CpuSeconds() - cpuBefore;
        state.counters["cpu_percent"] = 100.0 * cpu / (wall.elapsed() / 1000.0);
        state.counters["rows_pushed"] = board.CurrentGame()->State().RowsDone;
    }
}
BENCHMARK(BM_RunningGameCpuOver10s)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvane::bench
