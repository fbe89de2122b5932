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
    // Only cells inside the 10 x 16 grid; values outside the picture tables
    // arrive as an empty cell.
    virtual void LoadCell(int col, int row, const SavedCell& cell) = 0;
};

// Header, five counters, then NumRows x 10 cell blocks, bottom row first.
std::vector<std::string> SavedGameLines(const SavedGame& game);
FileResult WriteSavedGame(const std::string& path, const SavedGame& game);

void ApplySavedGameLines(const std::vector<std::string>& lines, SavedGameSink& sink);
// Reads the whole file first, so a file that cannot be read changes nothing.
FileResult ReadSavedGame(const std::string& path, SavedGameSink& sink);

}  // namespace zorvane
