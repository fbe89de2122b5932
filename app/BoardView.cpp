// The board panel's picture: the cells at rest, or the move just made in
// motion, with the guide's marks over them.

#include "app/BoardGuide.h"
#include "app/MainUnit1.h"
#include "app/MoveMotion.h"
#include "presentation/BoardPainter.h"
#include "presentation/ColorValues.h"

namespace zorvane {

void TMainBoard::Panel1Paint(QPainter& painter) {
    PaintBackground(painter, Panel1->size(), ToQColor(settings_.BoardColor), background_,
                    settings_.UseGraphicsBack, settings_.GraphicsType);
    if (!game_) {
        return;
    }
    const BoardAnimation* plan = motion_->Plan();
    // Anything else that changed the board (a new game, an undo, a load)
    // ends the motion: it no longer leads to what the board holds.
    if (plan != nullptr && (plan->numRows != game_->NumRows() ||
                            !SameBoard(plan->after, game_->Board, plan->numRows))) {
        motion_->Finish();
        plan = nullptr;
    }
    if (plan != nullptr) {
        PaintFrame(painter, *plan, motion_->Progress(), pictures_);
    } else {
        PaintCells(painter, game_->Board, game_->NumRows(), pictures_);
    }
    // The cursor stays where the keys put it while the pieces move.
    guide_->Paint(painter);
}

void TMainBoard::Animated(bool push, const std::function<void()>& step) {
    motion_->Finish();
    const int rows = game_->NumRows();
    const CellGrid before = game_->Board;
    const int shown = dialogsShown_;
    step();
    if (!game_ || !settings_.Animations || dialogsShown_ != shown || game_->NumRows() != rows) {
        return;
    }
    std::optional<BoardAnimation> plan =
        push ? PlanPush(before, game_->Board, rows) : PlanMove(before, game_->Board, rows);
    if (plan) {
        motion_->Start(std::move(*plan));
    }
}

}  // namespace zorvane
