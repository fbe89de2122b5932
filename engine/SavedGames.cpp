// Saving the running game and opening a saved one over it.

#include "engine/Game.h"

namespace zorvane {

SavedGame Game::CurrentSavedGame() const {
    SavedGame game;
    game.NumRows = numRows_;
    game.Score = Score;
    game.Level = Level;
    game.RowsDone = RowsDone;
    game.ClearedCount = ClearedCount;
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kMaxRows; ++row) {
            const TCell& cell = Board[col][row];
            game.Cells[col][row] = {cell.Pic, cell.IsBomb, cell.IsSpecial, cell.SpecialNum};
        }
    }
    return game;
}

bool Game::SaveGameTo(const std::string& path) {
    StopClock();
    const FileResult result = WriteSavedGame(path, CurrentSavedGame());
    if (!result.ok) {
        ReportFileError(path, result);
    }
    ResumeClockAfterDialog();
    return result.ok;
}

bool Game::LoadGameFrom(const std::string& path) {
    // A move or tick in progress would carry on over the loaded board.
    if (!EngineIdle) {
        return false;
    }
    StopClock();
    std::vector<std::string> lines;
    // A file with no saved-game line at all is refused before anything
    // changes, the score included.
    const FileResult result = ReadSavedGameLines(path, lines);
    if (!result.ok) {
        ReportFileError(path, result);
        ResumeClockAfterDialog();
        return false;
    }
    ResetScore();
    ApplySavedGameLines(lines, *this);
    // The snapshot and the preview strip belong to the game before the load:
    // the row feed starts afresh, or the old game's pieces would be pushed
    // into this one within seconds.
    UndoAllowed = false;
    ClearAux();
    // The file keeps it: nothing is lost until the player plays on.
    inProgress_ = false;
    ResumeClockAfterDialog();
    host_.GameBegun();
    host_.StateChanged();
    return true;
}

bool Game::ResumeGameFrom(const std::string& path) {
    if (!LoadGameFrom(path)) {
        return false;
    }
    inProgress_ = true;
    return true;
}

// The counters are held within bounds the rules can count on; a score
// below zero cannot come from play.
void Game::LoadScore(std::int32_t score) {
    SetScore(score < 0 ? 0 : score);
}

void Game::LoadLevel(std::int32_t level) {
    SetLevel(BoundedLevel(level));
    host_.SetClockInterval(SpeedForLevel(Level));
}

void Game::LoadClearedCount(std::int32_t count) {
    ClearedCount = BoundedCount(count);
}

void Game::LoadRowsDone(std::int32_t rows) {
    RowsDone = BoundedCount(rows);
    ShowProgress();
}

void Game::LoadCell(int col, int row, const SavedCell& cell) {
    if (col < 0 || col >= kColumns || row < 0 || row >= kMaxRows) {
        return;
    }
    TCell loaded;
    loaded.Pic = cell.Pic;
    loaded.IsBomb = cell.IsBomb;
    loaded.IsSpecial = cell.IsSpecial;
    loaded.SpecialNum = cell.SpecialNum;
    // Values that make no cell the game could show would be an invisible
    // obstacle or a piece that acts unlike its picture: the cell loads empty.
    CopyContent(Board[col][row], ShowsWhatItHolds(loaded) ? loaded : TCell{});
}

}  // namespace zorvane
