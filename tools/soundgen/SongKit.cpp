#include "tools/soundgen/SongKit.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace zorvane::soundgen {

namespace {

std::vector<std::string_view> Tokens(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ') {
            ++i;
        }
        if (i > start) {
            out.push_back(text.substr(start, i - start));
        }
    }
    return out;
}

[[noreturn]] void Bad(std::string_view what, std::string_view token) {
    throw std::invalid_argument(std::string(what) + " \"" + std::string(token) + "\"");
}

// "name:length" into the name and a positive length in beats.
std::string_view SplitLength(std::string_view token, double& beats) {
    const std::size_t colon = token.find(':');
    if (colon == std::string_view::npos) {
        Bad("no length in", token);
    }
    const std::string_view number = token.substr(colon + 1);
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), beats);
    if (error != std::errc() || end != number.data() + number.size() || !(beats > 0.0)) {
        Bad("bad length in", token);
    }
    return token.substr(0, colon);
}

// Root letter and accidental; `rest` receives what follows them.
int PitchClass(std::string_view name, std::string_view token, std::string_view& rest) {
    static constexpr int kNatural[7] = {9, 11, 0, 2, 4, 5, 7};  // A .. G
    if (name.empty() || name[0] < 'A' || name[0] > 'G') {
        Bad("bad note name in", token);
    }
    int pc = kNatural[name[0] - 'A'];
    std::size_t used = 1;
    if (name.size() > 1 && (name[1] == '#' || name[1] == 'b')) {
        pc += name[1] == '#' ? 1 : -1;
        used = 2;
    }
    rest = name.substr(used);
    return (pc + 12) % 12;
}

void CheckBarLine(double offset, std::string_view token) {
    const double bars = offset / kBeatsPerBar;
    if (std::abs(bars - std::round(bars)) > 1e-9) {
        Bad("bar line off the bar at", token);
    }
}

}  // namespace

std::uint32_t TickOf(double beat) {
    return static_cast<std::uint32_t>(std::lround(beat * kTicksPerBeat));
}

MidiTrack Conductor(std::string_view title, double beatsPerMinute) {
    MidiTrack track{std::string(title)};
    track.Tempo(0, beatsPerMinute);
    track.TimeSignature(0, kBeatsPerBar, 4);
    return track;
}

MidiTrack PartTrack(std::string_view name, int channel, int program, int volume, int pan,
                    int reverb) {
    MidiTrack track{std::string(name)};
    if (channel != kDrumChannel) {
        track.Program(0, channel, program);
    }
    track.Controller(0, channel, 7, volume);
    track.Controller(0, channel, 10, pan);
    track.Controller(0, channel, 91, reverb);
    return track;
}

std::vector<ChordSpan> ParseProgression(std::string_view text, double startBeat) {
    std::vector<ChordSpan> spans;
    double offset = 0.0;
    for (std::string_view token : Tokens(text)) {
        if (token == "|") {
            CheckBarLine(offset, token);
            continue;
        }
        double beats = 0.0;
        std::string_view rest;
        Chord chord;
        chord.root = PitchClass(SplitLength(token, beats), token, rest);
        if (rest == "m") {
            chord.third = 3;
        } else if (rest == "7") {
            chord.seventh = true;
        } else if (!rest.empty()) {
            Bad("unknown chord in", token);
        }
        spans.push_back({chord, startBeat + offset, beats});
        offset += beats;
    }
    return spans;
}

double PlayLine(MidiTrack& track, int channel, double startBeat, std::string_view text,
                int velocity, double legato, int transpose) {
    double offset = 0.0;
    for (std::string_view token : Tokens(text)) {
        if (token == "|") {
            CheckBarLine(offset, token);
            continue;
        }
        double beats = 0.0;
        const std::string_view name = SplitLength(token, beats);
        if (name != "r") {
            std::string_view octaveText;
            const int pc = PitchClass(name, token, octaveText);
            int octave = 0;
            const auto [end, error] =
                std::from_chars(octaveText.data(), octaveText.data() + octaveText.size(), octave);
            if (octaveText.empty() || error != std::errc() ||
                end != octaveText.data() + octaveText.size()) {
                Bad("bad octave in", token);
            }
            const bool onBeat = std::abs(offset - std::round(offset)) < 1e-9;
            const int v = velocity - (onBeat ? 0 : 10);
            const double beat = startBeat + offset;
            track.Note(TickOf(beat), channel, 12 * (octave + 1) + pc + transpose, v,
                       TickOf(beat + beats * legato) - TickOf(beat));
        }
        offset += beats;
    }
    return startBeat + offset;
}

void PlayGrid(MidiTrack& track, double startBeat, int key, std::string_view grid, int velocity) {
    int step = 0;
    for (char c : grid) {
        int v = 0;
        switch (c) {
            case 'X':
                v = velocity;
                break;
            case 'x':
                v = velocity * 4 / 5;
                break;
            case 'o':
                v = velocity * 11 / 20;
                break;
            case '.':
                break;
            default:
                continue;  // spacing for the reader
        }
        if (v > 0) {
            track.Note(TickOf(startBeat + step * 0.25), kDrumChannel, key, v, kTicksPerBeat / 8);
        }
        ++step;
    }
}

std::vector<int> Voicing(const Chord& chord, int lowest) {
    std::vector<int> intervals{0, chord.third, 7};
    if (chord.seventh) {
        intervals.push_back(10);
    }
    std::vector<int> keys;
    for (int interval : intervals) {
        const int pc = (chord.root + interval) % 12;
        keys.push_back(lowest + ((pc - lowest) % 12 + 12) % 12);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

int RootKey(const Chord& chord, int base) {
    return base + ((chord.root - base) % 12 + 12) % 12;
}

}  // namespace zorvane::soundgen
