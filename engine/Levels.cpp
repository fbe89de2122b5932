#include "engine/Levels.h"

#include <cmath>
#include <limits>

namespace zorvane {

int LevelPercent(std::int64_t rowsDone, std::int64_t level) {
    const std::int64_t rows = RowsForLevel(level);
    if (rows <= 0) {
        return 100;
    }
    const double exact = static_cast<double>(rowsDone) * 100.0 / static_cast<double>(rows);
    // rint rounds halves to the even neighbour in the default rounding mode.
    const double rounded = std::rint(exact);
    if (rounded > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (rounded < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(rounded);
}

}  // namespace zorvane
