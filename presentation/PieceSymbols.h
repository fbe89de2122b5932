#pragma once
// The symbols that tell the six colour slots apart by outline as well as by
// colour: ring, triangle, square, plus, cross and star. On a piece a symbol
// is dark with a light edge, so it reads on every piece colour; on a colour
// bomb it is light on a dark badge, so a bomb never passes for a special
// piece, whose sign is dark on a light body.

#include <QPainterPath>
#include <QPixmap>

namespace zorvane {

// A star of `points` points around `centre`, its corners alternating between
// the outer and the inner radius (a regular polygon when `inner` is 0), the
// first corner pointing up, turned clockwise by `turnDegrees`. The game's
// pictures and the symbols drawn over them share it.
QPainterPath StarPath(QPointF centre, int points, qreal outer, qreal inner, qreal turnDegrees = 0);

// The symbol of colour slot 1..6 (any other slot has none) fitting a circle
// of `radius` around `centre`.
QPainterPath SymbolPath(int slot, QPointF centre, qreal radius);

// Where a symbol sits on a piece and how large it is, in the picture's
// logical 40 x 40 units, by shape letter A..D.
struct SymbolPlace {
    QPointF centre;
    qreal radius = 0;
};
SymbolPlace PieceSymbolPlace(QChar shape);

// A piece or bomb picture with the slot's symbol painted over it, drawn as
// vectors at the picture's own pixel ratio so it stays sharp on high-DPI
// screens.
QPixmap WithSymbol(const QPixmap& piece, int slot, SymbolPlace place);
QPixmap BombWithSymbol(const QPixmap& bomb, int slot);

}  // namespace zorvane
