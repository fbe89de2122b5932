#pragma once
// Saved games (".SAV"): the counters and one five-line block per cell.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "persistence/TextFile.h"

namespace zorvane {

constexpr int kSavedColumns = 10;
constexpr int kSavedRows = 16;

struct SavedCell {
    std::int32_t Pic = 0;
    bool IsBomb = false;
    bool IsSpecial = false;
    std::int32_t SpecialNum = 0;

    friend bool operator==(const SavedCell&, const SavedCell&) = default;
};

struct SavedGame {
    std::int32_t NumRows = 9;
    std::int32_t Score = 0;
    std::int32_t Level = 1;
    std::int32_t RowsDone = 0;
    std::int32_t ClearedCount = 0;
    std::array<std::array<SavedCell, kSavedRows>, kSavedColumns> Cells{};  // [col][row]
};

// Receives what a saved game holds, line by line in file order, so that each
// value acts with the state the lines before it left (the percentage of a
// "RowsDone" line uses the level then in force).
class SavedGameSink {
  public:
    virtual ~SavedGameSink() = default;
    virtual void LoadScore(std::int32_t score) = 0;
    virtual void LoadLevel(std::int32_t level) = 0;  // never below 1
    virtual void LoadClearedCount(std::int32_t count) = 0;
    virtual void LoadRowsDone(std::int32_t rows) = 0;
    // Only cells inside the 10 x 16 grid, with the four values as read: the
    // game decides which of them make a cell it can show.
    virtual void LoadCell(int col, int row, const SavedCell& cell) = 0;
};

// Header, five counters, then NumRows x 10 cell blocks, bottom row first.
std::vector<std::string> SavedGameLines(const SavedGame& game);
FileResult WriteSavedGame(const std::string& path, const SavedGame& game);

void ApplySavedGameLines(const std::vector<std::string>& lines, SavedGameSink& sink);

// Whether any line is one a saved game is made of: a counter key or a cell
// header. Comments, empty lines and unknown keys are not.
bool HoldsSavedGame(const std::vector<std::string>& lines);

// Reads the lines of a saved game. Fails with a reason when the file cannot
// be read or holds no saved game at all, so such a file changes nothing.
FileResult ReadSavedGameLines(const std::string& path, std::vector<std::string>& lines);

}  // namespace zorvane
