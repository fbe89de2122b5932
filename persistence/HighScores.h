#pragma once
// The high-score table: ten rows of four texts, best first, kept as read.
// Several copies of the game may share one file: each change is kept until
// the next save, which makes it again over the table then on disk.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "persistence/FileLock.h"
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
    // Writes the table after changes, only ever under the lock beside the
    // file: the file is read again and the changes made since the last load
    // or save are made over its rows, so what another running game wrote
    // meanwhile stays; the result becomes this table. When the lock cannot
    // be had, the file cannot be read (it is never replaced unread) or the
    // write fails, the changes stay pending for the next save, and a failure
    // that is the one returned last comes back with alreadyReported set.
    FileResult SaveScores(const std::string& path);
    // How a save waits while another copy of the game holds the lock.
    void SetLockWaiting(LockWaiting waiting) { waiting_ = std::move(waiting); }

    // Changes no save has written yet, one line each for the player ("12345
    // by Ann, level 7, 12/8/26"); empty when there are none.
    std::vector<std::string> PendingChanges() const;

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
    // Returns the failure, marked when it repeats the last one, and keeps it.
    FileResult Failed(FileResult result);

    std::array<ScoreRow, kRows> rows_;
    std::vector<Change> unsaved_;
    std::string lastFailure_;  // the reason of the last failure returned
    LockWaiting waiting_;
};

}  // namespace zorvane
