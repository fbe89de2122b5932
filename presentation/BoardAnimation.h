#pragma once
// A move or push in motion: which pieces vanish, fall, slide or rise, taken
// from the move's plan or from the push, and one frame of that motion
// painted at a point of its run.

#include <QPainter>
#include <QPointF>
#include <optional>
#include <vector>

#include "engine/Cell.h"
#include "engine/MovePlan.h"
#include "presentation/PictureTables.h"

namespace zorvane {

// How long a move or push is shown in motion.
constexpr int kAnimationMs = 150;

// One piece's way: positions in cells, x the column and y the row (row 0 at
// the bottom; -1 and numRows lie just outside the board).
struct PieceMotion {
    enum class Kind { Move, Vanish };
    TCell cell;
    QPointF from;
    QPointF to;
    Kind kind = Kind::Move;
};

struct BoardAnimation {
    std::vector<PieceMotion> pieces;
    CellGrid after{};  // the board the motion ends on
    int numRows = 0;
};

// Each stage of a move in turn: its removed pieces vanish while the rest
// fall and slide to where the plan lands them. `before` is the board the
// move was planned on.
std::vector<BoardAnimation> MoveAnimations(const MovePlan& plan, const CellGrid& before,
                                           int numRows);
// Every piece one row up and a new bottom row rising in. Nothing when the
// second board is not the first pushed up.
std::optional<BoardAnimation> PlanPush(const CellGrid& before, const CellGrid& after, int numRows);

// True when both boards show the same pieces in their lowest numRows rows.
bool SameBoard(const CellGrid& a, const CellGrid& b, int numRows);

// Where a piece is drawn at a point t of the run (0 start, 1 end).
struct PieceFrame {
    TCell cell;
    QPointF at;  // in cells, as PieceMotion
    qreal opacity = 1.0;
    qreal scale = 1.0;
};
std::vector<PieceFrame> FrameAt(const BoardAnimation& animation, qreal t);

// The board's pieces at t, each where FrameAt puts it; an empty cell is
// transparent, so nothing is drawn for it.
void PaintFrame(QPainter& painter, const BoardAnimation& animation, qreal t,
                const PictureTables& pictures);

}  // namespace zorvane
