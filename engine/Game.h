#pragma once
// The rules of play: the board and its state, moves, bombs and special
// pieces, the row feed and the game clock's tick, levels and game flow.
// Pure C++: the platform is reached only through GameHost.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Cell.h"
#include "engine/GameHost.h"
#include "engine/Levels.h"
#include "engine/Random.h"
#include "engine/StatusPanel.h"
#include "persistence/HighScores.h"
#include "persistence/SavedGameFile.h"
#include "persistence/Settings.h"
#include "persistence/TextFile.h"

namespace zorvane {

// Who clicked: a board cell (with its tag row x 10 + col) or the lowest
// score digit, which shares the board's click handler but is not a move.
struct ClickSender {
    bool BoardCell = true;
    int Tag = 0;
};

// A board cell by row (0 at the bottom) and column.
struct CellPos {
    int row = 0;
    int col = 0;
    auto operator<=>(const CellPos&) const = default;
};

class Game : private SavedGameSink {
  public:
    // `settings`, `host`, `random` and `scores` must outlive the game. A
    // NumRows other than 9, 12 or 16 runs as 9.
    Game(Settings& settings, GameHost& host, RandomSource& random, HighScoreTable& scores);

    // The start-up of the first activation: counters, speed table, clock
    // started then paused, starting rows filled.
    void StartUp();

    // Board model.
    // Fills rows StartRows-1 .. 0 with new pieces (never beyond the board,
    // none for a StartRows below 1); from level 2 a piece may be a colour
    // bomb. Assumes the rows are empty.
    void SetupBoard();
    // Tag row x 10 + col into row and column.
    static void DecodeTag(int tag, int& row, int& col);
    // True when no cell of the running board is occupied.
    bool BoardClear() const;
    // The one level of undo: the four fields of every cell and the score.
    void CopyBoardtoSnap();
    void CopySnaptoBoard();

    // Moves.
    // The click handler: ignored while the engine is busy or for the score
    // digit; otherwise a group move, a bomb or special, or a bad move, then
    // the board-cleared bonus when that move removed the last pieces.
    void Num1Click(const ClickSender& sender);
    // The cells a click on (row, col) would remove now, computed without
    // changing anything: the touching group of three or more, a colour
    // bomb's colour, a black bomb's square, a special's pattern (a special
    // that then falls into the cell fires after it, on the next board). Empty
    // for a bad move or a cell off the board. Sorted by row, then column.
    std::vector<CellPos> CellsAClickWouldTake(int row, int col) const;
    // Recomputes the same-colour marks of every cell and clears Exploded.
    void AnalyzeBoard();
    // Whether the cell belongs to a touching group of three or more.
    bool IsGoodMove(int row, int col);
    // Removes the group of the cell, 10 points a cell; the fall comes later.
    void ExplodePiece(int row, int col);
    // Adds and shows the group bonus for the cells this move removed.
    void FindBonus();
    void SetBonus(std::int64_t n);
    // The fall into removed cells, then empty columns close to the left.
    void ShufflePieces();

    // Bombs and special pieces: each removes cells with ExplodeOne, which
    // scores 10 every time it is applied and leaves the bomb flags for the
    // fall.
    void ExplodeOne(int col, int row);
    void ExplodeAll(int colour);
    void ExplodeBlack(int row, int col);
    void ExplodeArea(int row, int col);
    void ExplodeRow(int row);
    void ExplodeColumn(int col);

    // Row feed, clock and levels.
    // One clock tick: fills one preview slot, or pushes the full strip in
    // (ending the game or raising the level when due). Dropped while busy.
    void DXTimer1Timer();
    // A coloured piece (Pic != 0) stands in the top row.
    bool TopTouching() const;
    // Pushes the board up one row and moves the strip in as row 0.
    void ShiftUp();
    void ClearAux();
    // The next level: faster clock, fresh starting rows, empty strip.
    void LevelUp();
    void SetLevel(std::int32_t n);
    void PlaceSpecial(int kind);

    // Game flow.
    // A new game at level 1, paused; refused while the engine is busy.
    void NewSubMenuClick();
    // Stops a running clock (paused) or starts a stopped one. Pressed while
    // a move or push runs, it pauses when that ends; a second press during
    // the same move takes it back.
    void BtnPauseClick();
    // Restores the snapshot once, while allowed; a paused game stays paused.
    void UndoSubMenuClick();
    // The end of a lost game: message, high-score entry, play again or close.
    void GameOver();

    // Score display: SetScore shows the eight lowest digits and stores the
    // score (saturating at the 32-bit range); ResetScore blanks the digits
    // and shows 0.
    void SetScore(std::int64_t n);
    void ResetScore();

    // Modal commands stop the clock while their window is open and restart
    // it afterwards only when the game is not paused.
    void StopClockForDialog();
    void ResumeClockAfterDialog();

    // Writes the high-score table's pending changes to ScoresPath, making
    // its folder first; a failure is shown once and the changes stay pending.
    void SaveHighScores();
    // The same as the game quits: when changes are still pending and cannot
    // be written, one message names each of them and the file.
    void SaveHighScoresAtQuit();

    // Saved games; a file that cannot be written or read is reported in a
    // message box and the game goes on unchanged.
    SavedGame CurrentSavedGame() const;
    bool SaveGameTo(const std::string& path);
    bool LoadGameFrom(const std::string& path);

    // The level progress shown in the three progress displays.
    void ShowProgress();

    int NumRows() const { return numRows_; }
    // Where the high-score table is written after each change (its folder
    // is made when missing); empty keeps it in memory only.
    std::string ScoresPath;

    // Game state, named as the rules name it.
    CellGrid Board{};
    AuxRow Aux{};
    std::int32_t AuxCount = 0;
    CellGrid Snap{};
    std::int32_t SnapScore = 0;
    std::int32_t Score = 0;
    std::int32_t Level = 1;
    std::int32_t RowsDone = 0;
    std::int32_t ClearedCount = 0;
    std::int32_t BoardBonus = 0;
    bool UndoAllowed = false;
    bool EngineIdle = true;
    bool Paused = false;
    StatusPanel Status;

  private:
    // Sounds the effect when its switch is on.
    void Play(Effect effect) {
        if (settings_.EffectOn(effect)) {
            host_.PlayEffect(effect);
        }
    }
    // Move prologue and epilogue around every removal pattern.
    void MovePrologue();
    void MoveEpilogue();
    void FireBombOrSpecial(int row, int col, bool& firedAny);
    void FireSpecialKind(int kind, int row, int col);
    void AwardBoardClearedBonus();
    void ApplyDeferredPause();
    void ResetForNewGame();
    void ResetProgressDisplays();
    void FillNextSlot();
    int DrawPieceColour();
    int ColourFromAbove();
    void StartClock();
    void StopClock();
    bool OnBoard(int row, int col) const;
    void ReportFileError(const std::string& path, const FileResult& result);
    FileResult WriteHighScores();

    void LoadScore(std::int32_t score) override;
    void LoadLevel(std::int32_t level) override;
    void LoadClearedCount(std::int32_t count) override;
    void LoadRowsDone(std::int32_t rows) override;
    void LoadCell(int col, int row, const SavedCell& cell) override;

    Settings& settings_;
    GameHost& host_;
    RandomSource& random_;
    HighScoreTable& scores_;
    int numRows_ = 9;
    bool pauseDeferred_ = false;  // pressed while busy, applied when the move ends
};

}  // namespace zorvane
