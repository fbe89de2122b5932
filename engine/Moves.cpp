// A click on the board: group moves, their scoring, the fall of the pieces
// and the closing of empty columns, and the board-cleared bonus.

#include <string>

#include "engine/Game.h"

namespace zorvane {

void Game::Num1Click(const ClickSender& sender) {
    if (!EngineIdle) {
        return;  // a tick or a move is in progress; the click is dropped
    }
    if (!sender.BoardCell || sender.Tag < 0) {
        return;  // the score digit shares this handler but is not a move
    }
    int row = 0;
    int col = 0;
    DecodeTag(sender.Tag, row, col);
    const MovePlan plan = PlanClick(row, col);
    if (plan.outcome == MovePlan::Outcome::Ignored) {
        return;
    }
    Status.BtnPause = "Pause";
    EngineIdle = false;
    inProgress_ = true;

    if (plan.outcome == MovePlan::Outcome::Bad) {
        Play(Effect::Bad);
        host_.BadMove(row, col);
        host_.StateChanged();
        host_.ProcessMessages();
        StartClock();
    }
    for (const MovePlan::Stage& stage : plan.stages) {
        Play(stage.sound);
        MovePrologue();
        SetScore(static_cast<std::int64_t>(Score) + 10 * static_cast<std::int64_t>(stage.hits));
        FindBonus(stage.bonus);
        ShufflePieces(stage.board);
    }
    // A special of no known kind fires nothing and leaves the game as it was.
    if (plan.outcome != MovePlan::Outcome::Dud) {
        Paused = false;
    }
    // Only a move can earn the bonus: a click on a board that was already
    // empty removes nothing and pays nothing.
    if (plan.outcome == MovePlan::Outcome::Move && BoardClear()) {
        AwardBoardClearedBonus();
    }
    // A click that fired nothing leaves a paused game paused.
    Status.BtnPause = host_.ClockEnabled() ? "Pause" : "Start";
    EngineIdle = true;
    ApplyDeferredPause();
    host_.StateChanged();
}

MovePlan Game::PlanClick(int row, int col) const {
    return zorvane::PlanClick(Board, numRows_, row, col);
}

void Game::MovePrologue() {
    host_.StateChanged();
    host_.ProcessMessages();
    CopyBoardtoSnap();
    UndoAllowed = true;
}

void Game::FindBonus(std::int64_t bonus) {
    if (bonus > 0) {
        SetScore(Score + bonus);
    }
    SetBonus(bonus);
}

void Game::SetBonus(std::int64_t n) {
    Status.ShowBonus(n);
}

void Game::ShufflePieces(const CellGrid& fallen) {
    StopClock();
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kMaxRows; ++row) {
            Board[col][row] = TCell{};
            CopyContent(Board[col][row], fallen[col][row]);
        }
    }
    StartClock();
    host_.StateChanged();
}

void Game::AwardBoardClearedBonus() {
    ClearAux();
    ++ClearedCount;
    if (ClearedCount == 1) {
        BoardBonus = 5000;
    } else {
        const std::int64_t sum = static_cast<std::int64_t>(ClearedCount) * 5000 + BoardBonus;
        BoardBonus = sum > 1000000 ? 1000000 : static_cast<std::int32_t>(sum);
    }
    const GameMessage cleared =
        ClearedCount == 1 ? GameMessage{MessageKind::kBoardCleared, {std::to_string(BoardBonus)}}
                          : GameMessage{MessageKind::kBoardClearedAgain,
                                        {std::to_string(ClearedCount), std::to_string(BoardBonus)}};
    host_.StateChanged();
    host_.ShowGameMessage(cleared);
    SetScore(static_cast<std::int64_t>(Score) + BoardBonus);
    SetBonus(BoardBonus);
    LevelUp();
    ResetProgressDisplays();
}

}  // namespace zorvane
