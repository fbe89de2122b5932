#pragma once
// Every preference of the game. The options file reads and writes them
// through the settings table; the engine, the painting, the sound and the
// options dialog all read them under these names.

#include <array>
#include <cstdint>
#include <string>

namespace zorvane {

// The four sound effects; each has a file and a switch in the settings.
enum class EffectSlot { Bad, Good, Explode, Row };
inline constexpr std::array<EffectSlot, 4> kEffectSlots = {EffectSlot::Bad, EffectSlot::Good,
                                                           EffectSlot::Explode, EffectSlot::Row};

// A colour as stored in the options file: 0x00BBGGRR, or a system colour
// 0x80000000..0x80000018, or clNone 0x1FFFFFFF.
using ColorValue = std::uint32_t;

// The defaults are in the settings table (SettingsTable.h).
struct Settings {
    std::int32_t NumRows;         // board height of this run (9, 12 or 16)
    std::int32_t NumRowsSetting;  // board height the next start will use
    std::int32_t StartRows;
    ColorValue BoardColor;
    std::string Shape;
    std::int32_t Color1, Color2, Color3, Color4, Color5, Color6;
    std::string BadSound;
    std::string GoodSound;
    std::string ExplodeSound;
    std::string RowSound;
    bool CycleMusic;
    std::string MusicPath;  // folder when CycleMusic, else one song file
    bool PlayBad;
    bool PlayGood;
    bool PlayExplode;
    bool PlayClick;
    bool PlayMusic;  // the player's choice, whether or not a song can sound
    bool PauseMusic;
    bool Buffered;
    bool UseGraphicsBack;
    std::string GraphicsBack;  // file name of the background picture
    bool GraphicsBackSet;      // a background picture has been loaded
    std::int32_t GraphicsType;
    bool Transparent;
    bool RandomMode;
    bool Symbols;     // each colour slot's symbol drawn on its pieces and bombs
    bool Animations;  // moves and pushes shown in motion, briefly

    // Every setting at its default; MusicPath empty.
    Settings();

    // Color1..Color6 by slot 1..6; any other slot is a programming error.
    std::int32_t& Color(int slot);
    std::int32_t Color(int slot) const;
    // The sound file and the switch of an effect: BadSound and PlayBad,
    // GoodSound and PlayGood, ExplodeSound and PlayExplode, RowSound and
    // PlayClick.
    std::string& EffectFile(EffectSlot slot);
    const std::string& EffectFile(EffectSlot slot) const;
    bool& EffectOn(EffectSlot slot);
    bool EffectOn(EffectSlot slot) const;
};

// The board is built for one of three heights; any other runs as 9.
constexpr std::int32_t RunningRows(std::int32_t rows) {
    return rows == 9 || rows == 12 || rows == 16 ? rows : 9;
}

// The defaults of a fresh start: MusicPath is programFolder + "Music/".
Settings DefaultSettings(const std::string& programFolder);

}  // namespace zorvane
