#pragma once
// Stateless painting of the game state: the board's cells, the preview strip
// and the score digits, each from the engine's values through the picture
// tables.

#include <QPainter>

#include "engine/Cell.h"
#include "engine/StatusPanel.h"
#include "presentation/PictureTables.h"

namespace zorvane {

constexpr int kCellPixels = 40;

// Row numRows-1 touches the top edge, row 0 the bottom edge.
void PaintCells(QPainter& painter, const CellGrid& board, int numRows,
                const PictureTables& pictures);
// The preview cells at (40 * i, 2).
void PaintAux(QPainter& painter, const AuxRow& aux, const PictureTables& pictures);
// Num8 .. Num1 at lefts 12, 28, .. 124 and top 2.
void PaintDigits(QPainter& painter, const StatusPanel& status, const PictureTables& pictures);

// The board cell under a point of the board panel, false outside the board.
bool CellAt(QPoint point, int numRows, int& row, int& col);

}  // namespace zorvane
