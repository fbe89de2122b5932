// What a click would take, worked out on the side: the highlight of the
// group under the pointer and the screen reader's description ask it between
// moves, so it must leave the score, the marks and the generator alone.

#include "engine/Game.h"

namespace zorvane {

namespace {

using Taken = std::array<std::array<bool, kMaxRows>, kColumns>;

}  // namespace

std::vector<CellPos> Game::CellsAClickWouldTake(int row, int col) const {
    std::vector<CellPos> cells;
    if (!OnBoard(row, col)) {
        return cells;
    }
    Taken taken{};
    // The removal patterns take only occupied cells, as the real move does.
    auto takeIfOccupied = [&](int r, int c) {
        if (OnBoard(r, c) && IsOccupied(Board[c][r])) {
            taken[c][r] = true;
        }
    };
    auto takeRow = [&](int r) {
        for (int c = 0; c < kColumns; ++c) {
            takeIfOccupied(r, c);
        }
    };
    const TCell& clicked = Board[col][row];
    if (clicked.IsBomb && clicked.IsSpecial) {
        taken[col][row] = clicked.SpecialNum >= 1 && clicked.SpecialNum <= kSpecialKinds;
        switch (clicked.SpecialNum) {
            case 1:
                for (int r = row - 3; r <= row + 3; ++r) {
                    for (int c = col - 3; c <= col + 3; ++c) {
                        takeIfOccupied(r, c);
                    }
                }
                break;
            case 2:
                takeRow(row);
                break;
            case 4:
                takeRow(row);
                [[fallthrough]];
            case 3:
                for (int r = 0; r < numRows_; ++r) {
                    takeIfOccupied(r, col);
                }
                break;
            case 5:
            case 6:
                for (int r = clicked.SpecialNum == 5 ? row : 0; r < numRows_; ++r) {
                    takeRow(r);
                }
                break;
        }
    } else if (clicked.IsBomb && clicked.Pic != 0) {
        for (int r = 0; r < numRows_; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                taken[c][r] = Board[c][r].Pic == clicked.Pic;
            }
        }
    } else if (clicked.IsBomb) {
        for (int r = row - 1; r <= row + 1; ++r) {
            for (int c = col - 1; c <= col + 1; ++c) {
                takeIfOccupied(r, c);
            }
        }
    } else if (clicked.Pic != 0) {
        // The touching cells of the same colour, colour bombs included.
        std::vector<CellPos> stack{{row, col}};
        taken[col][row] = true;
        int size = 0;
        while (!stack.empty()) {
            const CellPos at = stack.back();
            stack.pop_back();
            ++size;
            for (const CellPos next : {CellPos{at.row + 1, at.col}, CellPos{at.row - 1, at.col},
                                       CellPos{at.row, at.col - 1}, CellPos{at.row, at.col + 1}}) {
                if (OnBoard(next.row, next.col) && !taken[next.col][next.row] &&
                    Board[next.col][next.row].Pic == clicked.Pic) {
                    taken[next.col][next.row] = true;
                    stack.push_back(next);
                }
            }
        }
        if (size < 3) {
            return cells;
        }
    }
    for (int r = 0; r < numRows_; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            if (taken[c][r]) {
                cells.push_back({r, c});
            }
        }
    }
    return cells;
}

}  // namespace zorvane
