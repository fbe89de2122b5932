// A new piece for the preview strip: bombs, specials and colours, and the
// order of the draws that choose them, checked with scripted draws.

#include <gtest/gtest.h>

#include "FakeHost.h"

namespace zorvane::test {
namespace {

// A game on an empty board whose draws come from a script.
struct ScriptedGame {
    explicit ScriptedGame(int rows = 9) {
        settings.NumRows = rows;
        game.emplace(settings, host, random, scores);
        game->StartUp();
        game->ArrangeBoard(board);
    }
    // Puts a cell on the otherwise empty board, as a script arranges it.
    void Put(int col, int row, const TCell& cell) {
        board[col][row] = cell;
        game->ArrangeBoard(board);
    }
    void Draws(std::vector<int> values) {
        random.values = std::move(values);
        random.next = 0;
        random.asked.clear();
    }
    Settings settings;
    FakeHost host;
    ScriptedRandom random;
    HighScoreTable scores;
    std::optional<Game> game;
    CellGrid board{};
    AuxRow strip{};
};

TEST(NewPiece, BombDrawRangeFollowsTheBoardHeight) {
    for (auto [rows, range] : {std::pair{9, 12}, {12, 20}, {16, 30}}) {
        ScriptedGame s(rows);
        s.Draws({7, 0});
        s.game->DXTimer1Timer();
        EXPECT_EQ(s.random.asked, (std::vector<int>{range, 7})) << rows;
        EXPECT_EQ(AuxText(*s.game)[0], 'k');
    }
}

TEST(NewPiece, EasyTierCopiesFromAboveOrFromTheLeft) {
    ScriptedGame above;
    above.Put(0, 0, MakePiece(4));
    above.Draws({0, 7, 1});  // no bomb; q = 7 at slot 0 asks the cell above
    above.game->DXTimer1Timer();
    EXPECT_EQ(above.random.asked, (std::vector<int>{12, 10, 6}));
    EXPECT_EQ(AuxText(*above.game)[0], '4');

    ScriptedGame left;
    left.strip[2] = MakeBomb(5);  // a colour bomb gives its colour
    left.game->ArrangeAux(left.strip, 3);
    left.Draws({0, 8, 1});
    left.game->DXTimer1Timer();
    EXPECT_EQ(left.random.asked, (std::vector<int>{12, 10, 6}));
    EXPECT_EQ(AuxText(*left.game)[3], '5');

    ScriptedGame other;
    other.Draws({0, 5, 1, 2});  // q = 5: a fresh colour, drawn again
    other.game->DXTimer1Timer();
    EXPECT_EQ(other.random.asked, (std::vector<int>{12, 10, 6, 6}));
    EXPECT_EQ(AuxText(*other.game)[0], '3');
}

TEST(NewPiece, CopyingABlankNeverLeavesABlankSlot) {
    ScriptedGame left;
    left.strip[0] = MakeSpecial(2);
    left.game->ArrangeAux(left.strip, 1);
    left.Draws({0, 7, 0, 4});
    left.game->DXTimer1Timer();
    EXPECT_EQ(left.random.asked, (std::vector<int>{12, 10, 6, 6}));
    EXPECT_EQ(AuxText(*left.game)[1], '5');

    ScriptedGame above;  // the cell above is a black bomb: a random colour
    above.Put(3, 0, MakeBomb(0));
    above.game->ArrangeAux(above.strip, 3);
    above.Draws({0, 3, 0, 5});
    above.game->DXTimer1Timer();
    EXPECT_EQ(above.random.asked, (std::vector<int>{12, 10, 6, 6}));
    EXPECT_EQ(AuxText(*above.game)[3], '6');
}

TEST(NewPiece, HardTierDrawsEverySpecialItsLevelAllowsFirst) {
    ScriptedGame s;
    s.game->SetLevel(21);
    s.strip[0] = MakePiece(2);
    s.game->ArrangeAux(s.strip, 1);
    s.Draws({0, 0, 0, 0, 0, 7, 1, 3});  // q = 7 copies nothing in the hard tier
    s.game->DXTimer1Timer();
    EXPECT_EQ(s.random.asked, (std::vector<int>{12, 150, 250, 375, 500, 10, 6, 6}));
    EXPECT_EQ(AuxText(*s.game)[1], '4');
}

TEST(NewPiece, HardTierCopiesLessAndThreeClearedBoardsSwitchIntoIt) {
    // The slot's column holds a 4 at its bottom, the slot to its left a 5;
    // the colour draw gives 2, a second colour draw 3.
    struct Case {
        int level;
        int cleared;
        int slot;
        int copyDraw;
        char piece;
    };
    const std::vector<Case> cases = {
        {1, 2, 3, 7, '5'},   // easy: 7 copies from the left
        {1, 3, 3, 7, '3'},   // three clearings: hard, 7 copies nothing
        {1, 2, 3, 4, '4'},   // easy: 4 copies from above
        {1, 3, 3, 4, '3'},   // hard: 4 copies nothing
        {1, 3, 3, 3, '4'},   // hard: 3 copies from above
        {1, 3, 3, 8, '5'},   // hard: 8 copies from the left
        {1, 3, 0, 8, '4'},   // hard: 8 at the first slot copies from above
        {21, 0, 3, 3, '4'},  // level 21 is hard whatever was cleared
    };
    for (const Case& c : cases) {
        ScriptedGame s;
        s.game->SetLevel(c.level);
        s.game->ArrangeClearedCount(c.cleared);
        s.Put(c.slot, 0, MakePiece(4));
        if (c.slot > 0) {
            s.strip[c.slot - 1] = MakePiece(5);
        }
        s.game->ArrangeAux(s.strip, c.slot);
        // No bomb, no special (every special draw misses), then the colours.
        std::vector<int> draws = {0};
        if (c.level > 20) {
            draws.insert(draws.end(), {0, 0, 0, 0});
        }
        draws.insert(draws.end(), {c.copyDraw, 1, 2});
        s.Draws(draws);
        s.game->DXTimer1Timer();
        EXPECT_EQ(AuxText(*s.game)[c.slot], c.piece)
            << "level " << c.level << ", cleared " << c.cleared << ", draw " << c.copyDraw;
    }
}

TEST(NewPiece, EachSpecialFromItsOwnLevelOn) {
    // The special draws in their order, each asked only while its level and
    // clearings allow it; a draw of 0 misses every one.
    struct Case {
        int kind;
        int level;
        int cleared;
        std::vector<int> ranges;  // special draws before the kind's own
        int range;
        int hit;
    };
    const std::vector<Case> cases = {
        {2, 11, 0, {150}, 250, 15},
        {3, 16, 0, {150, 250}, 375, 30},
        {4, 21, 0, {150, 250, 375}, 500, 45},
        {6, 21, 3, {150, 250, 375, 500, 700}, 1000, 150},
    };
    for (const Case& c : cases) {
        ScriptedGame at;
        at.game->SetLevel(c.level);
        at.game->ArrangeClearedCount(c.cleared);
        std::vector<int> draws = {0};
        draws.insert(draws.end(), c.ranges.size(), 0);
        draws.push_back(c.hit);
        at.Draws(draws);
        at.game->DXTimer1Timer();
        std::vector<int> asked = {12};
        asked.insert(asked.end(), c.ranges.begin(), c.ranges.end());
        asked.push_back(c.range);
        EXPECT_EQ(at.random.asked, asked) << "kind " << c.kind;
        EXPECT_EQ(AuxText(*at.game)[0], static_cast<char>('A' + c.kind - 1));

        // One level lower, or one clearing short, the kind's draw never comes.
        for (auto [level, cleared] :
             {std::pair{c.level - 1, c.cleared}, {c.level, c.cleared > 0 ? c.cleared - 1 : 0}}) {
            ScriptedGame below;
            below.game->SetLevel(level);
            below.game->ArrangeClearedCount(cleared);
            below.Draws({});
            below.game->DXTimer1Timer();
            const bool allowed = level == c.level && cleared == c.cleared;
            EXPECT_EQ(std::count(below.random.asked.begin(), below.random.asked.end(), c.range),
                      allowed ? 1 : 0)
                << "kind " << c.kind << " at level " << level << ", cleared " << cleared;
        }
    }
}

TEST(NewPiece, SpecialsNeedTheirLevelAndClearedBoards) {
    ScriptedGame area;
    area.game->SetLevel(6);
    area.Draws({0, 12});
    area.game->DXTimer1Timer();
    EXPECT_EQ(area.random.asked, (std::vector<int>{12, 150}));
    EXPECT_EQ(AuxText(*area.game)[0], 'A');

    ScriptedGame upward;
    upward.game->SetLevel(13);
    upward.game->ArrangeClearedCount(1);
    upward.Draws({0, 0, 0, 75});
    upward.game->DXTimer1Timer();
    EXPECT_EQ(upward.random.asked, (std::vector<int>{12, 150, 250, 700}));
    EXPECT_EQ(AuxText(*upward.game)[0], 'E');
}

TEST(NewPiece, RandomModeUsesTheDrawnColour) {
    ScriptedGame s;
    s.settings.RandomMode = true;
    s.Put(0, 0, MakePiece(4));
    s.Draws({0, 7, 1});
    s.game->DXTimer1Timer();
    EXPECT_EQ(s.random.asked, (std::vector<int>{12, 10, 6}));
    EXPECT_EQ(AuxText(*s.game)[0], '2');
}

}  // namespace
}  // namespace zorvane::test
