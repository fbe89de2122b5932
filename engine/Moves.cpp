// A click on the board: group moves, their scoring, the fall of the pieces
// and the closing of empty columns, and the board-cleared bonus.

#include <string>

#include "engine/Game.h"

namespace zorvane {

void Game::Num1Click(const ClickSender& sender) {
    if (!EngineIdle) {
        return;  // a tick or a move is in progress; the click is dropped
    }
    if (!sender.BoardCell || sender.Tag < 0) {
        return;  // the score digit shares this handler but is not a move
    }
    int row = 0;
    int col = 0;
    DecodeTag(sender.Tag, row, col);
    if (!OnBoard(row, col)) {
        return;
    }
    Status.BtnPause = "Pause";
    EngineIdle = false;

    bool running = true;
    bool removed = false;
    if (Board[col][row].IsBomb) {
        FireBombOrSpecial(row, col, running);
        removed = running;  // whatever fires takes at least its own cell
    } else if (IsGoodMove(row, col)) {
        Play(Effect::Good);
        MovePrologue();
        ExplodePiece(row, col);
        MoveEpilogue();
        removed = true;
    } else {
        Play(Effect::Bad);
        host_.BadMove(row, col);
        host_.StateChanged();
        host_.ProcessMessages();
        StartClock();
    }
    if (running) {
        Paused = false;
    }
    // Only a move can earn the bonus: a click on a board that was already
    // empty removes nothing and pays nothing.
    if (removed && BoardClear()) {
        AwardBoardClearedBonus();
    }
    // A click that fired nothing leaves a paused game paused.
    Status.BtnPause = host_.ClockEnabled() ? "Pause" : "Start";
    EngineIdle = true;
    ApplyDeferredPause();
    host_.StateChanged();
}

void Game::MovePrologue() {
    host_.StateChanged();
    host_.ProcessMessages();
    CopyBoardtoSnap();
    UndoAllowed = true;
}

void Game::MoveEpilogue() {
    FindBonus();
    ShufflePieces();
}

void Game::AnalyzeBoard() {
    const int top = numRows_ - 1;
    for (int row = 0; row < numRows_; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            TCell& cell = Board[col][row];
            cell.Exploded = false;
            const int pic = cell.Pic;
            // Cells without a colour match nothing; clearing their marks keeps
            // stale ones from an earlier move out of any later rule.
            cell.SameDown = pic != 0 && row > 0 && Board[col][row - 1].Pic == pic;
            cell.SameUp = pic != 0 && row < top && Board[col][row + 1].Pic == pic;
            cell.SameLeft = pic != 0 && col > 0 && Board[col - 1][row].Pic == pic;
            cell.SameRight = pic != 0 && col < kColumns - 1 && Board[col + 1][row].Pic == pic;
        }
    }
}

bool Game::IsGoodMove(int row, int col) {
    AnalyzeBoard();
    if (!OnBoard(row, col)) {
        return false;
    }
    const TCell& cell = Board[col][row];
    if (!IsOccupied(cell)) {
        return false;
    }
    const int marks = cell.SameUp + cell.SameDown + cell.SameLeft + cell.SameRight;
    if (marks == 0) {
        return false;
    }
    if (marks >= 2) {
        return true;
    }
    // One neighbour of the same colour: the group reaches three only if that
    // neighbour has a further one besides the clicked cell.
    if (cell.SameDown) {
        const TCell& n = Board[col][row - 1];
        return n.SameDown || n.SameLeft || n.SameRight;
    }
    if (cell.SameUp) {
        const TCell& n = Board[col][row + 1];
        return n.SameUp || n.SameLeft || n.SameRight;
    }
    if (cell.SameLeft) {
        const TCell& n = Board[col - 1][row];
        return n.SameLeft || n.SameUp || n.SameDown;
    }
    const TCell& n = Board[col + 1][row];
    return n.SameRight || n.SameUp || n.SameDown;
}

