#include "persistence/HighScores.h"

#include "persistence/TextHelpers.h"

namespace zorvane {

namespace {

constexpr const char* kHeader = "; Scores for Zorvane v. 1.0 b";

ScoreRow ParseRow(std::string_view line) {
    // The name is last, so any further "|" belongs to it.
    auto [score, afterScore] = SplitAt(line, "|");
    auto [date, afterDate] = SplitAt(afterScore, "|");
    auto [level, name] = SplitAt(afterDate, "|");
    return {std::move(score), std::move(date), std::move(level), std::move(name)};
}

}  // namespace

HighScoreTable::HighScoreTable(const std::string& today) {
    Clear(today);
}

void HighScoreTable::Clear(const std::string& today) {
    for (int i = 0; i < kRows; ++i) {
        rows_[i] = {IntToText(5000 - 500 * i), today, "1", "No Name"};
    }
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
    std::vector<std::string> lines = {kHeader};
    for (const ScoreRow& row : rows_) {
        lines.push_back(row.Score + "|" + row.Date + "|" + row.Level + "|" + row.Name);
    }
    return lines;
}

FileResult HighScoreTable::LoadScores(const std::string& path) {
    std::vector<std::string> lines;
    // A first start has no file: the table stays as it is until the first change.
    const FileResult result = ReadTextFileIfPresent(path, lines);
    if (result.ok && !result.missing) {
        ApplyLines(lines);
    }
    return result;
}

FileResult HighScoreTable::SaveScores(const std::string& path) const {
    return WriteTextFile(path, Lines());
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
    rows_[place] = {IntToText(score), today, IntToText(level), name};
    return true;
}

}  // namespace zorvane
