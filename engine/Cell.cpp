#include "engine/Cell.h"

namespace zorvane {

namespace {

bool SameContent(const TCell& a, const TCell& b) {
    return a.Pic == b.Pic && a.IsBomb == b.IsBomb && a.IsSpecial == b.IsSpecial &&
           a.SpecialNum == b.SpecialNum;
}

}  // namespace

TCell MakePiece(int colour) {
    TCell c;
    c.Pic = colour;
    return c;
}

TCell MakeBomb(int colour) {
    TCell c;
    c.Pic = colour;
    c.IsBomb = true;
    return c;
}

TCell MakeSpecial(int kind) {
    TCell c;
    c.IsBomb = true;
    c.IsSpecial = true;
    c.SpecialNum = kind;
    return c;
}

CellPicture PictureOf(const TCell& cell) {
    using Table = CellPicture::Table;
    const CellPicture blank{Table::Piece, 0};
    if (cell.Exploded) {
        return blank;
    }
    if (cell.IsBomb && cell.IsSpecial) {
        if (cell.SpecialNum < 1 || cell.SpecialNum > kSpecialKinds) {
            return blank;
        }
        return {Table::Special, cell.SpecialNum};
    }
    if (cell.Pic < 0 || cell.Pic > kColours) {
        return blank;
    }
    return {cell.IsBomb ? Table::Bomb : Table::Piece, cell.Pic};
}

TCell ContentOf(const CellPicture& picture) {
    switch (picture.table) {
        case CellPicture::Table::Special:
            return MakeSpecial(picture.index);
        case CellPicture::Table::Bomb:
            return MakeBomb(picture.index);
        case CellPicture::Table::Piece:
            break;
    }
    return MakePiece(picture.index);
}

bool ShowsWhatItHolds(const TCell& cell) {
    TCell content;
    CopyContent(content, cell);
    return SameContent(content, ContentOf(PictureOf(content)));
}

}  // namespace zorvane
