// How long the rules take: one click on a full 16-row board, a row push and
// a whole scripted game. Each click benchmark restores the board before the
// click; that copy of 160 cells is part of the figure.

#include <benchmark/benchmark.h>

#include "BenchGame.h"

namespace zorvane::bench {
namespace {

// Every cell of colour 1 but one, which keeps the board from being cleared.
CellGrid LargestGroupBoard() {
    CellGrid board{};
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kMaxRows; ++row) {
            board[col][row] = MakePiece(1);
        }
    }
    board[9][15] = MakePiece(2);
    return board;
}

// Alternating colours with the clicked piece in the middle.
CellGrid FullBoardWith(const TCell& clicked) {
    CellGrid board{};
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kMaxRows; ++row) {
            board[col][row] = MakePiece(1 + (col + row) % 2);
        }
    }
    board[4][7] = clicked;
    return board;
}

void RunClick(benchmark::State& state, const CellGrid& start, int col, int row) {
    BenchGame b;
    Game& game = *b.game;
    for (auto _ : state) {
        game.ArrangeBoard(start);
        game.Num1Click({true, row * 10 + col});
        benchmark::DoNotOptimize(game.State().Score);
    }
}

void BM_ClickLargestGroup(benchmark::State& state) {
    RunClick(state, LargestGroupBoard(), 0, 0);
}
BENCHMARK(BM_ClickLargestGroup);

void BM_ClickColourBomb(benchmark::State& state) {
    RunClick(state, FullBoardWith(MakeBomb(1)), 4, 7);
}
BENCHMARK(BM_ClickColourBomb);

void BM_ClickAllRowsSpecial(benchmark::State& state) {
    RunClick(state, FullBoardWith(MakeSpecial(6)), 4, 7);
}
BENCHMARK(BM_ClickAllRowsSpecial);

void BM_RowPush(benchmark::State& state) {
    BenchGame b;
    Game& game = *b.game;
    CellGrid start = FullBoardWith(MakePiece(3));
    AuxRow strip{};
    for (int col = 0; col < kColumns; ++col) {
        start[col][15] = TCell{};  // nothing in the top row: no loss
        strip[col] = MakePiece(1 + col % kColours);
    }
    for (auto _ : state) {
        game.ArrangeBoard(start);
        game.ArrangeAux(strip, kColumns);
        game.ArrangeRowsDone(0);
        game.DXTimer1Timer();
        benchmark::DoNotOptimize(game.State().Board);
    }
}
BENCHMARK(BM_RowPush);

// A thousand ticks with a click on the bottom row every third tick; lost
// games start again, as "play again" does.
void BM_ScriptedGame1000Ticks(benchmark::State& state) {
    for (auto _ : state) {
        BenchGame b(16, 11);
        Game& game = *b.game;
        game.BtnPauseClick();
        for (int tick = 0; tick < 1000; ++tick) {
            if (!b.host.ClockEnabled()) {
                game.BtnPauseClick();
            }
            game.DXTimer1Timer();
            if (tick % 3 == 0) {
                game.Num1Click({true, tick % kColumns});
            }
        }
        benchmark::DoNotOptimize(game.State().Score);
    }
}
BENCHMARK(BM_ScriptedGame1000Ticks)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zorvane::bench
