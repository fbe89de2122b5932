#pragma once
// The settings table: every setting once, with its name, its key in
// Options.txt, the member that holds it, how its text reads, and its default.
// The rows stand in the order the options file writes them and the replay
// tool prints them; reading, writing, printing and the defaults all go
// through here.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "persistence/Settings.h"

namespace zorvane {

// How a setting's text reads and writes; most kinds carry a rule of their own.
enum class SettingKind {
    Number,        // decimal text, kept as read
    BoardHeight,   // the file's NumRows: the next start's height and this run's too
    StartRows,     // below 1 reads as 1
    PieceColour,   // 1..9, else the slot's own colour (the row's default)
    GraphicsMode,  // -1..3, else -1
    Switch,        // TRUE / FALSE
    Colour,        // a colour name or number; text that is neither leaves it
    Shape,         // read in upper case
    Name,          // any text, as written (a sound file)
    MusicPath,     // MusicFolder or MusicFile, whichever CycleMusic says
    Picture,       // GraphicsBack: written only once a picture has been set
};

struct SettingRow {
    std::string_view name;  // as the replay tool prints it
    // Its key in Options.txt, empty when the file holds none; the music path
    // is written under MusicFolder or, for a single song, MusicFile.
    std::string_view key;
    SettingKind kind;
    // The member, by kind: `number` for the four counts, `flag` for a
    // switch, `colour` for a colour, `text` for the rest.
    std::int32_t Settings::*number = nullptr;
    bool Settings::*flag = nullptr;
    ColorValue Settings::*colour = nullptr;
    std::string Settings::*text = nullptr;
    // The default, as a number (a switch is 0 or 1) or a text.
    std::int64_t defaultNumber = 0;
    std::string_view defaultText;
};

// Every row, in the file's order.
std::span<const SettingRow> SettingsTable();

// The row the key of an options line names (any letter case), or null. A
// piece colour is named by its first six characters ("Color12" is Color1);
// the music path by "MusicFolder" and by "MusicFile".
const SettingRow* FindSettingRow(std::string_view key);

// The key the file writes the row under; empty when it writes no line for it.
std::string_view SettingKey(const SettingRow& row, const Settings& settings);
// The value as the file writes it and the replay tool prints it.
std::string SettingText(const SettingRow& row, const Settings& settings);
// Reads `value`, the text after "key=", into the row's member by the row's
// rule. `key` is the line's key, upper-cased: a music path line is taken only
// when it agrees with CycleMusic as read so far.
void ReadSetting(const SettingRow& row, std::string_view key, const std::string& value,
                 Settings& settings);
// Puts the row's default into the member.
void ResetSetting(const SettingRow& row, Settings& settings);

}  // namespace zorvane