void Game::ExplodePiece(int row, int col) {
    if (!OnBoard(row, col)) {
        return;
    }
    TCell& cell = Board[col][row];
    if (cell.Exploded) {
        return;
    }
    SetScore(static_cast<std::int64_t>(Score) + 10);
    cell.Exploded = true;
    // Depth is bounded by the number of cells: each is visited once.
    if (cell.SameUp) {
        ExplodePiece(row + 1, col);
    }
    if (cell.SameDown) {
        ExplodePiece(row - 1, col);
    }
    if (cell.SameLeft) {
        ExplodePiece(row, col - 1);
    }
    if (cell.SameRight) {
        ExplodePiece(row, col + 1);
    }
    cell.Pic = 0;
}

void Game::FindBonus() {
    std::int64_t removed = 0;
    for (int row = 0; row < numRows_; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            removed += Board[col][row].Exploded ? 1 : 0;
        }
    }
    if (removed >= 4) {
        std::int64_t bonus = 20 * (removed - 3);
        if (removed >= 5) {
            bonus += 5 * (removed - 4);
        }
        SetScore(Score + bonus);
        SetBonus(bonus);
    } else {
        SetBonus(0);
    }
}

void Game::SetBonus(std::int64_t n) {
    Status.Bonus = "Bonus: " + std::to_string(n);
}

void Game::ShufflePieces() {
    StopClock();
    const int top = numRows_ - 1;
    // Fall: each pass climbs the board, so one pass carries every gap to the
    // top of its column; passes repeat until no removed cell is left.
    bool found = true;
    while (found) {
        found = false;
        for (int row = 0; row < numRows_; ++row) {
            for (int col = 0; col < kColumns; ++col) {
                TCell& cell = Board[col][row];
                if (!cell.Exploded) {
                    continue;
                }
                found = true;
                cell.SameUp = cell.SameDown = cell.SameLeft = cell.SameRight = false;
                if (row < top) {
                    TCell& above = Board[col][row + 1];
                    CopyContent(cell, above);
                    if (!above.Exploded) {
                        cell.Exploded = false;
                    }
                    above.Exploded = true;
                } else {
                    EmptyContent(cell);
                    cell.Exploded = false;
                }
            }
        }
    }
    // Close empty columns to the left, one place per pass.
    for (;;) {
        bool gap = false;
        bool occupiedRight = IsOccupied(Board[kColumns - 1][0]);
        for (int col = kColumns - 2; col >= 0; --col) {
            const bool occupied = IsOccupied(Board[col][0]);
            if (!occupied && occupiedRight) {
                gap = true;
            }
            occupiedRight = occupiedRight || occupied;
        }
        if (!gap) {
            break;
        }
        for (int col = 0; col < kColumns - 1; ++col) {
            if (IsOccupied(Board[col][0])) {
                continue;
            }
            for (int row = 0; row < numRows_; ++row) {
                CopyContent(Board[col][row], Board[col + 1][row]);
                EmptyContent(Board[col + 1][row]);
            }
        }
    }
    StartClock();
    host_.StateChanged();
}

void Game::AwardBoardClearedBonus() {
    ClearAux();
    ++ClearedCount;
    if (ClearedCount == 1) {
        BoardBonus = 5000;
    } else {
        const std::int64_t sum = static_cast<std::int64_t>(ClearedCount) * 5000 + BoardBonus;
        BoardBonus = sum > 1000000 ? 1000000 : static_cast<std::int32_t>(sum);
    }
    std::string text;
    if (ClearedCount == 1) {
        text = "You cleared the board!\rYou get a 5000 point bonus!";
    } else {
        text = "You cleared the board " + std::to_string(ClearedCount) + " times!\rYou get a " +
               std::to_string(BoardBonus) + " point bonus!";
    }
    host_.StateChanged();
    host_.ShowMessage("Congratulations!", text);
    SetScore(static_cast<std::int64_t>(Score) + BoardBonus);
    SetBonus(BoardBonus);
    LevelUp();
    ResetProgressDisplays();
}

}  // namespace zorvane
