#include "engine/CellText.h"

namespace zorvane {

std::optional<TCell> CellFromChar(char c) {
    if (c == '.') {
        return TCell{};
    }
    if (c >= '1' && c < '1' + kColours) {
        return MakePiece(c - '0');
    }
    if (c >= 'a' && c < 'a' + kColours) {
        return MakeBomb(c - 'a' + 1);
    }
    if (c == 'k') {
        return MakeBomb(0);
    }
    if (c >= 'A' && c < 'A' + kSpecialKinds) {
        return MakeSpecial(c - 'A' + 1);
    }
    return std::nullopt;
}

char CharFromCell(const TCell& cell) {
    if (cell.IsBomb && cell.IsSpecial) {
        return cell.SpecialNum >= 1 && cell.SpecialNum <= kSpecialKinds && cell.Pic == 0
                   ? static_cast<char>('A' + cell.SpecialNum - 1)
                   : '?';
    }
    if (cell.IsSpecial || cell.Pic < 0 || cell.Pic > kColours) {
        return '?';
    }
    if (cell.IsBomb) {
        return cell.Pic == 0 ? 'k' : static_cast<char>('a' + cell.Pic - 1);
    }
    return cell.Pic == 0 ? '.' : static_cast<char>('0' + cell.Pic);
}

}  // namespace zorvane
