#pragma once
// One cell of the board, the preview strip or the undo snapshot, and the
// rule that turns its saved fields into the picture it shows.

#include <array>
#include <cstdint>

namespace zorvane {

constexpr int kColumns = 10;
constexpr int kMaxRows = 16;
constexpr int kColours = 6;       // piece and colour-bomb colours 1..kColours
constexpr int kSpecialKinds = 6;  // special pieces of kind 1..kSpecialKinds

struct TCell {
    std::int32_t Pic = 0;  // colour 1..kColours; 0 for empty, black bomb and special
    bool IsBomb = false;   // also true for every special piece
    bool IsSpecial = false;
    std::int32_t SpecialNum = 0;  // kind 1..kSpecialKinds of a special piece
    // Working marks of a move; never saved, never copied by the snapshot.
    bool SameUp = false;
    bool SameDown = false;
    bool SameLeft = false;
    bool SameRight = false;
    bool Exploded = false;
};

// Board[col][row], row 0 at the bottom; the storage always has 16 rows.
using CellGrid = std::array<std::array<TCell, kMaxRows>, kColumns>;
using AuxRow = std::array<TCell, kColumns>;

inline bool IsOccupied(const TCell& c) {
    return c.Pic != 0 || c.IsBomb || c.IsSpecial;
}
inline bool IsPlainPiece(const TCell& c) {
    return c.Pic != 0 && !c.IsBomb && !c.IsSpecial;
}

// The four saved fields, as they move in a fall, a push or a column shift.
inline void CopyContent(TCell& to, const TCell& from) {
    to.Pic = from.Pic;
    to.IsBomb = from.IsBomb;
    to.IsSpecial = from.IsSpecial;
    to.SpecialNum = from.SpecialNum;
}
inline void EmptyContent(TCell& c) {
    CopyContent(c, TCell{});
}

TCell MakePiece(int colour);
TCell MakeBomb(int colour);  // colour 0 is a black bomb
TCell MakeSpecial(int kind);

// Which picture table a cell is shown from; index is the table's entry.
struct CellPicture {
    enum class Table { Piece, Bomb, Special };
    Table table = Table::Piece;
    int index = 0;  // PiecePics[0] is the blank picture
    bool operator==(const CellPicture&) const = default;
};

// Special picture when both flags are set, bomb picture when only IsBomb,
// piece picture otherwise; a cell removed by the move in progress shows
// blank. Values outside the tables show blank.
CellPicture PictureOf(const TCell& cell);

// The four fields of what a picture stands for; the blank picture is an
// empty cell.
TCell ContentOf(const CellPicture& picture);

// True when the four fields are exactly those of the picture they show, as
// for every cell the game itself makes. False for fields that show nothing
// (a piece colour outside 1..kColours) or show something they are not (IsSpecial
// without IsBomb, a SpecialNum on a plain piece).
bool ShowsWhatItHolds(const TCell& cell);

}  // namespace zorvane
