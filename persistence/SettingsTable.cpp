#include "persistence/SettingsTable.h"

#include <algorithm>
#include <iterator>

#include "persistence/ColorText.h"
#include "persistence/TextHelpers.h"

namespace zorvane {

namespace {

using K = SettingKind;
using S = Settings;

constexpr SettingRow Count(std::string_view name, std::string_view key, SettingKind kind,
                           std::int32_t S::*member, std::int32_t byDefault) {
    return {name, key, kind, member, nullptr, nullptr, nullptr, byDefault, {}};
}
constexpr SettingRow Switch(std::string_view name, bool S::*member, bool byDefault) {
    return {name, name, K::Switch, nullptr, member, nullptr, nullptr, byDefault ? 1 : 0, {}};
}
constexpr SettingRow Colour(std::string_view name, ColorValue S::*member, ColorValue byDefault) {
    return {name, name, K::Colour, nullptr, nullptr, member, nullptr, byDefault, {}};
}
constexpr SettingRow Text(std::string_view name, SettingKind kind, std::string S::*member,
                          std::string_view byDefault) {
    return {name, name, kind, nullptr, nullptr, nullptr, member, 0, byDefault};
}

constexpr SettingRow kRows[] = {
    // This run's height is no line of its own: the file's NumRows sets it.
    Count("NumRows", "", K::Number, &S::NumRows, 9),
    Count("NumRowsSetting", "NumRows", K::BoardHeight, &S::NumRowsSetting, 9),
    Count("StartRows", "StartRows", K::StartRows, &S::StartRows, 3),
    Colour("BoardColor", &S::BoardColor, 0x808080),  // clGray
    Text("Shape", K::Shape, &S::Shape, "B"),
    Count("Color1", "Color1", K::PieceColour, &S::Color1, 1),
    Count("Color2", "Color2", K::PieceColour, &S::Color2, 2),
    Count("Color3", "Color3", K::PieceColour, &S::Color3, 3),
    Count("Color4", "Color4", K::PieceColour, &S::Color4, 4),
    Count("Color5", "Color5", K::PieceColour, &S::Color5, 5),
    Count("Color6", "Color6", K::PieceColour, &S::Color6, 6),
    Text("BadSound", K::Name, &S::BadSound, "wump.wav"),
    Text("GoodSound", K::Name, &S::GoodSound, "subping.wav"),
    Text("ExplodeSound", K::Name, &S::ExplodeSound, "explode.wav"),
    Text("RowSound", K::Name, &S::RowSound, "click.wav"),
    // CycleMusic goes first: the reader obeys the path line only when it agrees.
    Switch("CycleMusic", &S::CycleMusic, true),
    // Empty here; DefaultSettings puts it under the program's folder.
    {"MusicPath", "MusicFolder", K::MusicPath, nullptr, nullptr, nullptr, &S::MusicPath, 0, {}},
    Switch("PlayBad", &S::PlayBad, true),
    Switch("PlayGood", &S::PlayGood, true),
    Switch("PlayExplode", &S::PlayExplode, true),
    Switch("PlayClick", &S::PlayClick, true),
    Switch("PlayMusic", &S::PlayMusic, false),
    Switch("PauseMusic", &S::PauseMusic, false),
    Switch("Buffered", &S::Buffered, true),
    Switch("UseGraphicsBack", &S::UseGraphicsBack, false),
    Text("GraphicsBack", K::Picture, &S::GraphicsBack, ""),
    Count("GraphicsType", "GraphicsType", K::GraphicsMode, &S::GraphicsType, -1),
    Switch("Transparent", &S::Transparent, false),
    Switch("RandomMode", &S::RandomMode, false),
    // Later additions go last, so files written before them still read alike.
    Switch("Symbols", &S::Symbols, false),
    Switch("Animations", &S::Animations, true),
};

// The music path's other key, for a single song.
constexpr std::string_view kMusicFileKey = "MusicFile";

// A piece colour's key is matched on its first six characters only.
constexpr std::size_t kColourKeyLength = 6;

bool Names(const SettingRow& row, std::string_view key) {
    if (row.kind == K::MusicPath) {
        return key == UpperText(row.key) || key == UpperText(kMusicFileKey);
    }
    if (row.kind == K::PieceColour) {
        return key.substr(0, kColourKeyLength) == UpperText(row.key);
    }
    return !row.key.empty() && key == UpperText(row.key);
}

}  // namespace

std::span<const SettingRow> SettingsTable() {
    return kRows;
}

const SettingRow* FindSettingRow(std::string_view key) {
    const std::string upper = UpperText(key);
    const auto row = std::find_if(std::begin(kRows), std::end(kRows),
                                  [&](const SettingRow& r) { return Names(r, upper); });
    return row == std::end(kRows) ? nullptr : &*row;
}

std::string_view SettingKey(const SettingRow& row, const Settings& settings) {
    switch (row.kind) {
        case K::MusicPath:
            return settings.CycleMusic ? row.key : kMusicFileKey;
        case K::Picture:
            return settings.GraphicsBackSet ? row.key : std::string_view();
        default:
            return row.key;
    }
}

std::string SettingText(const SettingRow& row, const Settings& settings) {
    if (row.number) {
        return IntToText(settings.*row.number);
    }
    if (row.flag) {
        return BoolToText(settings.*row.flag);
    }
    if (row.colour) {
        return ColorToText(settings.*row.colour);
    }
    if (row.kind == K::Picture && !settings.GraphicsBackSet) {
        return {};
    }
    return settings.*row.text;
}

void ReadSetting(const SettingRow& row, std::string_view key, const std::string& value,
                 Settings& settings) {
    switch (row.kind) {
        case K::Number:
            settings.*row.number = TextToInt(value);
            break;
        case K::BoardHeight:
            settings.NumRowsSetting = TextToInt(value);
            settings.NumRows = RunningRows(settings.NumRowsSetting);
            break;
        case K::StartRows:
            // Fewer than one starting row would leave a board with nothing to play.
            settings.*row.number = std::max(TextToInt(value), 1);
            break;
        case K::PieceColour: {
            // A colour outside the nine leaves the slot its own colour, the one
            // its pictures would fall back to anyway.
            const std::int32_t colour = TextToInt(value);
            settings.*row.number =
                colour >= 1 && colour <= 9 ? colour : static_cast<std::int32_t>(row.defaultNumber);
            break;
        }
        case K::GraphicsMode: {
            // Outside the four modes nothing is drawn, as with no mode chosen.
            const std::int32_t mode = TextToInt(value);
            settings.*row.number = mode >= -1 && mode <= 3 ? mode : -1;
            break;
        }
        case K::Switch:
            settings.*row.flag = TextToBool(value);
            break;
        case K::Colour:
            // A colour that reads as nothing leaves the old one in force.
            if (const auto colour = TextToColor(value)) {
                settings.*row.colour = *colour;
            }
            break;
        case K::Shape:
            settings.*row.text = UpperText(value);
            break;
        case K::Name:
            settings.*row.text = value;
            break;
        case K::MusicPath:
            // The path line follows CycleMusic as read so far.
            if ((key == UpperText(row.key)) == settings.CycleMusic) {
                settings.*row.text = value;
            }
            break;
        case K::Picture:
            settings.*row.text = value;
            settings.GraphicsBackSet = true;
            break;
    }
}

void ResetSetting(const SettingRow& row, Settings& settings) {
    if (row.number) {
        settings.*row.number = static_cast<std::int32_t>(row.defaultNumber);
    } else if (row.flag) {
        settings.*row.flag = row.defaultNumber != 0;
    } else if (row.colour) {
        settings.*row.colour = static_cast<ColorValue>(row.defaultNumber);
    } else {
        settings.*row.text = row.defaultText;
    }
    if (row.kind == K::Picture) {
        settings.GraphicsBackSet = false;
    }
}

}  // namespace zorvane
