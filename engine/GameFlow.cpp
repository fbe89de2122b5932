// The game's outer flow: new game, pause, undo, the end of a game with its
// high-score entry, and the score display.

#include <limits>

#include "engine/Game.h"
#include "persistence/PlayerFiles.h"

namespace zorvane {

void Game::NewSubMenuClick() {
    // Refused while a move or tick is running: one of them has let pending
    // events run and would carry on over a rebuilt board.
    if (!EngineIdle) {
        return;
    }
    ClearedCount = 0;
    BoardBonus = 0;
    ResetForNewGame();
    StopClock();
    Status.BtnPause = "Start";
    Paused = true;
    host_.StateChanged();
}

void Game::ResetForNewGame() {
    inProgress_ = false;
    Level = 0;
    ResetScore();
    ResetProgressDisplays();
    LevelUp();
    host_.GameBegun();
}

void Game::BtnPauseClick() {
    // A move or push has let pending events run; the clock is in flux until
    // it ends, so the press waits for that end.
    if (!EngineIdle) {
        pauseDeferred_ = !pauseDeferred_;
        return;
    }
    // Follows the clock, not Paused: a stopped clock always starts.
    if (host_.ClockEnabled()) {
        StopClock();
        Status.BtnPause = "Start";
        Paused = true;
    } else {
        StartClock();
        Status.BtnPause = "Pause";
        Paused = false;
    }
    host_.StateChanged();
}

void Game::ApplyDeferredPause() {
    if (!pauseDeferred_) {
        return;
    }
    pauseDeferred_ = false;
    // The button read "Pause" while the move ran, so the press pauses; it
    // never starts a clock the move left stopped.
    if (host_.ClockEnabled()) {
        StopClock();
        Status.BtnPause = "Start";
        Paused = true;
    }
}

void Game::UndoSubMenuClick() {
    if (!EngineIdle || !UndoAllowed) {
        return;
    }
    CopySnaptoBoard();
    UndoAllowed = false;
    if (Paused) {
        StopClock();
    }
    host_.StateChanged();
}

void Game::GameOver() {
    // Over from the first message on: a close from here on keeps nothing.
    inProgress_ = false;
    ClearAux();
    host_.StateChanged();
    host_.ShowGameMessage({MessageKind::kGameOver, {}});
    ClearedCount = 0;
    BoardBonus = 0;
    if (scores_.IsHighScore(Score)) {
        const std::string name = host_.AskHighScoreName();
        scores_.InsertScore(name, Score, Level, host_.TodayText());
        SaveHighScores();
        host_.ShowHighScores();
    }
    if (host_.AskGameQuestion({MessageKind::kPlayAgain, {}})) {
        ResetForNewGame();
        host_.StateChanged();
    } else {
        host_.CloseMainWindow();
    }
}

void Game::SetScore(std::int64_t n) {
    // The score is a 32-bit value; it saturates rather than wrapping.
    if (n > std::numeric_limits<std::int32_t>::max()) {
        n = std::numeric_limits<std::int32_t>::max();
    } else if (n < std::numeric_limits<std::int32_t>::min()) {
        n = std::numeric_limits<std::int32_t>::min();
    }
    Status.ShowNumber(n);
    Score = static_cast<std::int32_t>(n);
}

void Game::ResetScore() {
    Status.BlankDigits();
    SetScore(0);
}

void Game::StopClockForDialog() {
    StopClock();
}

void Game::ResumeClockAfterDialog() {
    if (!Paused) {
        StartClock();
    }
}

FileResult Game::WriteHighScores() {
    // The player's data folder is made with the first score kept there.
    FileResult saved = CreateFolderFor(scoresPath_);
    if (saved.ok) {
        saved = scores_.SaveScores(scoresPath_);
    }
    return saved;
}

void Game::SaveHighScores() {
    if (scoresPath_.empty()) {
        return;
    }
    const FileResult saved = WriteHighScores();
    if (!saved.ok) {
        ReportFileError(scoresPath_, saved);
    }
}

void Game::SaveHighScoresAtQuit() {
    const std::vector<std::string> pending = scores_.PendingChanges();
    if (scoresPath_.empty() || pending.empty()) {
        return;
    }
    const FileResult saved = WriteHighScores();
    if (saved.ok) {
        return;
    }
    // The last chance: the player learns exactly what is lost, and where.
    GameMessage lost{MessageKind::kScoresNotSaved, {scoresPath_, saved.reason}};
    lost.args.insert(lost.args.end(), pending.begin(), pending.end());
    host_.ShowGameMessage(lost);
}

void Game::ReportFileError(const std::string& path, const FileResult& result) {
    // A failure reported before has no text: the game goes on as it did then.
    if (!FileErrorText(path, result).empty()) {
        host_.ShowGameMessage({MessageKind::kFileError, {path, result.reason}});
    }
}

}  // namespace zorvane
