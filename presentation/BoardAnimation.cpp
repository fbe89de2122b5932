#include "presentation/BoardAnimation.h"

#include <algorithm>

#include "presentation/BoardPainter.h"

namespace zorvane {

namespace {

bool Alike(const TCell& a, const TCell& b) {
    return PictureOf(a) == PictureOf(b);
}

bool Shown(const TCell& cell) {
    return PictureOf(cell) != CellPicture{};
}

QPointF Point(CellPos cell) {
    return QPointF(cell.col, cell.row);
}

qreal Clamp01(qreal v) {
    return std::clamp<qreal>(v, 0.0, 1.0);
}

}  // namespace

bool SameBoard(const CellGrid& a, const CellGrid& b, int numRows) {
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < numRows; ++row) {
            if (!Alike(a[col][row], b[col][row])) {
                return false;
            }
        }
    }
    return true;
}

std::vector<BoardAnimation> MoveAnimations(const MovePlan& plan, const CellGrid& before,
                                           int numRows) {
    std::vector<BoardAnimation> stages;
    if (numRows < 1 || numRows > kMaxRows) {
        return stages;
    }
    const CellGrid* from = &before;
    for (const MovePlan::Stage& stage : plan.stages) {
        BoardAnimation animation{{}, stage.board, numRows};
        // Whatever neither stays nor is removed was pushed off the board by
        // a closing column: it vanishes too.
        std::array<std::array<bool, kMaxRows>, kColumns> accounted{};
        for (const MovePlan::Way& way : stage.ways) {
            accounted[way.from.col][way.from.row] = true;
            animation.pieces.push_back(
                {way.cell, Point(way.from), Point(way.to), PieceMotion::Kind::Move});
        }
        for (int col = 0; col < kColumns; ++col) {
            for (int row = 0; row < numRows; ++row) {
                const TCell& cell = (*from)[col][row];
                if (!accounted[col][row] && Shown(cell)) {
                    const QPointF here(col, row);
                    animation.pieces.push_back({cell, here, here, PieceMotion::Kind::Vanish});
                }
            }
        }
        stages.push_back(std::move(animation));
        from = &stage.board;
    }
    return stages;
}

std::optional<BoardAnimation> PlanPush(const CellGrid& before, const CellGrid& after, int numRows) {
    if (numRows < 1 || numRows > kMaxRows) {
        return std::nullopt;
    }
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row + 1 < numRows; ++row) {
            if (!Alike(before[col][row], after[col][row + 1])) {
                return std::nullopt;
            }
        }
    }
    BoardAnimation plan{{}, after, numRows};
    for (int col = 0; col < kColumns; ++col) {
        // The top row's pieces go out over the edge on a lost push.
        for (int row = 0; row < numRows; ++row) {
            if (Shown(before[col][row])) {
                plan.pieces.push_back({before[col][row], QPointF(col, row), QPointF(col, row + 1),
                                       PieceMotion::Kind::Move});
            }
        }
        if (Shown(after[col][0])) {
            plan.pieces.push_back(
                {after[col][0], QPointF(col, -1), QPointF(col, 0), PieceMotion::Kind::Move});
        }
    }
    return plan;
}

std::vector<PieceFrame> FrameAt(const BoardAnimation& animation, qreal t) {
    t = Clamp01(t);
    // Removed pieces burst in the first half; the rest fall and slide as
    // they clear, gathering speed as a falling thing does.
    const qreal burst = Clamp01(t / 0.5);
    const qreal travel = Clamp01((t - 0.3) / 0.7);
    const qreal eased = travel * travel;
    std::vector<PieceFrame> frame;
    frame.reserve(animation.pieces.size());
    for (const PieceMotion& piece : animation.pieces) {
        if (piece.kind == PieceMotion::Kind::Vanish) {
            frame.push_back({piece.cell, piece.from, 1.0 - burst, 1.0 + 0.5 * burst});
        } else {
            frame.push_back({piece.cell, piece.from + (piece.to - piece.from) * eased, 1.0, 1.0});
        }
    }
    return frame;
}

void PaintFrame(QPainter& painter, const BoardAnimation& animation, qreal t,
                const PictureTables& pictures) {
    const int numRows = animation.numRows;
    painter.save();
    painter.setClipRect(0, 0, kColumns * kCellPixels, numRows * kCellPixels);
    const qreal half = kCellPixels / 2.0;
    for (const PieceFrame& piece : FrameAt(animation, t)) {
        if (piece.opacity <= 0.0) {
            continue;
        }
        const QPointF centre(piece.at.x() * kCellPixels + half,
                             (numRows - 1 - piece.at.y()) * kCellPixels + half);
        painter.setOpacity(piece.opacity);
        if (piece.scale == 1.0) {
            // Whole pixels: the plain copy, with no resampling.
            painter.drawPixmap((centre - QPointF(half, half)).toPoint(),
                               pictures.PictureFor(piece.cell));
        } else {
            const qreal side = kCellPixels * piece.scale;
            painter.drawPixmap(QRectF(centre - QPointF(side, side) / 2.0, QSizeF(side, side)),
                               pictures.PictureFor(piece.cell), QRectF());
        }
    }
    painter.restore();
}

}  // namespace zorvane
