#pragma once
// Level speeds and progress: how fast the clock runs on each level and how
// far through its rows the player is.

#include <array>
#include <cstdint>

namespace zorvane {

constexpr int kMaxLevelInTable = 99;

// Clock interval in milliseconds for levels 1..99 (entry 0 unused).
constexpr std::array<int, kMaxLevelInTable + 1> MakeSpeedTable() {
    std::array<int, kMaxLevelInTable + 1> table{};
    for (int level = 1; level <= kMaxLevelInTable; ++level) {
        if (level <= 12) {
            table[level] = 625 - 25 * level;
        } else if (level <= 20) {
            table[level] = 445 - 10 * level;
        } else if (level == 21) {
            table[level] = 375;  // the speed relief announced when leaving level 20
        } else if (level <= 42) {
            table[level] = 585 - 10 * level;
        } else {
            table[level] = 155;
        }
    }
    return table;
}

inline constexpr std::array<int, kMaxLevelInTable + 1> SpeedTable = MakeSpeedTable();

// Levels beyond the table keep level 99's interval; below 1, level 1's.
constexpr int SpeedForLevel(std::int64_t level) {
    if (level < 1) {
        return SpeedTable[1];
    }
    return SpeedTable[level > kMaxLevelInTable ? kMaxLevelInTable : level];
}

// Bounds for a level or a count that comes from a file or a script. Play
// adds one level, one row or one cleared board at a time, so from these
// bounds Level + 29 and every count stay far below the 32-bit limit.
constexpr std::int32_t kMaxLevel = 1000000;
constexpr std::int32_t kMaxCount = 1000000;

constexpr std::int32_t BoundedLevel(std::int64_t level) {
    return static_cast<std::int32_t>(level < 1 ? 1 : level > kMaxLevel ? kMaxLevel : level);
}
constexpr std::int32_t BoundedCount(std::int64_t count) {
    return static_cast<std::int32_t>(count < 0 ? 0 : count > kMaxCount ? kMaxCount : count);
}

// A level lasts Level + 29 pushed rows.
constexpr std::int64_t RowsForLevel(std::int64_t level) {
    return level + 29;
}

// RowsDone x 100 / (Level + 29), rounded half to even; a level whose row
// count is not positive counts as done.
int LevelPercent(std::int64_t rowsDone, std::int64_t level);

}  // namespace zorvane
