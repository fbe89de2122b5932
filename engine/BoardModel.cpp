// The board model: construction, the starting rows, the empty-board test and
// the one-step undo snapshot.

#include <algorithm>

#include "engine/Game.h"

namespace zorvane {

Game::Game(const Settings& settings, GameHost& host, RandomSource& random, HighScoreTable& scores)
    : settings_(settings),
      host_(host),
      random_(random),
      scores_(scores),
      numRows_(RunningRows(settings.NumRows)) {}

void Game::StartUp() {
    StopClock();
    EngineIdle = true;
    UndoAllowed = false;
    RowsDone = 0;
    Paused = false;
    ClearedCount = 0;
    SetScore(0);
    AuxCount = 0;
    Aux = AuxRow{};
    Board = CellGrid{};
    Snap = CellGrid{};
    SnapScore = 0;
    Level = 1;
    host_.SetClockInterval(SpeedForLevel(Level));
    StartClock();
    // The game waits for the player.
    StopClock();
    Status.BtnPause = "Start";
    Paused = true;
    SetupBoard();
    host_.StateChanged();
}

bool Game::OnBoard(int row, int col) const {
    return col >= 0 && col < kColumns && row >= 0 && row < numRows_;
}

void Game::SetupBoard() {
    // Filled from the highest start row down so a copy looks at the cell to
    // the left, filled just before in the same row. Rows beyond the board
    // are never written, whatever StartRows says.
    const int rows = std::clamp<int>(settings_.StartRows, 0, numRows_);
    for (int row = rows - 1; row >= 0; --row) {
        for (int col = 0; col < kColumns; ++col) {
            const int copyDraw = random_.Random(10);
            int colour = random_.Random(kColours) + 1;
            if (!settings_.RandomMode && copyDraw >= 6 && copyDraw <= 8 && col > 0) {
                colour = Board[col - 1][row].Pic;
            }
            TCell& cell = Board[col][row];
            CopyContent(cell, MakePiece(colour));
            if (Level > 1 && random_.Random(15) == 5) {
                cell.IsBomb = true;
            }
        }
    }
}

void Game::DecodeTag(int tag, int& row, int& col) {
    row = tag / 10;
    col = tag % 10;
}

bool Game::BoardClear() const {
    for (int row = 0; row < numRows_; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            if (IsOccupied(Board[col][row])) {
                return false;
            }
        }
    }
    return true;
}

void Game::CopyBoardtoSnap() {
    StopClock();
    for (int row = 0; row < numRows_; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            CopyContent(Snap[col][row], Board[col][row]);
        }
    }
    SnapScore = Score;
    StartClock();
}

void Game::CopySnaptoBoard() {
    StopClock();
    for (int row = 0; row < numRows_; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            CopyContent(Board[col][row], Snap[col][row]);
        }
    }
    ResetScore();
    SetScore(SnapScore);
    StartClock();
}

void Game::StartClock() {
    host_.SetClockEnabled(true);
}
void Game::StopClock() {
    host_.SetClockEnabled(false);
}

}  // namespace zorvane

namespace zorvane {

void Game::ArrangeBoard(const CellGrid& board) {
    Board = CellGrid{};
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < numRows_; ++row) {
            CopyContent(Board[col][row], board[col][row]);
        }
    }
    host_.StateChanged();
}

void Game::ArrangeAux(const AuxRow& strip, std::int32_t count) {
    Aux = AuxRow{};
    AuxCount = std::clamp(count, 0, kColumns);
    for (int i = 0; i < kColumns; ++i) {
        CopyContent(Aux[i], strip[i]);
    }
    host_.StateChanged();
}

void Game::ArrangeScore(std::int64_t n) {
    ResetScore();
    SetScore(n);
    host_.StateChanged();
}

void Game::ArrangeRowsDone(std::int32_t rows) {
    RowsDone = rows;
}

void Game::ArrangeClearedCount(std::int32_t count) {
    ClearedCount = count;
}

}  // namespace zorvane
