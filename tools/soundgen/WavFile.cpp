#include "tools/soundgen/WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

namespace zorvane::soundgen {

namespace {

// WAV fields are little-endian whatever the machine is.
void PutU16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void PutU32(std::string& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

}  // namespace

bool WriteWav(const std::filesystem::path& path, const Samples& samples) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);

    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutU32(out, 36 + dataBytes);
    out += "WAVE";
    out += "fmt ";
    PutU32(out, 16);  // size of the format chunk
    PutU16(out, 1);   // PCM
    PutU16(out, kChannels);
    PutU32(out, kSampleRate);
    PutU32(out, kSampleRate * kChannels * kBytesPerSample);
    PutU16(out, kChannels * kBytesPerSample);
    PutU16(out, 8 * kBytesPerSample);
    out += "data";
    PutU32(out, dataBytes);
    for (double x : samples) {
        const long v = std::lround(std::clamp(x, -1.0, 1.0) * 32767.0);
        PutU16(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(v)) & 0xFFFF);
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    file.close();
    return !file.fail();
}

}  // namespace zorvane::soundgen
