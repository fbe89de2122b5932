#pragma once
// The marks drawn over the board's cells: the outline of the cells a click
// would take, the keyboard cursor and the flash of a bad move. Each stays
// inside the rectangles of its cells, so repainting those cells redraws it.

#include <QPainter>
#include <QRect>
#include <vector>

#include "engine/Game.h"

namespace zorvane {

// The board cell's rectangle in the board panel.
QRect CellRect(CellPos cell, int numRows);

// A white band with black edges along the border of the group, over a light
// wash, so it shows on every piece colour and board colour.
void PaintTakeOutline(QPainter& painter, const std::vector<CellPos>& cells, int numRows);
// A thin black, white and black frame in the cell's outermost design pixels,
// where the pictures leave their margin, so the piece, fuse and all, shows
// as it is. Its rings are whole device pixels, sharp at any scale.
void PaintCursor(QPainter& painter, CellPos cell, int numRows);
// The part of the cursor's cell its frame leaves clear; the other marks keep
// out of it.
QRect CursorClearArea(CellPos cell, int numRows);
// A red frame and wash of the given strength, 0 (gone) to 1.
void PaintBadMoveFlash(QPainter& painter, CellPos cell, int numRows, qreal strength);

}  // namespace zorvane
