#pragma once
// A small Standard MIDI File writer: format 1, one conductor track with the
// tempo and metre, then one track per instrument part.

#include <cstdint>
#include <string>
#include <vector>

namespace zorvane::soundgen {

class MidiTrack {
  public:
    explicit MidiTrack(std::string name);

    void Tempo(std::uint32_t tick, double beatsPerMinute);
    void TimeSignature(std::uint32_t tick, int numerator, int denominator);
    void Program(std::uint32_t tick, int channel, int program);
    void Controller(std::uint32_t tick, int channel, int controller, int value);
    // Key and velocity are clamped to 0..127; a zero duration still sounds one tick.
    void Note(std::uint32_t tick, int channel, int key, int velocity, std::uint32_t duration);

    // The tick of the last event (0 for an empty track).
    std::uint32_t LastTick() const;

    // The whole "MTrk" chunk, ending with the end-of-track event at `endTick`.
    std::vector<std::uint8_t> Encode(std::uint32_t endTick) const;

  private:
    struct Event {
        std::uint32_t tick;
        int rank;  // at one tick: meta, then settings, then note-offs, then note-ons
        std::vector<std::uint8_t> bytes;
    };
    void Add(std::uint32_t tick, int rank, std::vector<std::uint8_t> bytes);
    std::vector<Event> events_;
};

struct MidiSong {
    int ticksPerBeat = 480;
    std::vector<MidiTrack> tracks;
    // Silence after the last note, so that the final chord can ring out.
    std::uint32_t tailTicks = 480;
};

// The complete file: "MThd" header and every track.
std::vector<std::uint8_t> EncodeSong(const MidiSong& song);

// Appends a MIDI variable-length quantity (7 bits a byte, high bit = more).
void AppendVarLen(std::vector<std::uint8_t>& out, std::uint32_t value);

}  // namespace zorvane::soundgen
