#include "persistence/SavedGameFile.h"

#include <algorithm>

#include "persistence/FileReasons.h"
#include "persistence/TextHelpers.h"
#include "zorvane/Version.h"

namespace zorvane {

namespace {

// The column and row named by a "Pos[col,row]" line. A header without its
// brackets addresses 0,0; one without the comma gives the column alone.
std::pair<std::int32_t, std::int32_t> CellAddress(std::string_view header) {
    const std::size_t open = header.find('[');
    if (open == std::string_view::npos) {
        return {0, 0};
    }
    const std::string_view inside = header.substr(open + 1);
    const std::size_t close = inside.find(']');
    if (close == std::string_view::npos) {
        return {0, 0};
    }
    const auto [col, row] = SplitAt(inside.substr(0, close), ",");
    return {TextToInt(col), TextToInt(row)};
}

// A line that starts a cell block; the reader looks at nothing else of it.
bool IsCellHeader(std::string_view line) {
    return UpperText(line.substr(0, 3)) == "POS";
}

bool IsCounterKey(const std::string& upperKey) {
    return upperKey == "NUMROWS" || upperKey == "SCORE" || upperKey == "LEVEL" ||
           upperKey == "CLEAREDCOUNT" || upperKey == "ROWSDONE";
}

}  // namespace

std::vector<std::string> SavedGameLines(const SavedGame& game) {
    std::vector<std::string> lines = {
        std::string("; This is a ") + kSavedGameVersion + " save game",
        "NumRows=" + IntToText(game.NumRows),
        "Score=" + IntToText(game.Score),
        "Level=" + IntToText(game.Level),
        "RowsDone=" + IntToText(game.RowsDone),
        "ClearedCount=" + IntToText(game.ClearedCount),
    };
    const int rows = std::clamp(game.NumRows, 0, kSavedRows);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < kSavedColumns; ++col) {
            const SavedCell& cell = game.Cells[col][row];
            lines.push_back("Pos[" + IntToText(col) + "," + IntToText(row) + "]");
            lines.push_back("Pic=" + IntToText(cell.Pic));
            lines.push_back("IsBomb=" + BoolToText(cell.IsBomb));
            lines.push_back("IsSpecial=" + BoolToText(cell.IsSpecial));
            lines.push_back("SpecialNum=" + IntToText(cell.SpecialNum));
        }
    }
    return lines;
}

FileResult WriteSavedGame(const std::string& path, const SavedGame& game) {
    return WriteTextFile(path, SavedGameLines(game));
}

void ApplySavedGameLines(const std::vector<std::string>& lines, SavedGameSink& sink) {
    std::size_t next = 0;
    // The next non-empty line, or nothing when the lines have run out.
    auto take = [&]() -> std::string_view {
        while (next < lines.size() && lines[next].empty()) {
            ++next;
        }
        return next < lines.size() ? std::string_view(lines[next++]) : std::string_view();
    };

    while (next < lines.size()) {
        const std::string_view line = take();
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (IsCellHeader(line)) {
            const auto [col, row] = CellAddress(line);
            // The four value lines are taken as they come, whatever their keys.
            SavedCell cell;
            cell.Pic = TextToInt(SplitAt(take(), "=").second);
            cell.IsBomb = TextToBool(SplitAt(take(), "=").second);
            cell.IsSpecial = TextToBool(SplitAt(take(), "=").second);
            cell.SpecialNum = TextToInt(SplitAt(take(), "=").second);
            if (col >= 0 && col < kSavedColumns && row >= 0 && row < kSavedRows) {
                sink.LoadCell(col, row, cell);
            }
            continue;
        }
        const auto [key, value] = SplitAt(line, "=");
        const std::string upper = UpperText(key);
        if (upper == "SCORE") {
            sink.LoadScore(TextToInt(value));
        } else if (upper == "LEVEL") {
            sink.LoadLevel(std::max(TextToInt(value), 1));
        } else if (upper == "CLEAREDCOUNT") {
            sink.LoadClearedCount(TextToInt(value));
        } else if (upper == "ROWSDONE") {
            sink.LoadRowsDone(TextToInt(value));
        }
        // NumRows is not compared with the running board; other keys pass.
    }
}

bool HoldsSavedGame(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (IsCellHeader(line) || IsCounterKey(UpperText(SplitAt(line, "=").first))) {
            return true;
        }
    }
    return false;
}

FileResult ReadSavedGameLines(const std::string& path, std::vector<std::string>& lines) {
    FileResult result = ReadTextFile(path, lines);
    if (result.ok && !HoldsSavedGame(lines)) {
        result.ok = false;
        result.reason = kNoSavedGame;
        lines.clear();
    }
    return result;
}

}  // namespace zorvane
