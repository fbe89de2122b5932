#include "presentation/BoardAnimation.h"

#include <algorithm>

#include "presentation/BoardPainter.h"

namespace zorvane {

namespace {

struct Placed {
    int row;
    TCell cell;
};

bool Alike(const TCell& a, const TCell& b) {
    return PictureOf(a) == PictureOf(b);
}

bool Shown(const TCell& cell) {
    return PictureOf(cell) != CellPicture{};
}

std::vector<Placed> Column(const CellGrid& grid, int col, int numRows) {
    std::vector<Placed> pieces;
    for (int row = 0; row < numRows; ++row) {
        if (Shown(grid[col][row])) {
            pieces.push_back({row, grid[col][row]});
        }
    }
    return pieces;
}

// Which of `from`'s pieces stay to make `kept`, lowest first; nothing when
// `kept` is not what is left of `from`.
std::optional<std::vector<std::size_t>> Kept(const std::vector<Placed>& from,
                                             const std::vector<Placed>& kept) {
    std::vector<std::size_t> picks;
    std::size_t at = 0;
    for (const Placed& piece : kept) {
        while (at < from.size() && !Alike(from[at].cell, piece.cell)) {
            ++at;
        }
        if (at == from.size()) {
            return std::nullopt;
        }
        picks.push_back(at++);
    }
    return picks;
}

using Columns = std::vector<std::vector<Placed>>;

// Assigns each after-column from `next` on to a before-column to its right
// of the last one used; `source[j]` is the before-column of after-column j.
bool Assign(const Columns& before, const Columns& after, std::size_t next, std::size_t from,
            std::vector<std::size_t>& source) {
    if (next == after.size()) {
        return true;
    }
    if (after[next].empty()) {
        source[next] = before.size();  // stays empty
        return Assign(before, after, next + 1, from, source);
    }
    for (std::size_t col = from; col < before.size(); ++col) {
        if (Kept(before[col], after[next]) && Assign(before, after, next + 1, col + 1, source)) {
            source[next] = col;
            return true;
        }
    }
    return false;
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

std::optional<BoardAnimation> PlanMove(const CellGrid& before, const CellGrid& after, int numRows) {
    if (numRows < 1 || numRows > kMaxRows || SameBoard(before, after, numRows)) {
        return std::nullopt;
    }
    Columns was(kColumns);
    Columns is(kColumns);
    for (int col = 0; col < kColumns; ++col) {
        was[col] = Column(before, col, numRows);
        is[col] = Column(after, col, numRows);
    }
    std::vector<std::size_t> source(kColumns, kColumns);
    if (!Assign(was, is, 0, 0, source)) {
        return std::nullopt;
    }
    BoardAnimation plan{{}, after, numRows};
    std::vector<std::vector<bool>> stays(kColumns);
    for (int col = 0; col < kColumns; ++col) {
        stays[col].assign(was[col].size(), false);
    }
    for (int col = 0; col < kColumns; ++col) {
        if (source[col] == kColumns) {
            continue;
        }
        const std::vector<Placed>& origin = was[source[col]];
        const std::vector<std::size_t> picks = *Kept(origin, is[col]);
        for (std::size_t i = 0; i < picks.size(); ++i) {
            stays[source[col]][picks[i]] = true;
            plan.pieces.push_back({origin[picks[i]].cell,
                                   QPointF(static_cast<qreal>(source[col]), origin[picks[i]].row),
                                   QPointF(col, is[col][i].row), PieceMotion::Kind::Move});
        }
    }
    for (int col = 0; col < kColumns; ++col) {
        for (std::size_t i = 0; i < was[col].size(); ++i) {
            if (!stays[col][i]) {
                const QPointF here(col, was[col][i].row);
                plan.pieces.push_back({was[col][i].cell, here, here, PieceMotion::Kind::Vanish});
            }
        }
    }
    return plan;
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
    const QPixmap& blank = pictures.PictureFor(TCell{});
    for (int row = 0; row < numRows; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            painter.drawPixmap(col * kCellPixels, row * kCellPixels, blank);
        }
    }
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
