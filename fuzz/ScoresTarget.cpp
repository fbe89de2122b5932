// Fuzz target: Scores.txt read into the table, the table written and read
// back unchanged, and new games of telling scores entered into it.

#include <limits>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "persistence/HighScores.h"
#include "persistence/TextHelpers.h"

namespace {

using namespace zorvane;
using fuzz::Require;

constexpr const char* kToday = "02/02/26";

bool SameRow(const ScoreRow& a, const ScoreRow& b) {
    return a.Score == b.Score && a.Date == b.Date && a.Level == b.Level && a.Name == b.Name;
}

void CheckReadsBack(const HighScoreTable& table) {
    HighScoreTable reread;
    reread.ApplyLines(SplitTextLines(JoinTextLines(table.Lines())));
    Require(reread.Lines() == table.Lines(), "a written table reads back differently");
}

// An entry either leaves the table as it was, or lands above the first row
// whose score it reaches, pushing the rows below it down by one.
void CheckEntry(const HighScoreTable& table, const std::string& name, std::int32_t score) {
    HighScoreTable after = table;
    const bool entered = after.InsertScore(name, score, 7, kToday);
    if (!entered) {
        Require(after.Lines() == table.Lines(), "a refused entry changed the table");
        return;
    }
    Require(table.IsHighScore(score), "an entry below the table was placed");
    int place = 0;
    while (place < HighScoreTable::kRows && TextToInt(table.Row(place).Score) > score) {
        ++place;
    }
    Require(place < HighScoreTable::kRows, "an entry placed below every row");
    for (int i = 0; i < place; ++i) {
        Require(SameRow(after.Row(i), table.Row(i)), "a row above the new one changed");
    }
    const ScoreRow expected{IntToText(score), kToday, "7", name};
    Require(SameRow(after.Row(place), expected), "the new row is not where its score puts it");
    for (int i = place + 1; i < HighScoreTable::kRows; ++i) {
        Require(SameRow(after.Row(i), table.Row(i - 1)), "the rows below did not move down");
    }
    CheckReadsBack(after);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    HighScoreTable table("01/01/26");
    table.ApplyLines(SplitTextLines(bytes));
    CheckReadsBack(table);

    // The ends of the range, and the first, a middle and the last row's own
    // score with its neighbours: ties and near misses at each end.
    std::vector<std::int32_t> scores = {std::numeric_limits<std::int32_t>::min(), 0,
                                        std::numeric_limits<std::int32_t>::max()};
    for (const int i : {0, HighScoreTable::kRows / 2, HighScoreTable::kRows - 1}) {
        const std::int64_t own = TextToInt(table.Row(i).Score);
        for (const std::int64_t near : {own - 1, own, own + 1}) {
            if (near >= std::numeric_limits<std::int32_t>::min() &&
                near <= std::numeric_limits<std::int32_t>::max()) {
                scores.push_back(static_cast<std::int32_t>(near));
            }
        }
    }
    for (const std::int32_t score : scores) {
        CheckEntry(table, table.Row(0).Name, score);
    }
    return 0;
}
