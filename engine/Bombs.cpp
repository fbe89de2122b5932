// Bombs and special pieces: a click sets them off at once, each with its own
// removal pattern, scored cell by cell.

#include "engine/Game.h"

namespace zorvane {

void Game::FireBombOrSpecial(int row, int col, bool& firedAny) {
    const TCell& clicked = Board[col][row];
    if (clicked.IsSpecial) {
        // Each kind is tested against what the clicked cell holds now: a
        // special of a higher kind that falls or slides into the cell fires
        // in the same click.
        firedAny = false;
        for (int kind = 1; kind <= kSpecialKinds; ++kind) {
            const TCell& now = Board[col][row];
            if (now.IsSpecial && now.SpecialNum == kind) {
                FireSpecialKind(kind, row, col);
                firedAny = true;
            }
        }
        return;
    }
    firedAny = true;
    Play(Effect::Explode);
    MovePrologue();
    if (clicked.Pic != 0) {
        ExplodeAll(clicked.Pic);
    } else {
        ExplodeBlack(row, col);
    }
    MoveEpilogue();
}

void Game::FireSpecialKind(int kind, int row, int col) {
    Play(Effect::Explode);
    MovePrologue();
    switch (kind) {
        case 1:  // the 7 x 7 square around it
            ExplodeArea(row, col);
            break;
        case 2:  // its row
            ExplodeRow(row);
            break;
        case 3:  // its column
            ExplodeColumn(col);
            break;
        case 4:  // its row and its column
            ExplodeRow(row);
            ExplodeColumn(col);
            break;
        case 5:  // its row and every row above
            for (int r = row; r < numRows_; ++r) {
                ExplodeRow(r);
            }
            break;
        case 6:  // every row
            for (int r = 0; r < numRows_; ++r) {
                ExplodeRow(r);
            }
            break;
    }
    MoveEpilogue();
}

void Game::ExplodeOne(int col, int row) {
    if (!OnBoard(row, col)) {
        return;
    }
    SetScore(static_cast<std::int64_t>(Score) + 10);
    TCell& cell = Board[col][row];
    cell.Exploded = true;
    // The bomb flags stay until the fall step, so a removed bomb still counts
    // as occupied for the rest of the pattern.
    cell.Pic = 0;
}

void Game::ExplodeAll(int colour) {
    for (int row = 0; row < numRows_; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            if (Board[col][row].Pic == colour) {
                ExplodeOne(col, row);
            }
        }
    }
}

void Game::ExplodeBlack(int row, int col) {
    ExplodeOne(col, row);
    static constexpr int kNeighbours[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, 1},
                                              {0, -1},  {1, -1}, {1, 0},  {1, 1}};
    for (const auto& [dc, dr] : kNeighbours) {
        const int c = col + dc;
        const int r = row + dr;
        if (OnBoard(r, c) && IsOccupied(Board[c][r])) {
            ExplodeOne(c, r);
        }
    }
}

void Game::ExplodeArea(int row, int col) {
    ExplodeOne(col, row);
    auto probe = [this](int c, int r) {
        if (OnBoard(r, c) && IsOccupied(Board[c][r])) {
            ExplodeOne(c, r);
        }
    };
    for (int i = 0; i <= 3; ++i) {
        for (int j = 0; j <= 3; ++j) {
            probe(col - i, row + j);
            probe(col - i, row - j);
            probe(col + i, row + j);
            probe(col + i, row - j);
        }
    }
}

void Game::ExplodeRow(int row) {
    for (int col = 0; col < kColumns; ++col) {
        if (OnBoard(row, col) && IsOccupied(Board[col][row])) {
            ExplodeOne(col, row);
        }
    }
}

void Game::ExplodeColumn(int col) {
    for (int row = 0; row < numRows_; ++row) {
        if (OnBoard(row, col) && IsOccupied(Board[col][row])) {
            ExplodeOne(col, row);
        }
    }
}

}  // namespace zorvane
