#include "tools/artgen/ArtCatalogue.h"

#include <QPaintDevice>

#include "engine/Cell.h"
#include "tools/artgen/ArtPalette.h"
#include "tools/artgen/BombArt.h"
#include "tools/artgen/DigitArt.h"
#include "tools/artgen/LogoArt.h"
#include "tools/artgen/PieceArt.h"

namespace zorvane::art {

std::vector<Picture> Pictures() {
    const QSize cell(kCellSize, kCellSize);
    const QSize digit(kDigitWidth, kDigitHeight);
    std::vector<Picture> list;
    for (char shape : kShapeLetters) {
        for (int c = 1; c <= kColourCount; ++c) {
            list.push_back({QString("%1%2").arg(shape).arg(c), cell,
                            [shape, c](QPainter& p) { DrawPiece(p, shape, ColourOf(c)); }});
            // Shown with symbols on: the symbol takes the inner mark's place.
            list.push_back({QString("%1%2P").arg(shape).arg(c), cell, [shape, c](QPainter& p) {
                                DrawPiece(p, shape, ColourOf(c), 1.6, false);
                            }});
        }
    }
    list.push_back({"B0", cell, nullptr});
    list.push_back({"BO0", cell, [](QPainter& p) { DrawBlackBomb(p); }});
    for (int c = 1; c <= kColourCount; ++c) {
        list.push_back(
            {QString("BO%1").arg(c), cell, [c](QPainter& p) { DrawColourBomb(p, ColourOf(c)); }});
    }
    for (int kind = 1; kind <= kSpecialKinds; ++kind) {
        list.push_back(
            {QString("S%1").arg(kind), cell, [kind](QPainter& p) { DrawSpecial(p, kind); }});
    }
    for (int d = 0; d <= 9; ++d) {
        list.push_back({QString("N%1").arg(d), digit, [d](QPainter& p) { DrawDigit(p, d); }});
    }
    list.push_back({"NB", digit, nullptr});
    list.push_back({"LOGO", QSize(kLogoWidth, kLogoHeight), [](QPainter& p) { DrawLogo(p); }});
    // The window icon at 64 (128 for @2x); its outlines follow the image's
    // real pixel size.
    list.push_back({"ICON", QSize(64, 64), [](QPainter& p) { DrawIcon(p, p.device()->width()); }});
    return list;
}

std::vector<int> IconSizes() {
    return {16, 24, 32, 48, 64, 128, 256};
}

}  // namespace zorvane::art
