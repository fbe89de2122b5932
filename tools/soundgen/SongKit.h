#pragma once
// What the songs are written with: lines of notes and chord progressions in a
// short text form, drum patterns on a sixteenth-note grid, and chord
// voicings. Places in a song are counted in beats (quarter notes) from its
// start; every song is in 4/4.

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/soundgen/MidiFile.h"

namespace zorvane::soundgen {

inline constexpr int kTicksPerBeat = 480;
inline constexpr int kBeatsPerBar = 4;
inline constexpr int kDrumChannel = 9;  // channel 10, percussion in General MIDI

// General MIDI percussion keys the songs use.
namespace drum {
inline constexpr int kKick = 36;
inline constexpr int kSideStick = 37;
inline constexpr int kSnare = 38;
inline constexpr int kClosedHat = 42;
inline constexpr int kLowTom = 45;
inline constexpr int kMidTom = 47;
inline constexpr int kCrash = 49;
inline constexpr int kHighTom = 50;
inline constexpr int kRide = 51;
inline constexpr int kMaracas = 70;
}  // namespace drum

std::uint32_t TickOf(double beat);

// The first track of a song: its title, tempo and 4/4 metre.
MidiTrack Conductor(std::string_view title, double beatsPerMinute);

// A part's track: its name, then the instrument (General MIDI program,
// counted from 0), channel volume, pan (64 centre) and reverb send.
MidiTrack PartTrack(std::string_view name, int channel, int program, int volume, int pan,
                    int reverb);

struct Chord {
    int root = 0;          // pitch class, C = 0
    int third = 4;         // 4 major, 3 minor
    bool seventh = false;  // adds the minor seventh (dominant seventh chord)
};

struct ChordSpan {
    Chord chord;
    double start = 0.0;  // beat
    double beats = 0.0;
};

// "Dm:4 Bb:2 C:2 A7:4": root letter, optional "#" or "b", then "m" for minor
// or "7" for a dominant seventh, and the length in beats. "|" marks a bar
// line and must fall on one. Throws std::invalid_argument on a bad token.
std::vector<ChordSpan> ParseProgression(std::string_view text, double startBeat);

// Plays "E5:1 Bb4:.5 r:.5 | C#6:2" one note after another from `startBeat`
// ("r" is a rest, "|" a bar line that must fall on one). Each note sounds
// for `legato` of its value; notes off the beat are played a little softer.
// Returns the beat after the last note. Throws std::invalid_argument on a
// bad token.
double PlayLine(MidiTrack& track, int channel, double startBeat, std::string_view text,
                int velocity, double legato, int transpose = 0);

// One drum on a sixteenth-note grid from `startBeat`: 'X' accent, 'x'
// normal, 'o' soft, '.' silent; other characters (spaces) are skipped.
void PlayGrid(MidiTrack& track, double startBeat, int key, std::string_view grid, int velocity);

// The chord's tones, each the lowest key at or above `lowest`, rising.
std::vector<int> Voicing(const Chord& chord, int lowest);

// The chord's root in the octave that starts at key `base`.
int RootKey(const Chord& chord, int base);

}  // namespace zorvane::soundgen
