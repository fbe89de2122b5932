// "Falling Rows": the calmer song. D minor, 92 beats a minute, 20 bars: two
// bars of harp and pad, a falling flute tune (8), a second strain that
// climbs before it falls (8) and a two-bar close.

#include <string_view>
#include <utility>
#include <vector>

#include "tools/soundgen/SongKit.h"
#include "tools/soundgen/Songs.h"

namespace zorvane::soundgen {

namespace {

constexpr double kTempo = 92.0;
constexpr int kFlute = 0;
constexpr int kHarp = 1;
constexpr int kPad = 2;
constexpr int kBass = 3;

constexpr std::string_view kIntroChords = "Dm:4 | Bb:4";
constexpr std::string_view kFirstChords = "Dm:4 | Bb:4 | F:4 | C:4 | Dm:4 | Gm:4 | Bb:2 C:2 | Dm:4";
constexpr std::string_view kSecondChords = "Bb:4 | F:4 | Gm:4 | Dm:4 | Bb:4 | C:4 | A7:4 | Dm:4";
constexpr std::string_view kCloseChords = "Gm:2 A:2 | Dm:4";

constexpr std::string_view kFirstStrain =
    "A5:1.5 G5:.5 F5:1 E5:.5 D5:.5 | F5:2 D5:1 Bb4:1 | "
    "C6:1.5 Bb5:.5 A5:1 G5:.5 F5:.5 | G5:3 r:1 | "
    "A5:1.5 G5:.5 F5:1 A5:1 | Bb5:1.5 A5:.5 G5:1 D5:1 | "
    "F5:1 D5:1 E5:1 G5:1 | D5:3 r:1";
constexpr std::string_view kSecondStrain =
    "D6:1 C6:.5 Bb5:.5 F5:2 | C6:1 A5:.5 G5:.5 F5:2 | "
    "Bb5:1 A5:.5 G5:.5 D5:1 G5:1 | A5:3 r:1 | "
    "D6:1 C6:.5 Bb5:.5 F5:1 Bb5:1 | G5:1 E5:.5 F5:.5 G5:1 C6:1 | "
    "A5:1 E5:.5 G5:.5 C#6:2 | D6:3 r:1";
constexpr std::string_view kClose = "D5:1 G5:1 E5:1 C#5:1 | D5:4";

double Bar(int n) {
    return (n - 1) * kBeatsPerBar;
}

std::vector<ChordSpan> Harmony() {
    std::vector<ChordSpan> all;
    for (const auto& [text, bar] : {std::pair{kIntroChords, 1}, std::pair{kFirstChords, 3},
                                    std::pair{kSecondChords, 11}, std::pair{kCloseChords, 19}}) {
        const std::vector<ChordSpan> part = ParseProgression(text, Bar(bar));
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// Eighth-note harp arpeggios up and back down; the last chord is rolled and
// left to ring.
void PlayHarp(MidiTrack& track, const std::vector<ChordSpan>& harmony) {
    for (std::size_t i = 0; i < harmony.size(); ++i) {
        const ChordSpan& s = harmony[i];
        const int root = RootKey(s.chord, 48);
        const int third = 12 + s.chord.third;
        const int top = s.chord.seventh ? 22 : 19;
        const int shape[] = {0, 7, 12, third, top, third, 12, 7};
        if (i + 1 == harmony.size()) {
            for (int step = 0; step < 5; ++step) {
                const double at = s.start + 0.25 * step;
                track.Note(TickOf(at), kHarp, root + shape[step], 60,
                           TickOf(s.start + s.beats) - TickOf(at));
            }
            continue;
        }
        const int steps = static_cast<int>(s.beats * 2);
        for (int step = 0; step < steps; ++step) {
            track.Note(TickOf(s.start + 0.5 * step), kHarp, root + shape[step % 8],
                       step % 2 == 0 ? 64 : 52, TickOf(0.9));
        }
    }
}

// A held chord under everything.
void PlayPad(MidiTrack& track, const std::vector<ChordSpan>& harmony) {
    for (const ChordSpan& s : harmony) {
        for (int key : Voicing(s.chord, 53)) {
            track.Note(TickOf(s.start), kPad, key, 48, TickOf(s.beats) - 10);
        }
    }
}

// Root and fifth in half notes from the second bar; the last note is held.
void PlayBass(MidiTrack& track, const std::vector<ChordSpan>& harmony) {
    for (std::size_t i = 0; i < harmony.size(); ++i) {
        const ChordSpan& s = harmony[i];
        if (s.start < Bar(2)) {
            continue;
        }
        const int root = RootKey(s.chord, 36);
        const bool last = i + 1 == harmony.size();
        if (last || s.beats < kBeatsPerBar) {
            track.Note(TickOf(s.start), kBass, root, 84, TickOf(s.beats * 0.95));
            continue;
        }
        track.Note(TickOf(s.start), kBass, root, 86, TickOf(1.9));
        track.Note(TickOf(s.start + 2.0), kBass, root + 7, 74, TickOf(1.9));
    }
}

void PlayDrums(MidiTrack& t) {
    for (int bar = 3; bar <= 19; ++bar) {
        const bool second = bar >= 11;
        PlayGrid(t, Bar(bar), drum::kKick, "X....... ..x.....", 84);
        PlayGrid(t, Bar(bar), drum::kSideStick, "........ x.......", 70);
        PlayGrid(t, Bar(bar), drum::kClosedHat, "x...x... x...x...", 52);
        if (second) {
            PlayGrid(t, Bar(bar), drum::kMaracas, "o.x.o.x. o.x.o.x.", 56);
        }
    }
    PlayGrid(t, Bar(11), drum::kCrash, "x...............", 60);
    PlayGrid(t, Bar(20), drum::kKick, "X...............", 80);
    PlayGrid(t, Bar(20), drum::kCrash, "o...............", 70);
}

}  // namespace

MidiSong MakeFallingRows() {
    MidiSong song;
    song.ticksPerBeat = kTicksPerBeat;
    song.tailTicks = TickOf(3.0);
    song.tracks.push_back(Conductor("Falling Rows", kTempo));

    MidiTrack flute = PartTrack("Flute", kFlute, 73, 92, 70, 60);
    PlayLine(flute, kFlute, Bar(3), kFirstStrain, 86, 0.95);
    PlayLine(flute, kFlute, Bar(11), kSecondStrain, 90, 0.95);
    PlayLine(flute, kFlute, Bar(19), kClose, 84, 0.95);
    song.tracks.push_back(std::move(flute));

    const std::vector<ChordSpan> harmony = Harmony();
    MidiTrack harp = PartTrack("Harp", kHarp, 46, 80, 44, 70);
    PlayHarp(harp, harmony);
    song.tracks.push_back(std::move(harp));

    MidiTrack pad = PartTrack("Pad", kPad, 89, 64, 84, 80);  // warm pad
    PlayPad(pad, harmony);
    song.tracks.push_back(std::move(pad));

    MidiTrack bass = PartTrack("Bass", kBass, 32, 92, 64, 20);  // acoustic bass
    PlayBass(bass, harmony);
    song.tracks.push_back(std::move(bass));

    MidiTrack drums = PartTrack("Drums", kDrumChannel, 0, 76, 64, 40);
    PlayDrums(drums);
    song.tracks.push_back(std::move(drums));
    return song;
}

}  // namespace zorvane::soundgen
