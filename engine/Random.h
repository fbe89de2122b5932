#pragma once
// The game's one random generator. The same seed gives the same sequence on
// every platform, so a seed reproduces a whole game.

#include <cstdint>
#include <random>

namespace zorvane {

class RandomSource {
  public:
    explicit RandomSource(std::uint32_t seed = 1) : engine_(seed) {}
    virtual ~RandomSource() = default;
    void Seed(std::uint32_t seed) { engine_.seed(seed); }
    // A uniform integer 0 .. n-1; 0 when n < 1. Virtual so tests can script
    // the draws and check their order.
    virtual int Random(int n);

  private:
    std::mt19937 engine_;
};

// A seed taken from the clock, for the program itself.
std::uint32_t ClockSeed();

}  // namespace zorvane
