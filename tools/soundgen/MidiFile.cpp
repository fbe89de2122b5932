#include "tools/soundgen/MidiFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace zorvane::soundgen {

namespace {

enum Rank { kMeta = 0, kSetting = 1, kNoteOff = 2, kNoteOn = 3 };

std::uint8_t Data7(int v) {
    return static_cast<std::uint8_t>(std::clamp(v, 0, 127));
}

std::uint8_t Status(int kind, int channel) {
    return static_cast<std::uint8_t>(kind | (channel & 0x0F));
}

void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    }
}

void AppendU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
}

std::vector<std::uint8_t> Meta(std::uint8_t type, const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> bytes{0xFF, type};
    AppendVarLen(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

}  // namespace

void AppendVarLen(std::vector<std::uint8_t>& out, std::uint32_t value) {
    // Seven bits per byte, most significant group first; every byte but the
    // last carries the continuation bit.
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    }
    out.push_back(groups[0]);
}

MidiTrack::MidiTrack(std::string name) {
    Add(0, kMeta, Meta(0x03, std::vector<std::uint8_t>(name.begin(), name.end())));
}

void MidiTrack::Add(std::uint32_t tick, int rank, std::vector<std::uint8_t> bytes) {
    events_.push_back({tick, rank, std::move(bytes)});
}

void MidiTrack::Tempo(std::uint32_t tick, double beatsPerMinute) {
    const auto micros = static_cast<std::uint32_t>(std::lround(60'000'000.0 / beatsPerMinute));
    Add(tick, kMeta,
        Meta(0x51, {static_cast<std::uint8_t>((micros >> 16) & 0xFF),
                    static_cast<std::uint8_t>((micros >> 8) & 0xFF),
                    static_cast<std::uint8_t>(micros & 0xFF)}));
}

void MidiTrack::TimeSignature(std::uint32_t tick, int numerator, int denominator) {
    // The denominator is stored as a power of two; 24 clocks per click and
    // 8 thirty-seconds per quarter are the usual values.
    const auto power =
        static_cast<std::uint8_t>(std::countr_zero(static_cast<unsigned>(denominator)));
    Add(tick, kMeta, Meta(0x58, {Data7(numerator), power, 24, 8}));
}

void MidiTrack::Program(std::uint32_t tick, int channel, int program) {
    Add(tick, kSetting, {Status(0xC0, channel), Data7(program)});
}

void MidiTrack::Controller(std::uint32_t tick, int channel, int controller, int value) {
    Add(tick, kSetting, {Status(0xB0, channel), Data7(controller), Data7(value)});
}

void MidiTrack::Note(std::uint32_t tick, int channel, int key, int velocity,
                     std::uint32_t duration) {
    // Velocity 0 would be read as a note-off.
    Add(tick, kNoteOn, {Status(0x90, channel), Data7(key), Data7(std::max(velocity, 1))});
    Add(tick + std::max<std::uint32_t>(duration, 1), kNoteOff,
        {Status(0x80, channel), Data7(key), 64});
}

std::uint32_t MidiTrack::LastTick() const {
    std::uint32_t last = 0;
    for (const Event& e : events_) {
        last = std::max(last, e.tick);
    }
    return last;
}

std::vector<std::uint8_t> MidiTrack::Encode(std::uint32_t endTick) const {
    std::vector<Event> sorted = events_;
    // Note-offs before note-ons at one tick, so a repeated key is released
    // before it is struck again; otherwise the order of writing holds.
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.rank < b.rank;
    });
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    for (const Event& e : sorted) {
        AppendVarLen(body, e.tick - now);
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        now = e.tick;
    }
    AppendVarLen(body, std::max(endTick, now) - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> chunk{'M', 'T', 'r', 'k'};
    AppendU32(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<std::uint8_t> EncodeSong(const MidiSong& song) {
    std::uint32_t end = 0;
    for (const MidiTrack& t : song.tracks) {
        end = std::max(end, t.LastTick());
    }
    end += song.tailTicks;

    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
    AppendU32(out, 6);
    AppendU16(out, 1);  // format 1: tracks play together
    AppendU16(out, static_cast<std::uint32_t>(song.tracks.size()));
    AppendU16(out, static_cast<std::uint32_t>(song.ticksPerBeat));
    for (const MidiTrack& t : song.tracks) {
        const std::vector<std::uint8_t> chunk = t.Encode(end);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

}  // namespace zorvane::soundgen
