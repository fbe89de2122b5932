#include "presentation/BoardMarks.h"

#include <algorithm>

#include "presentation/BoardPainter.h"

namespace zorvane {

QRect CellRect(CellPos cell, int numRows) {
    return {cell.col * kCellPixels, (numRows - 1 - cell.row) * kCellPixels, kCellPixels,
            kCellPixels};
}

void PaintTakeOutline(QPainter& painter, const std::vector<CellPos>& cells, int numRows) {
    if (cells.empty()) {
        return;
    }
    auto inGroup = [&](int row, int col) {
        return std::binary_search(cells.begin(), cells.end(), CellPos{row, col});
    };
    painter.save();
    for (const CellPos cell : cells) {
        painter.fillRect(CellRect(cell, numRows), QColor(255, 255, 255, 70));
    }
    // Each side of a cell that borders a cell outside the group gets a band
    // 5 pixels deep: black, three of white, black.
    auto band = [&](const QColor& colour, int from, int depth) {
        for (const CellPos cell : cells) {
            const QRect r = CellRect(cell, numRows);
            if (!inGroup(cell.row + 1, cell.col)) {
                painter.fillRect(r.left(), r.top() + from, r.width(), depth, colour);
            }
            if (!inGroup(cell.row - 1, cell.col)) {
                painter.fillRect(r.left(), r.bottom() - from - depth + 1, r.width(), depth, colour);
            }
            if (!inGroup(cell.row, cell.col - 1)) {
                painter.fillRect(r.left() + from, r.top(), depth, r.height(), colour);
            }
            if (!inGroup(cell.row, cell.col + 1)) {
                painter.fillRect(r.right() - from - depth + 1, r.top(), depth, r.height(), colour);
            }
        }
    };
    band(Qt::black, 0, 5);
    band(Qt::white, 1, 3);
    painter.restore();
}

void PaintCursor(QPainter& painter, CellPos cell, int numRows) {
    const QRect r = CellRect(cell, numRows);
    painter.save();
    painter.setPen(Qt::NoPen);
    // Rings from the outside in: 2 black, 3 white, 2 black.
    const struct {
        int inset;
        int width;
        QColor colour;
    } rings[] = {{0, 7, Qt::black}, {2, 3, Qt::white}};
    for (const auto& ring : rings) {
        const QRect outer = r.adjusted(ring.inset, ring.inset, -ring.inset, -ring.inset);
        const QRect inner = outer.adjusted(ring.width, ring.width, -ring.width, -ring.width);
        QRegion frame = QRegion(outer).subtracted(QRegion(inner));
        for (const QRect& part : frame) {
            painter.fillRect(part, ring.colour);
        }
    }
    // Corner ticks pointing inwards tell the cursor from a group's outline.
    const int tick = 12;
    for (const QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
        const int dx = corner.x() == r.left() ? 1 : -1;
        const int dy = corner.y() == r.top() ? 1 : -1;
        const QPoint at = corner + QPoint(7 * dx, 7 * dy);
        painter.fillRect(QRect(at, at + QPoint(dx * (tick - 1), dy * 2)).normalized(), Qt::black);
        painter.fillRect(QRect(at, at + QPoint(dx * 2, dy * (tick - 1))).normalized(), Qt::black);
    }
    painter.restore();
}

void PaintBadMoveFlash(QPainter& painter, CellPos cell, int numRows, qreal strength) {
    strength = std::clamp(strength, 0.0, 1.0);
    if (strength <= 0.0) {
        return;
    }
    const QRect r = CellRect(cell, numRows);
    painter.save();
    painter.setOpacity(strength);
    painter.fillRect(r, QColor(255, 0, 0, 110));
    QRegion frame = QRegion(r).subtracted(QRegion(r.adjusted(4, 4, -4, -4)));
    for (const QRect& part : frame) {
        painter.fillRect(part, QColor(255, 0, 0));
    }
    painter.restore();
}

}  // namespace zorvane
