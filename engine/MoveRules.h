#pragma once
// The removal and fall rules of a move, on a board of its own: the group of
// touching pieces, the patterns of bombs and special pieces, the fall and
// the closing of empty columns. Every cell also carries where its content
// stood when the board was taken, so a plan can say where each piece went.
// Nothing here scores, sounds or shows: the game applies what these rules
// work out.

#include <array>
#include <optional>
#include <vector>

#include "engine/Cell.h"

namespace zorvane {

// A board cell by row (0 at the bottom) and column.
struct CellPos {
    int row = 0;
    int col = 0;
    auto operator<=>(const CellPos&) const = default;
};

class MoveBoard {
  public:
    // The lowest `numRows` rows of `board` take part; the working marks
    // start clear.
    MoveBoard(const CellGrid& board, int numRows);

    bool OnBoard(int row, int col) const;
    const TCell& At(CellPos cell) const { return cells_[cell.col][cell.row]; }
    const CellGrid& Cells() const { return cells_; }
    // Where the content of a cell stood when the board was taken; nothing for
    // an empty cell.
    std::optional<CellPos> Origin(CellPos cell) const;

    // Recomputes the same-colour marks of every cell and clears Exploded.
    void AnalyzeBoard();
    // Whether the cell belongs to a touching group of three or more.
    bool IsGoodMove(int row, int col);
    // Removes the group of the cell, each cell once (marks from IsGoodMove).
    void ExplodePiece(int row, int col);
    // The patterns of bombs and special pieces; each removal is one hit, and
    // a removed bomb counts as occupied until the fall, so it can be hit again.
    void ExplodeOne(int col, int row);
    void ExplodeAll(int colour);
    void ExplodeBlack(int row, int col);
    void ExplodeArea(int row, int col);
    void ExplodeRow(int row);
    void ExplodeColumn(int col);
    // The pattern of a special piece of `kind` 1..kSpecialKinds at the cell.
    void ExplodeSpecial(int kind, int row, int col);

    // Removals applied since the count was last taken (each scores 10).
    int TakeHits();
    // The cells removed and not yet fallen into, by row, then column.
    std::vector<CellPos> Exploded() const;

    // The fall into removed cells, then empty columns close to the left.
    void ShufflePieces();

  private:
    using Origins = std::array<std::array<int, kMaxRows>, kColumns>;
    void CopyCell(CellPos to, CellPos from);
    void EmptyCell(CellPos cell);

    CellGrid cells_;
    Origins origins_;  // row * kColumns + col of the first board; -1 for none
    int numRows_;
    int hits_ = 0;
};

}  // namespace zorvane
