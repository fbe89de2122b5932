#include "engine/MoveRules.h"

#include <optional>

namespace zorvane {

MoveBoard::MoveBoard(const CellGrid& board, int numRows) : numRows_(numRows) {
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kMaxRows; ++row) {
            TCell& cell = cells_[col][row];
            CopyContent(cell, board[col][row]);
            origins_[col][row] = IsOccupied(cell) ? row * kColumns + col : -1;
        }
    }
}

bool MoveBoard::OnBoard(int row, int col) const {
    return row >= 0 && row < numRows_ && col >= 0 && col < kColumns;
}

std::optional<CellPos> MoveBoard::Origin(CellPos cell) const {
    const int origin = origins_[cell.col][cell.row];
    if (origin < 0) {
        return std::nullopt;
    }
    return CellPos{origin / kColumns, origin % kColumns};
}

void MoveBoard::CopyCell(CellPos to, CellPos from) {
    CopyContent(cells_[to.col][to.row], cells_[from.col][from.row]);
    origins_[to.col][to.row] = origins_[from.col][from.row];
}

void MoveBoard::EmptyCell(CellPos cell) {
    EmptyContent(cells_[cell.col][cell.row]);
    origins_[cell.col][cell.row] = -1;
}

void MoveBoard::AnalyzeBoard() {
    const int top = numRows_ - 1;
    for (int row = 0; row < numRows_; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            TCell& cell = cells_[col][row];
            cell.Exploded = false;
            const int pic = cell.Pic;
            // Cells without a colour match nothing.
            cell.SameDown = pic != 0 && row > 0 && cells_[col][row - 1].Pic == pic;
            cell.SameUp = pic != 0 && row < top && cells_[col][row + 1].Pic == pic;
            cell.SameLeft = pic != 0 && col > 0 && cells_[col - 1][row].Pic == pic;
            cell.SameRight = pic != 0 && col < kColumns - 1 && cells_[col + 1][row].Pic == pic;
        }
    }
}

bool MoveBoard::IsGoodMove(int row, int col) {
    AnalyzeBoard();
    if (!OnBoard(row, col)) {
        return false;
    }
    const TCell& cell = cells_[col][row];
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
        const TCell& n = cells_[col][row - 1];
        return n.SameDown || n.SameLeft || n.SameRight;
    }
    if (cell.SameUp) {
        const TCell& n = cells_[col][row + 1];
        return n.SameUp || n.SameLeft || n.SameRight;
    }
    if (cell.SameLeft) {
        const TCell& n = cells_[col - 1][row];
        return n.SameLeft || n.SameUp || n.SameDown;
    }
    const TCell& n = cells_[col + 1][row];
    return n.SameRight || n.SameUp || n.SameDown;
}

void MoveBoard::ExplodePiece(int row, int col) {
    if (!OnBoard(row, col)) {
        return;
    }
    TCell& cell = cells_[col][row];
    if (cell.Exploded) {
        return;
    }
    ++hits_;
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

void MoveBoard::ExplodeOne(int col, int row) {
    if (!OnBoard(row, col)) {
        return;
    }
    ++hits_;
    TCell& cell = cells_[col][row];
    cell.Exploded = true;
    // The bomb flags stay until the fall, so a removed bomb still counts as
    // occupied for the rest of the pattern.
    cell.Pic = 0;
}

void MoveBoard::ExplodeAll(int colour) {
    for (int row = 0; row < numRows_; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            if (cells_[col][row].Pic == colour) {
                ExplodeOne(col, row);
            }
        }
    }
}

void MoveBoard::ExplodeBlack(int row, int col) {
    ExplodeOne(col, row);
    static constexpr int kNeighbours[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, 1},
                                              {0, -1},  {1, -1}, {1, 0},  {1, 1}};
    for (const auto& [dc, dr] : kNeighbours) {
        const int c = col + dc;
        const int r = row + dr;
        if (OnBoard(r, c) && IsOccupied(cells_[c][r])) {
            ExplodeOne(c, r);
        }
    }
}

void MoveBoard::ExplodeArea(int row, int col) {
    ExplodeOne(col, row);
    auto probe = [this](int c, int r) {
        if (OnBoard(r, c) && IsOccupied(cells_[c][r])) {
            ExplodeOne(c, r);
        }
    };
    // The four quarters overlap on the centre lines, whose bombs are hit
    // more than once.
    for (int i = 0; i <= 3; ++i) {
        for (int j = 0; j <= 3; ++j) {
            probe(col - i, row + j);
            probe(col - i, row - j);
            probe(col + i, row + j);
            probe(col + i, row - j);
        }
    }
}

void MoveBoard::ExplodeRow(int row) {
    for (int col = 0; col < kColumns; ++col) {
        if (OnBoard(row, col) && IsOccupied(cells_[col][row])) {
            ExplodeOne(col, row);
        }
    }
}

void MoveBoard::ExplodeColumn(int col) {
    for (int row = 0; row < numRows_; ++row) {
        if (OnBoard(row, col) && IsOccupied(cells_[col][row])) {
            ExplodeOne(col, row);
        }
    }
}

void MoveBoard::ExplodeSpecial(int kind, int row, int col) {
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
}

int MoveBoard::TakeHits() {
    const int hits = hits_;
    hits_ = 0;
    return hits;
}

std::vector<CellPos> MoveBoard::Exploded() const {
    std::vector<CellPos> cells;
    for (int row = 0; row < numRows_; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            if (cells_[col][row].Exploded) {
                cells.push_back({row, col});
            }
        }
    }
    return cells;
}

void MoveBoard::ShufflePieces() {
    const int top = numRows_ - 1;
    // Fall: each pass climbs the board, so one pass carries every gap to the
    // top of its column; passes repeat until no removed cell is left.
    bool found = true;
    while (found) {
        found = false;
        for (int row = 0; row < numRows_; ++row) {
            for (int col = 0; col < kColumns; ++col) {
                TCell& cell = cells_[col][row];
                if (!cell.Exploded) {
                    continue;
                }
                found = true;
                cell.SameUp = cell.SameDown = cell.SameLeft = cell.SameRight = false;
                if (row < top) {
                    TCell& above = cells_[col][row + 1];
                    CopyCell({row, col}, {row + 1, col});
                    if (!above.Exploded) {
                        cell.Exploded = false;
                    }
                    above.Exploded = true;
                } else {
                    EmptyCell({row, col});
                    cell.Exploded = false;
                }
            }
        }
    }
    // Close empty columns to the left, one place per pass.
    for (;;) {
        bool gap = false;
        bool occupiedRight = IsOccupied(cells_[kColumns - 1][0]);
        for (int col = kColumns - 2; col >= 0; --col) {
            const bool occupied = IsOccupied(cells_[col][0]);
            if (!occupied && occupiedRight) {
                gap = true;
            }
            occupiedRight = occupiedRight || occupied;
        }
        if (!gap) {
            break;
        }
        for (int col = 0; col < kColumns - 1; ++col) {
            if (IsOccupied(cells_[col][0])) {
                continue;
            }
            for (int row = 0; row < numRows_; ++row) {
                CopyCell({row, col}, {row, col + 1});
                EmptyCell({row, col + 1});
            }
        }
    }
}

}  // namespace zorvane
