#pragma once
// The game's logo (183 x 106, for the side panel and the about box) and the
// program icon.

#include <QPainter>

namespace zorvane::art {

inline constexpr int kLogoWidth = 183;
inline constexpr int kLogoHeight = 106;

// Draws the logo into (0, 0) .. (183, 106).
void DrawLogo(QPainter& p);

// Draws the icon into (0, 0) .. (64, 64); devicePixels is the side of the
// image in pixels, so the outlines stay at least a pixel wide when small.
void DrawIcon(QPainter& p, int devicePixels);

}  // namespace zorvane::art
