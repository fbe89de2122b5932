#include "presentation/BoardPainter.h"

namespace zorvane {

void PaintCells(QPainter& painter, const CellGrid& board, int numRows,
                const PictureTables& pictures) {
    for (int row = 0; row < numRows; ++row) {
        const int top = (numRows - 1 - row) * kCellPixels;
        for (int col = 0; col < kColumns; ++col) {
            // An empty cell's picture is transparent: nothing to draw.
            if (PictureOf(board[col][row]) != CellPicture{}) {
                painter.drawPixmap(col * kCellPixels, top, pictures.PictureFor(board[col][row]));
            }
        }
    }
}

void PaintAux(QPainter& painter, const AuxRow& aux, const PictureTables& pictures) {
    for (int i = 0; i < kColumns; ++i) {
        painter.drawPixmap(i * kCellPixels, 2, pictures.PictureFor(aux[i]));
    }
}

void PaintDigits(QPainter& painter, const StatusPanel& status, const PictureTables& pictures) {
    for (int slot = 0; slot < static_cast<int>(status.Digits.size()); ++slot) {
        const int left = 12 + 16 * (7 - slot);  // slot 0 is Num1, the rightmost
        painter.drawPixmap(left, 2, pictures.Digit(status.Digits[slot]));
    }
}

bool CellAt(QPoint point, int numRows, int& row, int& col) {
    if (point.x() < 0 || point.y() < 0) {
        return false;
    }
    col = point.x() / kCellPixels;
    const int fromTop = point.y() / kCellPixels;
    if (col >= kColumns || fromTop >= numRows) {
        return false;
    }
    row = numRows - 1 - fromTop;
    return true;
}

}  // namespace zorvane
