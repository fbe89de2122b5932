#pragma once
// What a click on the board does, worked out before anything changes: the
// move applies it, the outline shows what it takes and the animation draws
// it. One plan holds each stage of the move (a group, a bomb, or each
// special of a chain), the cells each removes and where every other piece
// lands after the fall and the closing of columns.

#include <cstdint>
#include <vector>

#include "engine/MoveRules.h"
#include "persistence/Settings.h"

namespace zorvane {

struct MovePlan {
    enum class Outcome {
        Ignored,  // off the board: nothing happens at all
        Dud,      // a special of no known kind: nothing fires, nothing sounds
        Bad,      // no move: the bad sound, and the clock runs
        Move,     // one or more stages remove pieces
    };

    // A piece that stays: where it stood when its stage began, and where it
    // lands.
    struct Way {
        TCell cell;
        CellPos from;
        CellPos to;
    };
    // A removed piece, where it stood when its stage began.
    struct Removal {
        TCell cell;
        CellPos at;
    };
    struct Stage {
        EffectSlot sound = EffectSlot::Good;  // Good for a group, Explode otherwise
        std::vector<Removal> removed;         // by row, then column
        int hits = 0;                         // removals scored at 10 each
        std::int64_t bonus = 0;               // the group bonus the stage earns
        std::vector<Way> ways;                // every piece that stays
        CellGrid board{};                     // the board the stage ends on
    };

    Outcome outcome = Outcome::Ignored;
    std::vector<Stage> stages;
    // The cells of the clicked board whose pieces the whole move removes, by
    // row, then column: what a click here takes.
    std::vector<CellPos> taken;
};

// The bonus of a stage that removes `removed` cells: 20 for each past three,
// and 5 more for each past four.
std::int64_t GroupBonus(std::int64_t removed);

// The plan of a click on (row, col) of `board`, of which the lowest
// `numRows` rows are in play.
MovePlan PlanClick(const CellGrid& board, int numRows, int row, int col);

}  // namespace zorvane
