#pragma once
// The four game sounds. Each is built from oscillators, seeded noise,
// envelopes and filters, and comes back finished: faded at both ends and
// normalised to -3 dBFS peak.

#include "tools/soundgen/Dsp.h"

namespace zorvane::soundgen {

// Bad move: a dull low thud, about 0.25 s.
Samples MakeWump();

// Good move: a short bright ping with a small upward chirp, about 0.35 s.
Samples MakeSubping();

// A group or bomb goes off: noise burst, low boom and a fading rumble, about 0.9 s.
Samples MakeExplode();

// The rows move up one place: a soft tick, about 0.08 s.
Samples MakeClick();

}  // namespace zorvane::soundgen
