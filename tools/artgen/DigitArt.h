#pragma once
// Score digits: seven-segment figures for the blue score box, 16 x 25.

#include <QPainter>

namespace zorvane::art {

inline constexpr int kDigitWidth = 16;
inline constexpr int kDigitHeight = 25;

// digit 0..9; the blank digit is simply an empty picture.
void DrawDigit(QPainter& p, int digit);

}  // namespace zorvane::art
