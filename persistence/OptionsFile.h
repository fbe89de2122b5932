#pragma once
// "Options.txt": reading it over the settings and writing it from them, both
// by the settings table.

#include <string>
#include <vector>

#include "persistence/Settings.h"
#include "persistence/TextFile.h"

namespace zorvane {

struct SettingRow;

// Applies one line of an options file over `settings` by its key's row of
// the settings table; an empty line, a comment (";") and an unknown key
// change nothing. Numbers that would mislead the game are brought into
// range: StartRows below 1 reads as 1, a colour outside 1..9 as the slot's
// own colour, a GraphicsType outside -1..3 as -1. NumRowsSetting is kept as
// read; NumRows, the height this run uses, is 9 for anything but 9, 12 or
// 16. Returns the row of the setting the line named, or null.
const SettingRow* ReadOptionsLine(const std::string& line, Settings& settings);
// Every line, in order.
void ReadOptionsLines(const std::vector<std::string>& lines, Settings& settings);

// Reads the file at `path`; a missing file leaves every setting as it was and
// is no failure (ok and missing both set).
FileResult LoadOptions(const std::string& path, Settings& settings);

// The 29 or 30 lines of the file, in their fixed order.
std::vector<std::string> OptionsLines(const Settings& settings);
FileResult SaveOptions(const std::string& path, const Settings& settings);

}  // namespace zorvane
