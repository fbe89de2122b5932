#pragma once
// Writes a sound as a 16-bit PCM mono WAV file at kSampleRate.

#include <filesystem>

#include "tools/soundgen/Dsp.h"

namespace zorvane::soundgen {

// Samples are in [-1, 1]; anything beyond is clamped. False when the file
// cannot be written completely.
bool WriteWav(const std::filesystem::path& path, const Samples& samples);

}  // namespace zorvane::soundgen
