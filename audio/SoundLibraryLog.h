#pragma once
// The synthesizer's own messages, held to a few lines per song on stderr. It
// warns once per note it has no voice for, so a song of a few hundred
// thousand notes at one instant would write hundreds of megabytes a minute.

namespace zorvane {

// Lines a song may write before the rest of its messages are dropped (one
// more line says so).
constexpr int kSoundLibraryLinesPerSong = 3;

// Sends FluidSynth's messages through the cap from now on, for the whole
// process. Safe to call again.
void RouteSoundLibraryMessages();

// The song about to be opened gets its own few lines.
void NewSongForMessages();

}  // namespace zorvane
