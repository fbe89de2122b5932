#include "tools/soundgen/Effects.h"

#include <cmath>

namespace zorvane::soundgen {

Samples MakeWump() {
    const int n = SampleCount(0.25);
    Samples tone(static_cast<std::size_t>(n));
    Samples knock(static_cast<std::size_t>(n));
    Oscillator osc;
    Noise noise(0x5EED0001u);
    StateVariableFilter knockFilter;
    knockFilter.Tune(900.0, 0.7);
    for (int i = 0; i < n; ++i) {
        const double t = TimeOf(i);
        // The pitch falls quickly from 150 Hz to 55 Hz: that fall is the "wump".
        const double hz = 55.0 + 95.0 * std::exp(-t / 0.04);
        const double wave = 0.8 * osc.Sine(hz) + 0.2 * osc.Triangle(hz);
        tone[static_cast<std::size_t>(i)] = wave * AttackDecay(t, 0.004, 0.07);
        knock[static_cast<std::size_t>(i)] =
            knockFilter.Process(noise.Next()).low * AttackDecay(t, 0.001, 0.012);
    }
    ScalePeak(tone, 1.0);
    ScalePeak(knock, 1.0);
    Samples mix(static_cast<std::size_t>(n), 0.0);
    MixInto(mix, tone, 1.0);
    MixInto(mix, knock, 0.3);
    // Dull: little above a kilohertz, nothing below the speaker's reach.
    OnePoleLowpass dull(1200.0);
    OnePoleHighpass lowCut(30.0);
    for (double& x : mix) {
        x = lowCut.Process(dull.Process(x));
    }
    Finish(mix, 0.002, 0.03);
    return mix;
}

Samples MakeSubping() {
    const int n = SampleCount(0.35);
    Samples mix(static_cast<std::size_t>(n));
    Oscillator a, b, octave, twelfth;
    constexpr double kBase = 1046.5;  // C6
    for (int i = 0; i < n; ++i) {
        const double t = TimeOf(i);
        // Starts about a semitone flat and slides up within a few ms.
        const double hz = kBase * (1.0 - 0.06 * std::exp(-t / 0.012));
        // The second voice is 7 cents sharp: a slow shimmer, not a chorus.
        const double body = 0.5 * (a.Sine(hz) + b.Sine(hz * 1.004));
        const double sparkle = 0.25 * octave.Sine(2.0 * hz) * std::exp(-t / 0.05) +
                               0.08 * twelfth.Sine(3.0 * hz) * std::exp(-t / 0.025);
        mix[static_cast<std::size_t>(i)] = (body + sparkle) * AttackDecay(t, 0.003, 0.085);
    }
    Finish(mix, 0.001, 0.02);
    return mix;
}

namespace {

// Wide-band noise whose cutoff sweeps down: the bright crack turns dark.
Samples Blast(int n) {
    Samples out(static_cast<std::size_t>(n));
    Noise noise(0x5EED0002u);
    StateVariableFilter filter;
    for (int i = 0; i < n; ++i) {
        const double t = TimeOf(i);
        filter.Tune(250.0 + 4500.0 * std::exp(-t / 0.08), 0.8);
        out[static_cast<std::size_t>(i)] =
            filter.Process(noise.Next()).low * AttackDecay(t, 0.003, 0.12);
    }
    return out;
}

// A low sine dropping from about 100 Hz to 38 Hz.
Samples Boom(int n) {
    Samples out(static_cast<std::size_t>(n));
    Oscillator osc;
    for (int i = 0; i < n; ++i) {
        const double t = TimeOf(i);
        const double hz = 38.0 + 60.0 * std::exp(-t / 0.07);
        out[static_cast<std::size_t>(i)] = osc.Sine(hz) * AttackDecay(t, 0.005, 0.22);
    }
    return out;
}

// Deep filtered noise that swells a little later and dies away slowly.
Samples Rumble(int n) {
    Samples out(static_cast<std::size_t>(n));
    Noise noise(0x5EED0003u);
    OnePoleLowpass first(140.0);
    OnePoleLowpass second(140.0);
    for (int i = 0; i < n; ++i) {
        const double t = TimeOf(i);
        out[static_cast<std::size_t>(i)] =
            second.Process(first.Process(noise.Next())) * AttackDecay(t, 0.03, 0.28);
    }
    return out;
}

// Sparse debris crackles, thinning out as the explosion fades; kept below
// a few kilohertz so they patter rather than hiss.
Samples Crackle(int n) {
    Samples out(static_cast<std::size_t>(n));
    Noise noise(0x5EED0004u);
    Noise chance(0x5EED0005u);
    StateVariableFilter band;
    band.Tune(1800.0, 1.2);
    OnePoleLowpass dull(3000.0);
    double grain = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = TimeOf(i);
        const double p = 0.003 * std::exp(-t / 0.16);
        if (0.5 * (chance.Next() + 1.0) < p) {
            grain = 0.4 + 0.3 * (chance.Next() + 1.0);
        }
        grain *= std::exp(-1.0 / (0.003 * kSampleRate));
        out[static_cast<std::size_t>(i)] = dull.Process(band.Process(noise.Next() * grain).band);
    }
    return out;
}

}  // namespace

Samples MakeExplode() {
    const int n = SampleCount(0.9);
    Samples blast = Blast(n);
    Samples boom = Boom(n);
    Samples rumble = Rumble(n);
    Samples crackle = Crackle(n);
    for (Samples* part : {&blast, &boom, &rumble, &crackle}) {
        ScalePeak(*part, 1.0);
    }
    Samples mix(static_cast<std::size_t>(n), 0.0);
    MixInto(mix, blast, 0.7);
    MixInto(mix, boom, 0.9);
    MixInto(mix, rumble, 0.6);
    MixInto(mix, crackle, 0.15);
    // A soft saturation rounds the peaks, so the boom carries without
    // the whole sound becoming louder than the others.
    OnePoleHighpass lowCut(30.0);
    for (double& x : mix) {
        x = std::tanh(1.3 * lowCut.Process(x));
    }
    Finish(mix, 0.001, 0.08);
    return mix;
}

Samples MakeClick() {
    const int n = SampleCount(0.08);
    Samples mix(static_cast<std::size_t>(n));
    Oscillator tick, body;
    Noise noise(0x5EED0006u);
    StateVariableFilter band;
    band.Tune(3000.0, 1.5);
    for (int i = 0; i < n; ++i) {
        const double t = TimeOf(i);
        // A wooden tock under a brief bright edge; the noise gives the contact.
        const double edge = 0.35 * tick.Sine(2400.0) * AttackDecay(t, 0.0005, 0.004);
        const double tock = 0.6 * body.Sine(900.0) * AttackDecay(t, 0.001, 0.012);
        const double contact =
            0.5 * band.Process(noise.Next()).band * AttackDecay(t, 0.0004, 0.003);
        mix[static_cast<std::size_t>(i)] = edge + tock + contact;
    }
    // Soft rather than sharp: take the top off.
    OnePoleLowpass soften(5000.0);
    OnePoleHighpass lowCut(80.0);
    for (double& x : mix) {
        x = lowCut.Process(soften.Process(x));
    }
    Finish(mix, 0.0005, 0.01);
    return mix;
}

}  // namespace zorvane::soundgen
