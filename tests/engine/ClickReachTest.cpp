// What a click would take, checked against what the click really takes, for
// every kind of move, and that asking changes nothing.

#include <gtest/gtest.h>

#include "FakeHost.h"

namespace zorvane::test {
namespace {

using Rows = std::vector<std::string>;

// The cells the real click marked removed when its fall began (the clock
// also stops for the undo snapshot, before anything is marked); empty when
// nothing fell.
std::vector<CellPos> CellsTheClickTook(GameFixture& f, int col, int row) {
    std::vector<CellPos> took;
    f.host.duringClockStop = [&] {
        if (!took.empty()) {
            return;  // a chained special falls again; the first fall is the click's own
        }
        for (int r = 0; r < f.game->NumRows(); ++r) {
            for (int c = 0; c < kColumns; ++c) {
                if (f.game->Board[c][r].Exploded) {
                    took.push_back({r, c});
                }
            }
        }
    };
    f.Click(col, row);
    f.host.duringClockStop = nullptr;
    return took;
}

TEST(CellsAClickWouldTake, AreTheCellsTheClickTakesForEveryKindOfMove) {
    // A busy board: groups of one, two and more, a colour bomb inside a
    // group of its colour, bombs and specials among pieces and gaps.
    const Rows board = {
        "..........",  //
        "3.........",  //
        "34..2.....",  //
        "1a2k56.3..",  //
        "121456B342",  //
        "1124C5D3E1",  //
        "k1A3b4526F",  //
        "2233455163",  //
        "1112233c21",
    };
    struct Case {
        const char* what;
        int col;
        int row;
        bool takes;  // false for a bad move; which cells comes from the real click
    };
    const Case cases[] = {
        {"group with a colour bomb of its colour", 0, 4, true},
        {"group of three in a row", 0, 0, true},
        {"group around a corner", 2, 1, true},
        {"pair in a column: a bad move", 0, 7, false},
        {"single: a bad move", 9, 3, false},
        {"empty cell", 5, 8, false},
        {"colour bomb", 4, 2, true},
        {"colour bomb inside a group", 1, 5, true},
        {"black bomb in the middle", 3, 5, true},
        {"black bomb at the edge", 0, 2, true},
        {"special: the square around it", 2, 2, true},
        {"special: its row", 6, 4, true},
        {"special: its column", 4, 3, true},
        {"special: row and column", 6, 3, true},
        {"special: its row and those above", 8, 3, true},
        {"special: every row", 9, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameFixture f;
        f.SetBoard(board);
        const CellGrid before = f.game->Board;
        RandomSource untouched = f.random;
        const std::vector<CellPos> predicted = f.game->CellsAClickWouldTake(c.row, c.col);
        // Asking drew nothing, scored nothing and left every field and mark.
        EXPECT_EQ(f.random.Random(1000), untouched.Random(1000));
        EXPECT_EQ(f.game->Score, 0);
        for (int col = 0; col < kColumns; ++col) {
            for (int row = 0; row < kMaxRows; ++row) {
                const TCell& a = before[col][row];
                const TCell& b = f.game->Board[col][row];
                ASSERT_TRUE(a.Pic == b.Pic && a.IsBomb == b.IsBomb && a.SameUp == b.SameUp &&
                            a.SameDown == b.SameDown && a.SameLeft == b.SameLeft &&
                            a.SameRight == b.SameRight && a.Exploded == b.Exploded);
            }
        }
        EXPECT_EQ(predicted, CellsTheClickTook(f, c.col, c.row));
        EXPECT_EQ(!predicted.empty(), c.takes);
    }
}

}  // namespace
}  // namespace zorvane::test
