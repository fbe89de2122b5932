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
// A thick black, white and black frame with corner ticks, unlike the outline.
void PaintCursor(QPainter& painter, CellPos cell, int numRows);
// A red frame and wash of the given strength, 0 (gone) to 1.
void PaintBadMoveFlash(QPainter& painter, CellPos cell, int numRows, qreal strength);

}  // namespace zorvane
