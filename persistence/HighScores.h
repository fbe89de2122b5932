#pragma once
// The high-score table: ten rows of four texts, best first, kept as read.
// Several copies of the game may share one file: each change is kept until
// the next save, which makes it again over the table then on disk.

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
    bool operator==(const ScoreRow&) const = default;
};

class HighScoreTable {
  public:
    static constexpr int kRows = 10;

    // Starts as the cleared table dated `today`, with no change to save.
    explicit HighScoreTable(const std::string& today = "");

    // Replaces the rows with the file's: at most ten data rows, missing rows
    // empty (score "0"); changes not saved yet are dropped. A missing file
    // leaves the table as it is (the cleared one at start) and reports ok with
    // missing set. A file that exists but cannot be read changes nothing, and
    // the reason says that the file is left alone.
    FileResult LoadScores(const std::string& path);
    // Writes the table after changes. Under a lock beside the file the file
    // is read again and the changes made since the last load or save are made
    // over its rows, so what another running game wrote meanwhile stays; the
    // result becomes this table. A file that exists but cannot be read is
    // never replaced: the changes stay here, in memory only, and the failure
    // comes back with alreadyReported set when it was the last one returned.
    FileResult SaveScores(const std::string& path);

    // Text comparison against the last row: longer wins, then greater.
    bool IsHighScore(std::int32_t score) const;
    // Places the game above the first row whose score it reaches; returns
    // false (and changes nothing) when it does not qualify. A change.
    bool InsertScore(const std::string& name, std::int32_t score, std::int32_t level,
                     const std::string& today);
    // Scores 5000 down to 500, level "1", name "No Name". A change.
    void Clear(const std::string& today);
    // Row i's score text, as edited in the high-score window. A change; at
    // the save it goes to the same entry (all four texts as they were) if the
    // file still holds it.
    void EditScore(int i, const std::string& score);

    const ScoreRow& Row(int i) const { return rows_.at(i); }
    // Plain access to a row; what is written here is no change and is lost
    // when a save reads the file again.
    ScoreRow& Row(int i) { return rows_.at(i); }

    std::vector<std::string> Lines() const;
    void ApplyLines(const std::vector<std::string>& lines);

  private:
    struct Change {
        enum class Kind { Insert, Clear, Edit };
        Kind kind = Kind::Insert;
        ScoreRow row;            // Insert: the new row; Edit: the row before it
        std::int32_t score = 0;  // Insert
        std::string today;       // Clear
        std::string edited;      // Edit: the new score text
        int place = 0;           // Edit: where the row stood
    };
    void ClearRows(const std::string& today);
    bool InsertRow(const ScoreRow& row, std::int32_t score);
    void Make(const Change& change);

    std::array<ScoreRow, kRows> rows_;
    std::vector<Change> unsaved_;
    std::string lastFailure_;  // the reason last returned for an unreadable file
};

}  // namespace zorvane
