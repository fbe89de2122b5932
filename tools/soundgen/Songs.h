#pragma once
// The two songs that come with the game; the player may add more to the
// music folder.

#include "tools/soundgen/MidiFile.h"

namespace zorvane::soundgen {

// Light and upbeat, C major at 132 beats a minute, about 51 s.
MidiSong MakeZorvaneTheme();

// Calmer, D minor at 92 beats a minute, about 52 s.
MidiSong MakeFallingRows();

}  // namespace zorvane::soundgen
