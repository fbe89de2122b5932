#include "presentation/BoardMarks.h"

#include <algorithm>
#include <cmath>

#include "presentation/BoardPainter.h"

namespace zorvane {

namespace {

// How deep the cursor's frame reaches into its cell, in design pixels: the
// piece pictures keep their first pixel or two clear, so the frame takes no
// more than the very edge of a shape or the tip of a fuse.
constexpr int kCursorDepth = 3;

}  // namespace

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
    const QTransform toDevice = painter.transform();
    const QRectF at = toDevice.mapRect(QRectF(CellRect(cell, numRows)));
    const QRect r(QPoint(qRound(at.left()), qRound(at.top())),
                  QPoint(qRound(at.right()) - 1, qRound(at.bottom()) - 1));
    // The frame's depth in whole device pixels, never deeper than its design
    // depth: black edges, and white between them taking what is left over.
    const int depth =
        std::max(kCursorDepth, static_cast<int>(std::floor(kCursorDepth * toDevice.m11() + 1e-9)));
    const int edge = depth / kCursorDepth;
    const struct {
        int from;
        int to;
        QColor colour;
    } rings[] = {
        {0, edge, Qt::black}, {edge, depth - edge, Qt::white}, {depth - edge, depth, Qt::black}};
    painter.save();
    painter.resetTransform();
    for (const auto& ring : rings) {
        const QRect outer = r.adjusted(ring.from, ring.from, -ring.from, -ring.from);
        const QRect inner = r.adjusted(ring.to, ring.to, -ring.to, -ring.to);
        for (const QRect& part : QRegion(outer).subtracted(QRegion(inner))) {
            painter.fillRect(part, ring.colour);
        }
    }
    painter.restore();
}

QRect CursorClearArea(CellPos cell, int numRows) {
    return CellRect(cell, numRows)
        .adjusted(kCursorDepth, kCursorDepth, -kCursorDepth, -kCursorDepth);
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
