#include "tools/soundgen/Dsp.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zorvane::soundgen {

int SampleCount(double seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

double Noise::Next() {
    // xorshift32: tiny, and identical on every platform, unlike the
    // distributions of <random>.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

double Oscillator::Advance(double hz) {
    const double p = phase_;
    phase_ += hz / kSampleRate;
    phase_ -= std::floor(phase_);
    return p;
}

double Oscillator::Sine(double hz) {
    return std::sin(2.0 * kPi * Advance(hz));
}

double Oscillator::Triangle(double hz) {
    const double p = Advance(hz);
    if (p < 0.25) {
        return 4.0 * p;
    }
    if (p < 0.75) {
        return 2.0 - 4.0 * p;
    }
    return 4.0 * p - 4.0;
}

OnePoleLowpass::OnePoleLowpass(double hz) : a_(1.0 - std::exp(-2.0 * kPi * hz / kSampleRate)) {}

double OnePoleLowpass::Process(double x) {
    y_ += a_ * (x - y_);
    return y_;
}

OnePoleHighpass::OnePoleHighpass(double hz) : r_(std::exp(-2.0 * kPi * hz / kSampleRate)) {}

double OnePoleHighpass::Process(double x) {
    const double y = x - x1_ + r_ * y1_;
    x1_ = x;
    y1_ = y;
    return y;
}

void StateVariableFilter::Tune(double hz, double q) {
    const double limited = std::clamp(hz, 10.0, 0.45 * kSampleRate);
    const double g = std::tan(kPi * limited / kSampleRate);
    k_ = 1.0 / q;
    a1_ = 1.0 / (1.0 + g * (g + k_));
    a2_ = g * a1_;
    a3_ = g * a2_;
}

StateVariableFilter::Out StateVariableFilter::Process(double x) {
    const double v3 = x - ic2_;
    const double v1 = a1_ * ic1_ + a2_ * v3;
    const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    return {v2, v1, x - k_ * v1 - v2};
}

double AttackDecay(double t, double attack, double tau) {
    if (t < 0.0) {
        return 0.0;
    }
    if (t < attack) {
        return 0.5 - 0.5 * std::cos(kPi * t / attack);
    }
    return std::exp(-(t - attack) / tau);
}

void ScalePeak(Samples& s, double peak) {
    double largest = 0.0;
    for (double x : s) {
        largest = std::max(largest, std::abs(x));
    }
    if (largest == 0.0) {
        return;
    }
    for (double& x : s) {
        x *= peak / largest;
    }
}

void MixInto(Samples& mix, const Samples& part, double gain) {
    const std::size_t n = std::min(mix.size(), part.size());
    for (std::size_t i = 0; i < n; ++i) {
        mix[i] += gain * part[i];
    }
}

void Finish(Samples& s, double fadeInSeconds, double fadeOutSeconds) {
    if (s.empty()) {
        return;
    }
    const double mean = std::accumulate(s.begin(), s.end(), 0.0) / static_cast<double>(s.size());
    for (double& x : s) {
        x -= mean;
    }
    const int n = static_cast<int>(s.size());
    const int in = std::min(SampleCount(fadeInSeconds), n);
    const int out = std::min(SampleCount(fadeOutSeconds), n);
    for (int i = 0; i < in; ++i) {
        s[static_cast<std::size_t>(i)] *= 0.5 - 0.5 * std::cos(kPi * i / in);
    }
    for (int i = 0; i < out; ++i) {
        // The last sample lands exactly on zero.
        s[static_cast<std::size_t>(n - 1 - i)] *= 0.5 - 0.5 * std::cos(kPi * i / out);
    }
    ScalePeak(s, std::pow(10.0, -3.0 / 20.0));
}

}  // namespace zorvane::soundgen
