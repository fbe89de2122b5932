#include "engine/Random.h"

#include <chrono>

namespace zorvane {

int RandomSource::Random(int n) {
    if (n < 1) {
        return 0;
    }
    // Rejection keeps every value equally likely; the standard distributions
    // differ between libraries and would break reproducible seeds.
    const auto range = static_cast<std::uint32_t>(n);
    const std::uint32_t limit = std::mt19937::max() - std::mt19937::max() % range;
    std::uint32_t v;
    do {
        v = static_cast<std::uint32_t>(engine_());
    } while (v >= limit);
    return static_cast<int>(v % range);
}

std::uint32_t ClockSeed() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count() ^
                     std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(now ^ (now >> 32));
}

}  // namespace zorvane
