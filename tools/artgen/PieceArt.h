#pragma once
// The four piece shapes, drawn into a 40 x 40 cell in the painter's current
// coordinates (the caller scales for @2x, the logo and the icon).

#include <QPainter>
#include <QPainterPath>

#include "tools/artgen/ArtPalette.h"

namespace zorvane::art {

inline constexpr int kCellSize = 40;

// The shape letters A (circle), B (rounded square), C (diamond), D (star).
inline constexpr char kShapeLetters[] = {'A', 'B', 'C', 'D'};

// The outline of a shape whose outer size is 2 * radius, centred on centre.
QPainterPath ShapePath(char shape, QPointF centre, qreal radius);

// The edge of every piece and bomb: a dark line outside `outline` and a
// light band about a pixel wide just inside it. On a dark board the band
// marks the edge, on a light one the line does, so every picture stands out
// from any board colour. outlineWidth is the line's width inside and out.
void DrawOutline(QPainter& p, const QPainterPath& outline, qreal outlineWidth);

// A piece filling the cell at (0, 0) .. (40, 40) with a small margin.
// outlineWidth is in the painter's units; pieces drawn small (the icon) pass
// a wider one so the outline survives the scaling.
// Without the inner mark, the piece leaves its middle to the slot's symbol.
void DrawPiece(QPainter& p, char shape, const PieceColour& colour, qreal outlineWidth = 1.6,
               bool innerMark = true);

}  // namespace zorvane::art
