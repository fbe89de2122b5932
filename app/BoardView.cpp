// The board panel's picture: the cells at rest, or the move just made in
// motion, with the guide's marks over them.

#include "app/BoardGuide.h"
#include "app/MainUnit1.h"
#include "app/MoveMotion.h"
#include "presentation/BoardPainter.h"
#include "presentation/ColorValues.h"

namespace zorvane {

void TMainBoard::Panel1Paint(QPainter& painter) {
    backgroundLayer_.Paint(painter, Panel1->DesignSize(), Panel1->Scale(),
                           ToQColor(settings_.BoardColor), background_, settings_.UseGraphicsBack,
                           settings_.GraphicsType);
    if (!game_) {
        return;
    }
    // Anything else that changed the board (a new game, an undo, a load)
    // ends the motion: it no longer leads to what the board holds.
    if (const BoardAnimation* last = motion_->Last();
        last != nullptr && (last->numRows != game_->NumRows() ||
                            !SameBoard(last->after, game_->State().Board, last->numRows))) {
        motion_->Finish();
    }
    if (const BoardAnimation* plan = motion_->Plan()) {
        PaintFrame(painter, *plan, motion_->Progress(), pictures_);
    } else {
        PaintCells(painter, game_->State().Board, game_->NumRows(), pictures_);
    }
    // The cursor stays where the keys put it while the pieces move.
    guide_->Paint(painter);
}

void TMainBoard::PlayBoardCell(int tag) {
    int row = 0;
    int col = 0;
    Game::DecodeTag(tag, row, col);
    Animated(CellPos{row, col}, [this, tag] { game_->Num1Click({true, tag}); });
}

void TMainBoard::Animated(std::optional<CellPos> clicked, const std::function<void()>& step) {
    motion_->Finish();
    const int rows = game_->NumRows();
    const CellGrid before = game_->State().Board;
    // A click's plan is worked out on the board it is made on, before the
    // move changes it.
    std::optional<MovePlan> plan;
    if (clicked && settings_.Animations) {
        plan = game_->PlanClick(clicked->row, clicked->col);
    }
    const int shown = dialogsShown_;
    step();
    if (!game_ || !settings_.Animations || dialogsShown_ != shown || game_->NumRows() != rows) {
        return;
    }
    if (plan) {
        motion_->Start(MoveAnimations(*plan, before, rows));
    } else if (!clicked) {
        if (std::optional<BoardAnimation> push = PlanPush(before, game_->State().Board, rows)) {
            motion_->Start({std::move(*push)});
        }
    }
    // No outline while the pieces move.
    guide_->Refresh();
}

}  // namespace zorvane
