#include "tools/artgen/ArtPalette.h"

#include <array>

namespace zorvane::art {

PieceColour ColourOf(int n) {
    struct Rgb {
        int r, g, b;
    };
    // {main, dark} per colour number; the options dialog lists them in this
    // order: gray, blue, cyan, green, orange, purple, red, yellow, pink. The
    // gray is lighter than the default board (128, 128, 128), so its pieces
    // never melt into it.
    static constexpr std::array<std::array<Rgb, 2>, kColourCount> kTable{{
        {{{188, 188, 188}, {136, 136, 100}}},
        {{{0, 0, 255}, {0, 0, 128}}},
        {{{0, 255, 255}, {0, 160, 128}}},
        {{{0, 255, 0}, {0, 160, 0}}},
        {{{224, 96, 0}, {160, 64, 0}}},
        {{{160, 0, 128}, {96, 0, 128}}},
        {{{255, 0, 0}, {128, 0, 0}}},
        {{{255, 255, 0}, {160, 160, 0}}},
        {{{224, 160, 192}, {160, 96, 128}}},
    }};
    const auto& e = kTable.at(static_cast<std::size_t>(n - 1));
    return {QColor(e[0].r, e[0].g, e[0].b), QColor(e[1].r, e[1].g, e[1].b)};
}

}  // namespace zorvane::art
