#pragma once
// The high-score table: ten rows of four texts, best first, kept as read.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "persistence/TextFile.h"

namespace zorvane {

struct ScoreRow {
    std::string Score;
    std::string Date;
    std::string Level;
    std::string Name;
};

class HighScoreTable {
  public:
    static constexpr int kRows = 10;

    // Starts as the cleared table dated `today`; nothing is written.
    explicit HighScoreTable(const std::string& today = "");

    // Reads at most ten data rows; missing rows are empty (score "0").
    // A missing file leaves the table as it is (the cleared one at start) and
    // reports ok with missing set; an unreadable one changes nothing.
    FileResult LoadScores(const std::string& path);
    FileResult SaveScores(const std::string& path) const;

    // Text comparison against the last row: longer wins, then greater.
    bool IsHighScore(std::int32_t score) const;
    // Places the game above the first row whose score it reaches; returns
    // false (and changes nothing) when it does not qualify.
    bool InsertScore(const std::string& name, std::int32_t score, std::int32_t level,
                     const std::string& today);
    // Scores 5000 down to 500, level "1", name "No Name".
    void Clear(const std::string& today);

    const ScoreRow& Row(int i) const { return rows_.at(i); }
    ScoreRow& Row(int i) { return rows_.at(i); }

    std::vector<std::string> Lines() const;
    void ApplyLines(const std::vector<std::string>& lines);

  private:
    std::array<ScoreRow, kRows> rows_;
};

}  // namespace zorvane
