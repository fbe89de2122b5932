// The plan of a click against what the click then does, on many seeded
// boards full of groups, bombs of both kinds and every special: the board it
// ends on, the score, the sounds, and where every piece landed.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "FakeHost.h"

namespace zorvane::test {
namespace {

std::string Content(const TCell& cell) {
    return std::string(1, CharFromCell(cell));
}

// A board of `rows` rows, the top ones empty, with mostly pieces of four
// colours (so groups are common), some colour and black bombs and specials,
// and now and then a gap.
CellGrid SeededBoard(std::mt19937& draw, int rows) {
    CellGrid board{};
    const int filled = 4 + static_cast<int>(draw() % static_cast<unsigned>(rows - 3));
    for (int col = 0; col < kColumns; ++col) {
        const int height = std::max(1, filled - static_cast<int>(draw() % 3));
        for (int row = 0; row < height; ++row) {
            const unsigned kind = draw() % 100;
            TCell& cell = board[col][row];
            if (kind < 78) {
                cell = MakePiece(1 + static_cast<int>(draw() % 4));
            } else if (kind < 84) {
                cell = MakeBomb(1 + static_cast<int>(draw() % 4));
            } else if (kind < 87) {
                cell = MakeBomb(0);
            } else if (kind < 97) {
                cell = MakeSpecial(1 + static_cast<int>(draw() % kSpecialKinds));
            }
        }
    }
    return board;
}

// Every piece of a stage's first board either stays (and lands where the
// plan says, as itself) or is removed, except those a closing column pushes
// off; every piece of its last board came from exactly one place.
void ExpectLandingsAddUp(const CellGrid& from, const MovePlan::Stage& stage, int rows) {
    std::set<CellPos> froms;
    std::set<CellPos> tos;
    for (const MovePlan::Way& way : stage.ways) {
        EXPECT_EQ(Content(from[way.from.col][way.from.row]), Content(way.cell));
        EXPECT_EQ(Content(stage.board[way.to.col][way.to.row]), Content(way.cell));
        EXPECT_TRUE(froms.insert(way.from).second);
        EXPECT_TRUE(tos.insert(way.to).second);
        // Pieces fall and slide left, never up or right.
        EXPECT_LE(way.to.row, way.from.row);
        EXPECT_LE(way.to.col, way.from.col);
    }
    for (const MovePlan::Removal& removal : stage.removed) {
        EXPECT_TRUE(IsOccupied(from[removal.at.col][removal.at.row]));
        EXPECT_EQ(froms.count(removal.at), 0u);
    }
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < rows; ++row) {
            EXPECT_EQ(IsOccupied(stage.board[col][row]), tos.count({row, col}) == 1)
                << "row " << row << ", column " << col;
        }
    }
}

TEST(MovePlan, IsWhatTheClickDoesOnManySeededBoards) {
    std::map<std::string, int> seen;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 draw(seed);
        const int rows = seed % 3 == 0 ? 16 : seed % 3 == 1 ? 9 : 12;
        GameFixture f(rows);
        f.game->ArrangeBoard(SeededBoard(draw, rows));
        const int row = static_cast<int>(draw() % static_cast<unsigned>(rows));
        const int col = static_cast<int>(draw() % kColumns);

        const CellGrid before = f.game->State().Board;
        const std::int32_t score = f.game->State().Score;
        const MovePlan plan = f.game->PlanClick(row, col);
        f.Click(col, row);

        std::vector<std::string> sounds;
        for (const std::string& event : f.host.events) {
            if (event.starts_with("sound: ")) {
                sounds.push_back(event);
            }
        }
        if (plan.outcome != MovePlan::Outcome::Move) {
            EXPECT_TRUE(plan.stages.empty());
            EXPECT_TRUE(plan.taken.empty());
            EXPECT_EQ(sounds, plan.outcome == MovePlan::Outcome::Bad
                                  ? std::vector<std::string>{"sound: bad"}
                                  : std::vector<std::string>{});
            EXPECT_EQ(f.game->State().Score, score);
            ++seen[plan.outcome == MovePlan::Outcome::Bad ? "bad" : "dud"];
            continue;
        }
        const TCell& clicked = before[col][row];
        ++seen[clicked.IsSpecial ? "special " + std::to_string(clicked.SpecialNum)
               : clicked.IsBomb  ? (clicked.Pic != 0 ? "colour bomb" : "black bomb")
                                 : "group"];
        if (plan.stages.size() > 1) {
            ++seen["chain"];
        }

        std::vector<std::string> planned;
        std::int64_t points = 0;
        const CellGrid* from = &before;
        for (const MovePlan::Stage& stage : plan.stages) {
            planned.push_back(std::string("sound: ") +
                              (stage.sound == EffectSlot::Good ? "good" : "explode"));
            points += 10 * stage.hits + stage.bonus;
            ExpectLandingsAddUp(*from, stage, rows);
            from = &stage.board;
        }
        EXPECT_EQ(sounds, planned);
        // Every cell the whole move takes held a piece when it was clicked,
        // and a one-stage move takes just what its stage removes.
        for (const CellPos cell : plan.taken) {
            EXPECT_TRUE(IsOccupied(before[cell.col][cell.row]));
        }
        if (plan.stages.size() == 1) {
            std::vector<CellPos> removed;
            for (const MovePlan::Removal& removal : plan.stages[0].removed) {
                removed.push_back(removal.at);
            }
            EXPECT_EQ(plan.taken, removed);
        }
        if (f.game->State().Level > 1) {
            continue;  // the board was cleared: a new level's rows stand there now
        }
        EXPECT_EQ(f.game->State().Score, score + points);
        for (int c = 0; c < kColumns; ++c) {
            for (int r = 0; r < kMaxRows; ++r) {
                ASSERT_EQ(Content(f.game->State().Board[c][r]),
                          Content(plan.stages.back().board[c][r]))
                    << "row " << r << ", column " << c;
            }
        }
    }
    // The boards gave every kind of move, chains of specials among them.
    for (const char* kind : {"group", "bad", "colour bomb", "black bomb", "special 1", "special 2",
                             "special 3", "special 4", "special 5", "special 6", "chain"}) {
        EXPECT_GT(seen[kind], 0) << kind;
    }
}

}  // namespace
}  // namespace zorvane::test
