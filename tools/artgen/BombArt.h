#pragma once
// Bombs and special pieces: a round body with a fuse cap, a burning fuse and
// a spark, so that a bomb never reads as a circle piece of the same colour.

#include <QPainter>

#include "tools/artgen/ArtPalette.h"

namespace zorvane::art {

// The black bomb, which matches no colour.
void DrawBlackBomb(QPainter& p);

// A bomb with its body in the piece colour.
void DrawColourBomb(QPainter& p, const PieceColour& colour);

// A white bomb with the red sign of special kind 1..6: area, row, column,
// row and column, rows from here up, all rows.
void DrawSpecial(QPainter& p, int kind);

}  // namespace zorvane::art
