#include "persistence/OptionsFile.h"

#include "persistence/SettingsTable.h"
#include "persistence/TextHelpers.h"
#include "zorvane/Version.h"

namespace zorvane {

const SettingRow* ReadOptionsLine(const std::string& line, Settings& settings) {
    if (line.empty() || line.front() == ';') {
        return nullptr;
    }
    const auto [key, value] = SplitAt(line, "=");
    // Unknown keys, from later versions or typos, pass harmlessly.
    const SettingRow* row = FindSettingRow(key);
    if (row) {
        ReadSetting(*row, UpperText(key), value, settings);
    }
    return row;
}

void ReadOptionsLines(const std::vector<std::string>& lines, Settings& settings) {
    for (const std::string& line : lines) {
        ReadOptionsLine(line, settings);
    }
}

FileResult LoadOptions(const std::string& path, Settings& settings) {
    std::vector<std::string> lines;
    // No file yet is the normal first start: the settings stay as they are.
    const FileResult result = ReadTextFileIfPresent(path, lines);
    if (result.ok && !result.missing) {
        ReadOptionsLines(lines, settings);
    }
    return result;
}

std::vector<std::string> OptionsLines(const Settings& settings) {
    std::vector<std::string> lines = {std::string("; Options for ") + kTitleWithVersion};
    for (const SettingRow& row : SettingsTable()) {
        const std::string_view key = SettingKey(row, settings);
        if (!key.empty()) {
            lines.push_back(std::string(key) + "=" + SettingText(row, settings));
        }
    }
    return lines;
}

FileResult SaveOptions(const std::string& path, const Settings& settings) {
    return WriteTextFile(path, OptionsLines(settings));
}

}  // namespace zorvane
