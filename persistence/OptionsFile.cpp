#include "persistence/OptionsFile.h"

#include <algorithm>

#include "persistence/ColorText.h"
#include "persistence/TextHelpers.h"
#include "zorvane/Version.h"

namespace zorvane {

void OptionsHooks::SetEffectFile(EffectSlot, const std::string&) {}
void OptionsHooks::StartRowsRead(int) {}
void OptionsHooks::BufferedRead(bool) {}
bool OptionsHooks::LoadBackgroundPicture(const std::string&) {
    return true;
}
void OptionsHooks::TransparentRead(bool) {}
void OptionsHooks::StartMusic() {}

namespace {

// The keys of each effect's file and switch, in the order of EffectSlot.
struct EffectKeys {
    const char* file;
    const char* on;
};

constexpr EffectKeys kEffectKeys[] = {
    {"BadSound", "PlayBad"},
    {"GoodSound", "PlayGood"},
    {"ExplodeSound", "PlayExplode"},
    {"RowSound", "PlayClick"},
};

const EffectKeys& KeysOf(EffectSlot slot) {
    return kEffectKeys[static_cast<std::size_t>(slot)];
}

struct SwitchKey {
    const char* key;
    bool Settings::*value;
};

// Switches that only store their value; the ones with a side effect are
// handled on their own.
constexpr SwitchKey kSwitchKeys[] = {
    {"CYCLEMUSIC", &Settings::CycleMusic}, {"PLAYMUSIC", &Settings::PlayMusic},
    {"PAUSEMUSIC", &Settings::PauseMusic}, {"USEGRAPHICSBACK", &Settings::UseGraphicsBack},
    {"RANDOMMODE", &Settings::RandomMode}, {"SYMBOLS", &Settings::Symbols},
    {"ANIMATIONS", &Settings::Animations},
};

void ApplyOptionsLine(const std::string& line, Settings& settings, OptionsHooks& hooks) {
    auto [key, value] = SplitAt(line, "=");
    const std::string upper = UpperText(key);

    if (upper == "NUMROWS") {
        settings.NumRowsSetting = TextToInt(value);
        settings.NumRows = RunningRows(settings.NumRowsSetting);
    } else if (upper == "STARTROWS") {
        // Fewer than one starting row would leave a board with nothing to play.
        settings.StartRows = std::max(TextToInt(value), 1);
        hooks.StartRowsRead(settings.StartRows);
    } else if (upper == "BOARDCOLOR") {
        // A colour that reads as nothing leaves the old one in force.
        if (const auto color = TextToColor(value)) {
            settings.BoardColor = *color;
        }
    } else if (upper == "SHAPE") {
        settings.Shape = UpperText(value);
    } else if (upper.starts_with("COLOR")) {
        // Only the sixth character names the slot, so "Color12" is slot 1.
        const int slot = upper.size() > 5 ? TextToInt(upper.substr(5, 1)) : 0;
        // A colour outside the nine leaves the slot its own colour, the one
        // its pictures would fall back to anyway.
        if (slot >= 1 && slot <= 6) {
            const std::int32_t colour = TextToInt(value);
            settings.Color(slot) = colour >= 1 && colour <= 9 ? colour : slot;
        }
    } else if (upper == "MUSICFOLDER") {
        // The path line follows CycleMusic as read so far.
        if (settings.CycleMusic) {
            settings.MusicPath = value;
        }
    } else if (upper == "MUSICFILE") {
        if (!settings.CycleMusic) {
            settings.MusicPath = value;
        }
    } else if (upper == "BUFFERED") {
        settings.Buffered = TextToBool(value);
        hooks.BufferedRead(settings.Buffered);
    } else if (upper == "GRAPHICSBACK") {
        if (hooks.LoadBackgroundPicture(value)) {
            settings.GraphicsBack = value;
            settings.GraphicsBackSet = true;
        }
    } else if (upper == "GRAPHICSTYPE") {
        // Outside the four modes nothing is drawn, as with no mode chosen.
        const std::int32_t mode = TextToInt(value);
        settings.GraphicsType = mode >= -1 && mode <= 3 ? mode : -1;
    } else if (upper == "TRANSPARENT") {
        settings.Transparent = TextToBool(value);
        hooks.TransparentRead(settings.Transparent);
    } else {
        for (const EffectSlot slot : kEffectSlots) {
            if (upper == UpperText(KeysOf(slot).file)) {
                settings.EffectFile(slot) = value;
                hooks.SetEffectFile(slot, settings.EffectFile(slot));
                return;
            }
            if (upper == UpperText(KeysOf(slot).on)) {
                settings.EffectOn(slot) = TextToBool(value);
                return;
            }
        }
        for (const SwitchKey& entry : kSwitchKeys) {
            if (upper == entry.key) {
                settings.*entry.value = TextToBool(value);
                return;
            }
        }
        // Unknown keys, from later versions or typos, pass harmlessly.
    }
}

}  // namespace

void ApplyOptionsLines(const std::vector<std::string>& lines, Settings& settings,
                       OptionsHooks& hooks) {
    for (const std::string& line : lines) {
        if (line.empty() || line.front() == ';') {
            continue;
        }
        ApplyOptionsLine(line, settings, hooks);
    }
    if (settings.PlayMusic && !settings.MusicPath.empty()) {
        hooks.StartMusic();
    }
}

FileResult LoadOptions(const std::string& path, Settings& settings, OptionsHooks& hooks) {
    std::vector<std::string> lines;
    // No file yet is the normal first start: the defaults stay in force.
    const FileResult result = ReadTextFileIfPresent(path, lines);
    if (result.ok && !result.missing) {
        ApplyOptionsLines(lines, settings, hooks);
    }
    return result;
}

std::vector<std::string> OptionsLines(const Settings& settings) {
    std::vector<std::string> lines = {
        std::string("; Options for ") + kTitleWithVersion,
        "NumRows=" + IntToText(settings.NumRowsSetting),
        "StartRows=" + IntToText(settings.StartRows),
        "BoardColor=" + ColorToText(settings.BoardColor),
        "Shape=" + settings.Shape,
    };
    for (int slot = 1; slot <= 6; ++slot) {
        lines.push_back("Color" + IntToText(slot) + "=" + IntToText(settings.Color(slot)));
    }
    for (const EffectSlot slot : kEffectSlots) {
        lines.push_back(std::string(KeysOf(slot).file) + "=" + settings.EffectFile(slot));
    }
    // CycleMusic goes first: the reader obeys the path line only when it agrees.
    lines.push_back("CycleMusic=" + BoolToText(settings.CycleMusic));
    lines.push_back((settings.CycleMusic ? "MusicFolder=" : "MusicFile=") + settings.MusicPath);
    for (const EffectSlot slot : kEffectSlots) {
        lines.push_back(std::string(KeysOf(slot).on) + "=" + BoolToText(settings.EffectOn(slot)));
    }
    lines.push_back("PlayMusic=" + BoolToText(settings.PlayMusic));
    lines.push_back("PauseMusic=" + BoolToText(settings.PauseMusic));
    lines.push_back("Buffered=" + BoolToText(settings.Buffered));
    lines.push_back("UseGraphicsBack=" + BoolToText(settings.UseGraphicsBack));
    if (settings.GraphicsBackSet) {
        lines.push_back("GraphicsBack=" + settings.GraphicsBack);
    }
    lines.push_back("GraphicsType=" + IntToText(settings.GraphicsType));
    lines.push_back("Transparent=" + BoolToText(settings.Transparent));
    lines.push_back("RandomMode=" + BoolToText(settings.RandomMode));
    // Later additions go last, so files written before them still read alike.
    lines.push_back("Symbols=" + BoolToText(settings.Symbols));
    lines.push_back("Animations=" + BoolToText(settings.Animations));
    return lines;
}

FileResult SaveOptions(const std::string& path, const Settings& settings) {
    return WriteTextFile(path, OptionsLines(settings));
}

}  // namespace zorvane
