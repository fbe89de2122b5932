#pragma once
// The nine piece colours: the main colour fills a piece, the dark shade its
// inner shape. Colour numbers are those the options file stores (1..9).

#include <QColor>

namespace zorvane::art {

struct PieceColour {
    QColor main;
    QColor dark;
};

inline constexpr int kColourCount = 9;

// n in 1..kColourCount.
PieceColour ColourOf(int n);

// Outline colour of every piece, bomb and special.
inline QColor OutlineColour() {
    return QColor(0, 0, 0);
}

// The light edge just inside that outline.
inline QColor EdgeLightColour() {
    return QColor(255, 255, 255);
}

}  // namespace zorvane::art
