#include "engine/QuietHost.h"

namespace zorvane {

const char* EffectName(Effect effect) {
    switch (effect) {
        case Effect::Bad:
            return "bad";
        case Effect::Good:
            return "good";
        case Effect::Explode:
            return "explode";
        case Effect::Row:
            break;
    }
    return "row";
}

}  // namespace zorvane
