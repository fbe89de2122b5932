// The row feed: one preview slot per clock tick, the push of a full strip
// into the board, the loss at a push, and the climb from level to level.

#include <string>

#include "engine/Game.h"

namespace zorvane {

void Game::DXTimer1Timer() {
    // A late tick still fills one slot; ticks are never caught up.
    if (!EngineIdle) {
        return;
    }
    EngineIdle = false;
    inProgress_ = true;
    if (AuxCount > 9) {
        StopClock();
        // The top row is judged before the push: the shifted board is what
        // the player sees behind the end-of-game dialog.
        const bool lost = TopTouching();
        ShiftUp();
        if (lost) {
            GameOver();
            if (host_.ClockEnabled()) {
                StopClock();
                Status.BtnPause = "Start";
                Paused = true;
            }
            pauseDeferred_ = false;  // the game that ended is paused anyway
            host_.StateChanged();
            return;
        }
        if (RowsDone >= RowsForLevel(Level)) {
            ClearAux();
            host_.StateChanged();
            host_.ShowGameMessage(
                {Level == 20 ? MessageKind::kNextLevelRelief : MessageKind::kNextLevel, {}});
            LevelUp();
            ResetProgressDisplays();
            ApplyDeferredPause();
            host_.StateChanged();
            return;
        }
        AuxCount = 0;
        for (TCell& slot : Aux) {
            EmptyContent(slot);
        }
    }
    FillNextSlot();
    ++AuxCount;
    StartClock();
    EngineIdle = true;
    ApplyDeferredPause();
    host_.StateChanged();
}

void Game::FillNextSlot() {
    const int bombRange = numRows_ == 9 ? 12 : numRows_ == 12 ? 20 : 30;
    const int bombDraw = random_.Random(bombRange);
    // Each special draws only when the conditions before it hold, so the
    // number of draws is part of what a seed reproduces.
    if (Level > 5 && random_.Random(150) == 12) {
        PlaceSpecial(1);
    } else if (Level > 10 && random_.Random(250) == 15) {
        PlaceSpecial(2);
    } else if (Level > 15 && random_.Random(375) == 30) {
        PlaceSpecial(3);
    } else if (Level > 20 && random_.Random(500) == 45) {
        PlaceSpecial(4);
    } else if (ClearedCount >= 1 && Level > 12 && random_.Random(700) == 75) {
        PlaceSpecial(5);
    } else if (ClearedCount >= 3 && Level > 20 && random_.Random(1000) == 150) {
        PlaceSpecial(6);
    } else if (bombDraw == 7) {
        // A bomb of any colour, or black (0).
        CopyContent(Aux[AuxCount], MakeBomb(random_.Random(kColours + 1)));
    } else {
        CopyContent(Aux[AuxCount], MakePiece(DrawPieceColour()));
    }
    // A copied colour can be blank (a black bomb or special to the left).
    if (!IsOccupied(Aux[AuxCount])) {
        CopyContent(Aux[AuxCount], MakePiece(random_.Random(kColours) + 1));
    }
}

int Game::DrawPieceColour() {
    const int copyDraw = random_.Random(10);
    const int drawn = random_.Random(kColours) + 1;
    if (settings_.RandomMode) {
        return drawn;
    }
    const bool hard = Level > 20 || ClearedCount >= 3;
    const bool askAbove = hard ? copyDraw == 3 || (copyDraw == 8 && AuxCount == 0)
                               : copyDraw == 3 || copyDraw == 4 ||
                                     ((copyDraw == 7 || copyDraw == 8) && AuxCount == 0);
    const bool askLeft = hard ? copyDraw == 8 : copyDraw == 7 || copyDraw == 8;
    if (askAbove) {
        return ColourFromAbove();
    }
    if (askLeft) {
        return Aux[AuxCount - 1].Pic;
    }
    return random_.Random(kColours) + 1;
}

int Game::ColourFromAbove() {
    // The bottom cell of the column this slot will enter.
    const TCell& above = Board[AuxCount][0];
    if (IsPlainPiece(above)) {
        return above.Pic;
    }
    return random_.Random(kColours) + 1;
}

void Game::PlaceSpecial(int kind) {
    if (AuxCount >= 0 && AuxCount < kColumns) {
        CopyContent(Aux[AuxCount], MakeSpecial(kind));
    }
}

bool Game::TopTouching() const {
    for (int col = 0; col < kColumns; ++col) {
        if (Board[col][numRows_ - 1].Pic != 0) {
            return true;
        }
    }
    return false;
}

void Game::ShiftUp() {
    Play(Effect::Row);
    host_.StateChanged();
    host_.ProcessMessages();
    UndoAllowed = false;
    for (int row = numRows_ - 1; row >= 1; --row) {
        for (int col = 0; col < kColumns; ++col) {
            CopyContent(Board[col][row], Board[col][row - 1]);
        }
    }
    for (int col = 0; col < kColumns; ++col) {
        CopyContent(Board[col][0], Aux[col]);
    }
    ++RowsDone;
    ShowProgress();
    host_.StateChanged();
}

void Game::ShowProgress() {
    Status.ShowProgress(LevelPercent(RowsDone, Level), RowsDone);
}

void Game::ResetProgressDisplays() {
    RowsDone = 0;
    Status.ShowProgress(0, 0);
}

void Game::ClearAux() {
    for (TCell& slot : Aux) {
        EmptyContent(slot);
    }
    AuxCount = 0;
}

void Game::LevelUp() {
    StopClock();
    EngineIdle = false;
    SetLevel(Level + 1);
    host_.SetClockInterval(SpeedForLevel(Level));
    UndoAllowed = false;
    RowsDone = 0;
    for (int row = 0; row < numRows_; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            EmptyContent(Board[col][row]);
        }
    }
    SetupBoard();
    ClearAux();
    EngineIdle = true;
    StartClock();
}

void Game::SetLevel(std::int32_t n) {
    Level = n;
    Status.ShowLevel(n);
}

}  // namespace zorvane
