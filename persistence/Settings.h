#pragma once
// The settings table: every preference of the game with its default.
// The options file reads and writes it; the engine, the painting, the sound
// and the options dialog all read it under these names.

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

struct Settings {
    std::int32_t NumRows = 9;         // board height of this run (9, 12 or 16)
    std::int32_t NumRowsSetting = 9;  // board height the next start will use
    std::int32_t StartRows = 3;
    ColorValue BoardColor = 0x808080;  // clGray
    std::string Shape = "B";
    std::int32_t Color1 = 1, Color2 = 2, Color3 = 3, Color4 = 4, Color5 = 5, Color6 = 6;
    std::string BadSound = "wump.wav";
    std::string GoodSound = "subping.wav";
    std::string ExplodeSound = "explode.wav";
    std::string RowSound = "click.wav";
    bool CycleMusic = true;
    std::string MusicPath;  // folder when CycleMusic, else one song file
    bool PlayBad = true;
    bool PlayGood = true;
    bool PlayExplode = true;
    bool PlayClick = true;
    bool PlayMusic = false;
    bool PauseMusic = false;
    bool Buffered = true;
    bool UseGraphicsBack = false;
    std::string GraphicsBack;      // file name of the background picture
    bool GraphicsBackSet = false;  // a background picture has been loaded
    std::int32_t GraphicsType = -1;
    bool Transparent = false;
    bool RandomMode = false;
    bool Symbols = false;    // each colour slot's symbol drawn on its pieces and bombs
    bool Animations = true;  // moves and pushes shown in motion, briefly

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
