#pragma once
// Building blocks of the sound effects: a seeded noise source, oscillators
// that sweep without jumps, filters, envelopes and the finishing steps every
// effect goes through before it is written.

#include <cstdint>
#include <vector>

namespace zorvane::soundgen {

inline constexpr int kSampleRate = 44100;
inline constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

// Number of samples in a span of seconds.
int SampleCount(double seconds);

// Time in seconds of sample i.
inline double TimeOf(int i) {
    return static_cast<double>(i) / kSampleRate;
}

// White noise in [-1, 1). A fixed seed gives the same sound on every run.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed != 0 ? seed : 1u) {}
    double Next();

  private:
    std::uint32_t state_;
};

// Keeps its phase between samples, so a frequency sweep never jumps. Both
// waves start at zero and rise, which keeps the first sample silent.
class Oscillator {
  public:
    double Sine(double hz);
    double Triangle(double hz);

  private:
    double Advance(double hz);
    double phase_ = 0.0;  // in cycles, 0 <= phase_ < 1
};

// Gentle 6 dB/octave low-pass.
class OnePoleLowpass {
  public:
    explicit OnePoleLowpass(double hz);
    double Process(double x);

  private:
    double a_;
    double y_ = 0.0;
};

// 6 dB/octave high-pass; at a few tens of Hz it removes any DC drift.
class OnePoleHighpass {
  public:
    explicit OnePoleHighpass(double hz);
    double Process(double x);

  private:
    double r_;
    double x1_ = 0.0;
    double y1_ = 0.0;
};

// Resonant 12 dB/octave filter whose cutoff may change every sample
// (trapezoidal state-variable form, stable at any setting).
class StateVariableFilter {
  public:
    struct Out {
        double low;
        double band;
        double high;
    };
    void Tune(double hz, double q);
    Out Process(double x);

  private:
    double a1_ = 0.0, a2_ = 0.0, a3_ = 0.0, k_ = 1.0;
    double ic1_ = 0.0, ic2_ = 0.0;
};

// Rises along a half cosine for `attack` seconds, then decays
// exponentially with time constant `tau`.
double AttackDecay(double t, double attack, double tau);

// Scales so that the largest magnitude equals `peak` (silence stays silent).
void ScalePeak(Samples& s, double peak);

// Adds `gain` times `part` into `mix`, sample by sample.
void MixInto(Samples& mix, const Samples& part, double gain);

// Subtracts the mean, fades in and out along raised cosines (no clicks at
// either end) and normalises to -3 dBFS peak.
void Finish(Samples& s, double fadeInSeconds, double fadeOutSeconds);

}  // namespace zorvane::soundgen
