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
#include "engine/MovePlan.h"
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

// The game's state, named as the rules name it. The engine alone changes it;
// everyone else reads it through Game::State().
struct GameState {
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
};

class Game : private GameState, private SavedGameSink {
  public:
    // `settings`, `host`, `random` and `scores` must outlive the game; the
    // game reads the settings and never changes them. A NumRows other than
    // 9, 12 or 16 runs as 9.
    Game(const Settings& settings, GameHost& host, RandomSource& random, HighScoreTable& scores);

    // The start-up of the first activation: counters, speed table, clock
    // started then paused, starting rows filled.
    void StartUp();

    // What the player does.
    // The click handler: ignored while the engine is busy or for the score
    // digit; otherwise a group move, a bomb or special, or a bad move, then
    // the board-cleared bonus when that move removed the last pieces.
    void Num1Click(const ClickSender& sender);
    // What a click on (row, col) would do now, worked out without changing
    // anything; the click itself applies the same plan.
    MovePlan PlanClick(int row, int col) const;
    // One clock tick: fills one preview slot, or pushes the full strip in
    // (ending the game or raising the level when due). Dropped while busy.
    void DXTimer1Timer();
    // A new game at level 1, paused; refused while the engine is busy.
    void NewSubMenuClick();
    // Stops a running clock (paused) or starts a stopped one. Pressed while
    // a move or push runs, it pauses when that ends; a second press during
    // the same move takes it back.
    void BtnPauseClick();
    // Restores the snapshot once, while allowed; a paused game stays paused.
    void UndoSubMenuClick();
    // Modal commands stop the clock while their window is open and restart
    // it afterwards only when the game is not paused.
    void StopClockForDialog();
    void ResumeClockAfterDialog();

    // Files. A saved game that cannot be written or read is reported in a
    // message box and the game goes on unchanged. One that opens starts with
    // an empty preview strip and nothing to undo; the clock stays as it was.
    SavedGame CurrentSavedGame() const;
    bool SaveGameTo(const std::string& path);
    bool LoadGameFrom(const std::string& path);
    // The same for the game left at the last close: it is in progress as
    // soon as it opens, so closing again keeps it once more.
    bool ResumeGameFrom(const std::string& path);
    // Whether closing now would throw play away: a move or a clock tick has
    // come since the game started (at start-up, New Game, Play Again or Open
    // Game), and it is not over. Paused or not.
    bool InProgress() const { return inProgress_; }
    // Where the high-score table is written after each change (its folder
    // is made when missing); empty keeps it in memory only.
    void SetScoresPath(std::string path) { scoresPath_ = std::move(path); }
    // Writes the high-score table's pending changes, making its folder
    // first; a failure is shown once and the changes stay pending.
    void SaveHighScores();
    // The same as the game quits: when changes are still pending and cannot
    // be written, one message names each of them and the file.
    void SaveHighScoresAtQuit();

    // Arranging a position, as a script or a test sets one up; each change
    // shows as the game's own would.
    // The cells of the running board's rows; the rows above stay empty.
    void ArrangeBoard(const CellGrid& board);
    // The preview strip: its slots and how many of them are filled.
    void ArrangeAux(const AuxRow& strip, std::int32_t count);
    // The level and its caption (the clock's speed is the caller's).
    void SetLevel(std::int32_t n);
    // SetScore shows the eight lowest digits and stores the score
    // (saturating at the 32-bit range); ArrangeScore first blanks the digits.
    void SetScore(std::int64_t n);
    void ArrangeScore(std::int64_t n);
    void ArrangeRowsDone(std::int32_t rows);
    void ArrangeClearedCount(std::int32_t count);

    // What the window, the tools and the tests read.
    const GameState& State() const { return *this; }
    int NumRows() const { return numRows_; }
    // Tag row x 10 + col into row and column.
    static void DecodeTag(int tag, int& row, int& col);

  private:
    // Fills rows StartRows-1 .. 0 with new pieces (never beyond the board,
    // none for a StartRows below 1); from level 2 a piece may be a colour
    // bomb. Assumes the rows are empty.
    void SetupBoard();
    // True when no cell of the running board is occupied.
    bool BoardClear() const;
    // The one level of undo: the four fields of every cell and the score.
    void CopyBoardtoSnap();
    void CopySnaptoBoard();
    // A coloured piece (Pic != 0) stands in the top row.
    bool TopTouching() const;
    // Pushes the board up one row and moves the strip in as row 0.
    void ShiftUp();
    void ClearAux();
    // The next level: faster clock, fresh starting rows, empty strip.
    void LevelUp();
    void PlaceSpecial(int kind);
    // The end of a lost game: message, high-score entry, play again or close.
    void GameOver();
    // Blanks the score digits and shows 0.
    void ResetScore();
    void SetBonus(std::int64_t n);
    // The level progress shown in the three progress displays.
    void ShowProgress();
    // Sounds the effect when its switch is on.
    void Play(Effect effect) {
        if (settings_.EffectOn(effect)) {
            host_.PlayEffect(effect);
        }
    }
    // Before every stage of a move: the board shown, the undo snapshot.
    void MovePrologue();
    // Adds and shows the group bonus a stage earned.
    void FindBonus(std::int64_t bonus);
    // The board after a stage's fall and the closing of columns.
    void ShufflePieces(const CellGrid& fallen);
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

    const Settings& settings_;
    GameHost& host_;
    RandomSource& random_;
    HighScoreTable& scores_;
    std::string scoresPath_;
    int numRows_ = 9;
    bool pauseDeferred_ = false;  // pressed while busy, applied when the move ends
    bool inProgress_ = false;
};

}  // namespace zorvane
