#include "persistence/HighScores.h"

#include "persistence/FileLock.h"
#include "persistence/FileReasons.h"
#include "persistence/TextHelpers.h"
#include "zorvane/Version.h"

namespace zorvane {

namespace {

ScoreRow ParseRow(std::string_view line) {
    // The name is last, so any further "|" belongs to it.
    auto [score, afterScore] = SplitAt(line, "|");
    auto [date, afterDate] = SplitAt(afterScore, "|");
    auto [level, name] = SplitAt(afterDate, "|");
    return {std::move(score), std::move(date), std::move(level), std::move(name)};
}

}  // namespace

HighScoreTable::HighScoreTable(const std::string& today) {
    ClearRows(today);
}

void HighScoreTable::ClearRows(const std::string& today) {
    for (int i = 0; i < kRows; ++i) {
        rows_[i] = {IntToText(5000 - 500 * i), today, "1", "No Name"};
    }
}

void HighScoreTable::Clear(const std::string& today) {
    ClearRows(today);
    Change change;
    change.kind = Change::Kind::Clear;
    change.today = today;
    unsaved_.push_back(std::move(change));
}

void HighScoreTable::ApplyLines(const std::vector<std::string>& lines) {
    int filled = 0;
    for (const std::string& line : lines) {
        if (filled == kRows) {
            break;
        }
        if (line.empty() || line.front() == ';') {
            continue;
        }
        rows_[filled++] = ParseRow(line);
    }
    for (; filled < kRows; ++filled) {
        rows_[filled] = {"0", "", "", ""};
    }
}

std::vector<std::string> HighScoreTable::Lines() const {
    std::vector<std::string> lines = {std::string("; Scores for ") + kTitleWithVersion};
    for (const ScoreRow& row : rows_) {
        lines.push_back(row.Score + "|" + row.Date + "|" + row.Level + "|" + row.Name);
    }
    return lines;
}

FileResult HighScoreTable::LoadScores(const std::string& path) {
    std::vector<std::string> lines;
    // A first start has no file: the table stays as it is until the first change.
    FileResult result = ReadTextFileIfPresent(path, lines);
    if (!result.ok) {
        result.reason += kLeftAlone;
        lastFailure_ = result.reason;
        return result;
    }
    lastFailure_.clear();
    if (!result.missing) {
        ApplyLines(lines);
    }
    unsaved_.clear();
    return result;
}

FileResult HighScoreTable::Failed(FileResult result) {
    result.ok = false;
    result.alreadyReported = result.reason == lastFailure_;
    lastFailure_ = result.reason;
    return result;
}

FileResult HighScoreTable::SaveScores(const std::string& path) {
    // Written without the lock, another game's save could undo this one's.
    const FileLock lock(path, waiting_);
    if (!lock.Held()) {
        return Failed({false, false, lock.Reason() + kSavedLater});
    }
    std::vector<std::string> lines;
    FileResult read = ReadTextFileIfPresent(path, lines);
    if (!read.ok) {
        // Whatever it holds may be someone's scores: it is never replaced unread.
        read.reason += kLeftAlone;
        return Failed(read);
    }
    if (!read.missing) {
        HighScoreTable onDisk;
        onDisk.ApplyLines(lines);
        for (const Change& change : unsaved_) {
            onDisk.Make(change);
        }
        rows_ = onDisk.rows_;
    }
    const FileResult written = WriteTextFile(path, Lines());
    if (!written.ok) {
        return Failed(written);
    }
    unsaved_.clear();
    lastFailure_.clear();
    return written;
}

std::vector<std::string> HighScoreTable::PendingChanges() const {
    std::vector<std::string> lines;
    for (const Change& change : unsaved_) {
        switch (change.kind) {
            case Change::Kind::Insert:
                lines.push_back(change.row.Score + " by " + change.row.Name + ", level " +
                                change.row.Level + ", " + change.row.Date);
                break;
            case Change::Kind::Clear:
                lines.push_back("the table cleared on " + change.today);
                break;
            case Change::Kind::Edit:
                lines.push_back(change.row.Score + " by " + change.row.Name + " changed to " +
                                change.edited);
                break;
        }
    }
    return lines;
}

bool HighScoreTable::IsHighScore(std::int32_t score) const {
    // The rows are texts, so the comparison is too: longer wins, then greater.
    const std::string text = IntToText(score);
    const std::string& last = rows_[kRows - 1].Score;
    if (text.size() != last.size()) {
        return text.size() > last.size();
    }
    return text > last;
}

bool HighScoreTable::InsertScore(const std::string& name, std::int32_t score, std::int32_t level,
                                 const std::string& today) {
    Change change;
    change.kind = Change::Kind::Insert;
    change.row = {IntToText(score), today, IntToText(level), name};
    change.score = score;
    if (!InsertRow(change.row, score)) {
        return false;
    }
    unsaved_.push_back(std::move(change));
    return true;
}

bool HighScoreTable::InsertRow(const ScoreRow& row, std::int32_t score) {
    if (!IsHighScore(score)) {
        return false;
    }
    int place = 0;
    while (place < kRows && TextToInt(rows_[place].Score) > score) {
        ++place;
    }
    if (place == kRows) {
        return false;
    }
    for (int i = kRows - 1; i > place; --i) {
        rows_[i] = rows_[i - 1];
    }
    rows_[place] = row;
    return true;
}

void HighScoreTable::EditScore(int i, const std::string& score) {
    ScoreRow& row = rows_.at(i);
    if (row.Score == score) {
        return;
    }
    Change change;
    change.kind = Change::Kind::Edit;
    change.row = row;
    change.edited = score;
    change.place = i;
    row.Score = score;
    unsaved_.push_back(std::move(change));
}

void HighScoreTable::Make(const Change& change) {
    switch (change.kind) {
        case Change::Kind::Insert:
            InsertRow(change.row, change.score);
            return;
        case Change::Kind::Clear:
            ClearRows(change.today);
            return;
        case Change::Kind::Edit:
            break;
    }
    // The edited entry, where it stood or wherever the other game moved it;
    // an entry no longer in the file takes its edit with it.
    int found = change.place;
    if (rows_.at(found) != change.row) {
        found = 0;
        while (found < kRows && rows_[found] != change.row) {
            ++found;
        }
    }
    if (found < kRows) {
        rows_[found].Score = change.edited;
    }
}

}  // namespace zorvane
