// "Zorvane Theme": the game's own tune. C major, 132 beats a minute, 28 bars:
// two bars of intro, the theme (8), a bridge (8), the theme again with bells
// doubling the lead (8) and a two-bar ending.

#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/soundgen/SongKit.h"
#include "tools/soundgen/Songs.h"

namespace zorvane::soundgen {

namespace {

constexpr double kTempo = 132.0;
constexpr int kLead = 0;
constexpr int kBass = 1;
constexpr int kKeys = 2;
constexpr int kBells = 3;

constexpr std::string_view kIntroChords = "C:4 | G:4";
constexpr std::string_view kThemeChords = "C:4 | Am:4 | F:4 | G:4 | C:4 | Am:4 | F:2 G:2 | C:4";
constexpr std::string_view kBridgeChords = "F:4 | G:4 | Em:4 | Am:4 | Dm:4 | G:4 | C:4 | G:4";
constexpr std::string_view kEndChords = "F:2 G:2 | C:4";

constexpr std::string_view kTheme =
    "E5:1 G5:1 C6:.5 B5:.5 G5:1 | A5:1.5 G5:.5 E5:1 C5:1 | "
    "F5:1 A5:1 C6:1 A5:.5 G5:.5 | G5:1.5 F5:.5 D5:1 B4:1 | "
    "E5:1 G5:1 C6:.5 D6:.5 E6:1 | D6:.5 C6:.5 A5:1 E5:1 A5:1 | "
    "F5:.5 A5:.5 C6:1 B5:.5 D6:.5 B5:1 | C6:3 r:1";
constexpr std::string_view kBridge =
    "A5:.5 A5:.5 G5:.5 A5:1 C6:1.5 | B5:.5 A5:.5 G5:1 D5:1 G5:1 | "
    "G5:.5 G5:.5 E5:.5 G5:1 B5:1.5 | C6:.5 B5:.5 A5:1 E5:1 C5:1 | "
    "D5:.5 F5:.5 A5:1 F5:.5 A5:.5 D6:1 | B5:1 G5:.5 F5:.5 D5:1 B4:1 | "
    "C5:.5 E5:.5 G5:1 E5:.5 G5:.5 C6:1 | D6:1 B5:.5 G5:.5 D5:1 r:1";
constexpr std::string_view kEnding = "A5:1 C6:1 B5:1 D6:1 | C6:4";

// Bars are numbered from 1, as a musician counts them.
double Bar(int n) {
    return (n - 1) * kBeatsPerBar;
}

std::vector<ChordSpan> Harmony() {
    std::vector<ChordSpan> all;
    for (const auto& [text, bar] :
         {std::pair{kIntroChords, 1}, std::pair{kThemeChords, 3}, std::pair{kBridgeChords, 11},
          std::pair{kThemeChords, 19}, std::pair{kEndChords, 27}}) {
        const std::vector<ChordSpan> part = ParseProgression(text, Bar(bar));
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// A bouncing eighth-note bass: root, octave and fifth; the last chord is held.
void PlayBass(MidiTrack& track, const std::vector<ChordSpan>& harmony) {
    struct Hit {
        double at, length;
        int interval, velocity;
    };
    static constexpr Hit kBar[] = {{0.0, 0.9, 0, 96}, {1.0, 0.45, 0, 80}, {1.5, 0.45, 12, 84},
                                   {2.0, 0.9, 7, 90}, {3.0, 0.45, 0, 80}, {3.5, 0.45, 7, 78}};
    static constexpr Hit kHalf[] = {{0.0, 0.9, 0, 96}, {1.0, 0.45, 0, 80}, {1.5, 0.45, 7, 78}};
    for (std::size_t i = 0; i < harmony.size(); ++i) {
        const ChordSpan& s = harmony[i];
        const int root = RootKey(s.chord, 36);
        if (i + 1 == harmony.size()) {
            track.Note(TickOf(s.start), kBass, root, 96, TickOf(s.beats));
            continue;
        }
        const bool whole = s.beats >= kBeatsPerBar;
        for (const Hit& h : whole ? std::span<const Hit>(kBar) : std::span<const Hit>(kHalf)) {
            track.Note(TickOf(s.start + h.at), kBass, root + h.interval, h.velocity,
                       TickOf(h.length));
        }
    }
}

// Electric piano: the chord on the first beat, then short off-beat stabs
// (beat 2 stays open for the snare). The last chord is held.
void PlayKeys(MidiTrack& track, const std::vector<ChordSpan>& harmony) {
    static constexpr double kBarStabs[] = {2.5, 3.5};
    static constexpr double kHalfStabs[] = {1.5};
    for (std::size_t i = 0; i < harmony.size(); ++i) {
        const ChordSpan& s = harmony[i];
        const bool last = i + 1 == harmony.size();
        const bool whole = s.beats >= kBeatsPerBar;
        for (int key : Voicing(s.chord, 55)) {
            track.Note(TickOf(s.start), kKeys, key, 62,
                       TickOf(last ? s.beats : 0.75 * (whole ? 2 : 1)));
            if (last) {
                continue;
            }
            for (double stab :
                 whole ? std::span<const double>(kBarStabs) : std::span<const double>(kHalfStabs)) {
                track.Note(TickOf(s.start + stab), kKeys, key, 52, TickOf(0.4));
            }
        }
    }
}

void Groove(MidiTrack& t, int bar, std::string_view cymbal, int cymbalKey) {
    PlayGrid(t, Bar(bar), drum::kKick, "X.....x. X.......", 100);
    PlayGrid(t, Bar(bar), drum::kSnare, "....X... ....X...", 92);
    PlayGrid(t, Bar(bar), cymbalKey, cymbal, 78);
}

void PlayDrums(MidiTrack& t) {
    constexpr std::string_view kHats = "x.o.x.o. x.o.x.o.";
    constexpr std::string_view kRide = "X.x.X.x. X.x.X.x.";
    PlayGrid(t, Bar(1), drum::kKick, "X....... X.......", 96);
    PlayGrid(t, Bar(1), drum::kClosedHat, kHats, 70);
    PlayGrid(t, Bar(2), drum::kKick, "X....... X.......", 96);
    PlayGrid(t, Bar(2), drum::kSnare, "....X... ..o.XoXX", 90);
    PlayGrid(t, Bar(2), drum::kClosedHat, "x.o.x.o. x.o.....", 70);
    for (int bar = 3; bar <= 26; ++bar) {
        const bool bridge = bar >= 11 && bar <= 18;
        if (bar == 3 || bar == 11 || bar == 19) {
            PlayGrid(t, Bar(bar), drum::kCrash, "X...............", 88);
        }
        if (bar == 10 || bar == 26) {  // snare fill into the next section
            PlayGrid(t, Bar(bar), drum::kKick, "X.....x. X.......", 100);
            PlayGrid(t, Bar(bar), drum::kSnare, "....X... ..o.XoXX", 92);
            PlayGrid(t, Bar(bar), drum::kClosedHat, "x.o.x.o. x.o.....", 78);
        } else if (bar == 18) {  // tom run back into the theme
            PlayGrid(t, Bar(bar), drum::kKick, "X....... X.......", 100);
            PlayGrid(t, Bar(bar), drum::kSnare, "....X... ........", 92);
            PlayGrid(t, Bar(bar), drum::kRide, "X.x.X.x. ........", 78);
            PlayGrid(t, Bar(bar), drum::kHighTom, "........ X.x.....", 90);
            PlayGrid(t, Bar(bar), drum::kMidTom, "........ ....X...", 90);
            PlayGrid(t, Bar(bar), drum::kLowTom, "........ ......X.", 94);
        } else {
            Groove(t, bar, bridge ? kRide : kHats, bridge ? drum::kRide : drum::kClosedHat);
        }
    }
    PlayGrid(t, Bar(27), drum::kKick, "X....... X.......", 100);
    PlayGrid(t, Bar(27), drum::kSnare, "....X... ....X.XX", 92);
    PlayGrid(t, Bar(27), drum::kClosedHat, kHats, 78);
    PlayGrid(t, Bar(28), drum::kKick, "X...............", 104);
    PlayGrid(t, Bar(28), drum::kCrash, "X...............", 92);
}

}  // namespace

MidiSong MakeZorvaneTheme() {
    MidiSong song;
    song.ticksPerBeat = kTicksPerBeat;
    song.tailTicks = TickOf(2.0);
    song.tracks.push_back(Conductor("Zorvane Theme", kTempo));

    MidiTrack lead = PartTrack("Lead", kLead, 80, 84, 64, 40);  // square lead
    PlayLine(lead, kLead, Bar(3), kTheme, 96, 0.85);
    PlayLine(lead, kLead, Bar(11), kBridge, 96, 0.85);
    PlayLine(lead, kLead, Bar(19), kTheme, 100, 0.85);
    PlayLine(lead, kLead, Bar(27), kEnding, 100, 0.9);
    song.tracks.push_back(std::move(lead));

    MidiTrack bells = PartTrack("Bells", kBells, 9, 70, 84, 60);  // glockenspiel
    PlayLine(bells, kBells, Bar(19), kTheme, 64, 0.5);
    PlayLine(bells, kBells, Bar(27), kEnding, 64, 0.9);
    song.tracks.push_back(std::move(bells));

    const std::vector<ChordSpan> harmony = Harmony();
    MidiTrack bass = PartTrack("Bass", kBass, 33, 100, 64, 10);  // fingered electric bass
    PlayBass(bass, harmony);
    song.tracks.push_back(std::move(bass));

    MidiTrack keys = PartTrack("Keys", kKeys, 4, 72, 44, 50);  // electric piano
    PlayKeys(keys, harmony);
    song.tracks.push_back(std::move(keys));

    MidiTrack drums = PartTrack("Drums", kDrumChannel, 0, 90, 64, 30);
    PlayDrums(drums);
    song.tracks.push_back(std::move(drums));
    return song;
}

}  // namespace zorvane::soundgen
