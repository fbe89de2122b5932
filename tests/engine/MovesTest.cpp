// Group moves: which clicks are good, what they score, how pieces fall and
// columns close, and the bonus for clearing the board.

#include <gtest/gtest.h>

#include "FakeHost.h"

namespace zorvane::test {
namespace {

using Rows = std::vector<std::string>;

bool IsGood(const Game& g, int row, int col) {
    return g.PlanClick(row, col).outcome == MovePlan::Outcome::Move;
}

TEST(GoodMove, GroupsOfThreeOrMoreOfAnyShapeFromEveryCell) {
    GameFixture f;
    // A line, an L and a square; two touching 4s are not enough.
    f.SetBoard({"5.........",  //
                "111.22.33.",  //
                "6...2.433."});
    Game& g = *f.game;
    for (int col : {0, 1, 2}) {
        EXPECT_TRUE(IsGood(g, 1, col)) << "line, column " << col;
    }
    EXPECT_TRUE(IsGood(g, 1, 4));
    EXPECT_TRUE(IsGood(g, 1, 5));
    EXPECT_TRUE(IsGood(g, 0, 4));
    for (auto [row, col] : {std::pair{1, 7}, {1, 8}, {0, 7}, {0, 8}}) {
        EXPECT_TRUE(IsGood(g, row, col)) << "square " << row << "," << col;
    }
    EXPECT_FALSE(IsGood(g, 0, 6));  // a lone 4 beside the square
    EXPECT_FALSE(IsGood(g, 2, 0));
    EXPECT_FALSE(IsGood(g, 0, 1));  // empty cell
}

TEST(GoodMove, AVerticalLineOfThreeGoesWholeFromItsTopOrItsBottom) {
    for (int clicked : {2, 0}) {
        GameFixture f;
        f.SetBoard({"3.........",  //
                    "3.........",  //
                    "3.........",  //
                    "45........"});
        f.Click(0, clicked + 1);
        EXPECT_EQ(f.BoardText(4), (Rows{"..........",  //
                                        "..........",  //
                                        "..........",  //
                                        "45........"}))
            << clicked;
        EXPECT_EQ(f.game->State().Score, 30);
    }
    // Two in a column are not enough, from either end.
    GameFixture pair;
    pair.SetBoard({"3.........", "3.........", "45........"});
    EXPECT_FALSE(IsGood(*pair.game, 2, 0));
    EXPECT_FALSE(IsGood(*pair.game, 1, 0));
}

TEST(GoodMove, TwoTouchingPiecesAreABadMoveThatChangesNothing) {
    GameFixture f;
    f.SetBoard({"22........", "13........"});
    const Rows before = f.BoardText(2);
    f.Click(0, 1);
    EXPECT_EQ(f.BoardText(2), before);
    EXPECT_EQ(f.game->State().Score, 0);
    EXPECT_FALSE(f.game->State().UndoAllowed);
    EXPECT_EQ(f.host.events, std::vector<std::string>{"sound: bad"});
    // A bad move still starts a paused game.
    EXPECT_TRUE(f.host.ClockEnabled());
    EXPECT_FALSE(f.game->State().Paused);
    EXPECT_EQ(f.game->State().Status.BtnPause, "Pause");
}

TEST(GoodMove, ColourBombInAGroupIsRemovedWithoutGoingOff) {
    GameFixture f;
    f.SetBoard({"2.........", "1a1..1...."});
    f.Click(0, 0);
    // The lone 1 slides left over every emptied column.
    EXPECT_EQ(f.BoardText(2), (Rows{"..........", "21........"}));
    EXPECT_EQ(f.game->State().Score, 30);
    EXPECT_EQ(f.host.events, std::vector<std::string>{"sound: good"});
}

TEST(Scoring, TenPerPiecePlusTheGroupBonus) {
    struct Case {
        Rows board;
        int score;
        std::string label;
    };
    const std::vector<Case> cases = {
        {{"111......."}, 30, "Bonus: 0"},
        {{"1111......"}, 60, "Bonus: 20"},
        {{"11111....."}, 95, "Bonus: 45"},
        {{"1111111..."}, 165, "Bonus: 95"},
        {{"2.........", "1111111111"}, 270, "Bonus: 170"},
    };
    for (const Case& c : cases) {
        GameFixture f;
        Rows board = c.board;
        // Keep the board from being cleared, which would add its own bonus.
        if (board.size() == 1) {
            board.insert(board.begin(), "2.........");
        }
        f.SetBoard(board);
        f.Click(0, 0);
        EXPECT_EQ(f.game->State().Score, c.score) << c.label;
        EXPECT_EQ(f.game->State().Status.Bonus, c.label);
    }
}

TEST(Fall, PiecesDropByTheRemovedCellsBelowThem) {
    GameFixture f;
    f.SetBoard({"36........",  //
                "21........",  //
                "11........",  //
                "45........"});
    f.Click(0, 1);
    EXPECT_EQ(f.BoardText(4), (Rows{"..........",  //
                                    "3.........",  //
                                    "26........",  //
                                    "45........"}));
    EXPECT_EQ(f.game->State().Score, 30);
}

TEST(ColumnClosing, AnEmptiedColumnPullsEverythingRightOfItLeft) {
    GameFixture f;
    f.SetBoard({"..1.......",  //
                "..1..6....",  //
                "231456...."});
    f.Click(2, 0);
    EXPECT_EQ(f.BoardText(3), (Rows{"..........",  //
                                    "....6.....",  //
                                    "23456....."}));
}

TEST(ColumnClosing, TwoAdjacentEmptyColumnsCloseBoth) {
    GameFixture f;
    f.SetBoard({"..11.5....",  //
                "2311456..."});
    f.Click(2, 0);
    EXPECT_EQ(f.BoardText(2), (Rows{"...5......",  //
                                    "23456....."}));
}

TEST(Click, TheScoreDigitIsNotAMoveEvenWhilePaused) {
    GameFixture f;
    f.SetBoard({"111......."});
    f.game->Num1Click({false, 99});
    EXPECT_EQ(f.BoardText(1), Rows{"111......."});
    EXPECT_TRUE(f.game->State().Paused);
    EXPECT_EQ(f.game->State().Status.BtnPause, "Start");
    EXPECT_FALSE(f.host.ClockEnabled());
    EXPECT_TRUE(f.host.events.empty());
}

TEST(Click, TagNinetyNineIsAnOrdinaryCellOnTallBoards) {
    GameFixture f(12);
    Rows board(12, "..........");
    board[2] = ".......111";  // row 9
    board[11] = "2.........";
    f.SetBoard(board);
    f.Click(9, 9);
    EXPECT_EQ(f.game->State().Score, 30);
    EXPECT_EQ(f.BoardText(12)[2], "..........");
}

TEST(BoardCleared, FirstClearingPaysFiveThousandAndStartsTheNextLevel) {
    GameFixture f;
    f.SetBoard({"111......."});
    f.game->ArrangeAux(StripFromText("3"), 1);
    f.game->ArrangeRowsDone(12);
    f.Click(0, 0);
    const Game& g = *f.game;
    EXPECT_EQ(g.State().Score, 5030);
    EXPECT_EQ(g.State().Status.DigitText(), "____5030");
    EXPECT_EQ(g.State().Status.Bonus, "Bonus: 5000");
    EXPECT_EQ(g.State().Level, 2);
    EXPECT_EQ(g.State().Status.LevelLabel, "Level: 2");
    EXPECT_EQ(f.host.ClockInterval(), 575);
    EXPECT_EQ(g.State().RowsDone, 0);
    EXPECT_EQ(g.State().Status.LblRows, "Percent of level completed: 0");
    EXPECT_EQ(g.State().AuxCount, 0);
    EXPECT_FALSE(IsOccupied(g.State().Aux[0]));
    EXPECT_FALSE(g.State().UndoAllowed);
    EXPECT_TRUE(g.State().EngineIdle);
    EXPECT_FALSE(BoardEmpty(g));  // the new level's starting rows
    EXPECT_EQ(f.host.events.back(),
              "message: Congratulations!: You cleared the board!\rYou get a 5000 point bonus!");
}

TEST(BoardCleared, BonusGrowsWithEachClearingAndIsCapped) {
    // 5000, 15000, 30000, 50000, 75000: each adds the count times 5000.
    GameFixture f;
    std::vector<int> bonuses;
    for (int i = 0; i < 5; ++i) {
        f.SetBoard({"111......."});
        f.Click(0, 0);
        bonuses.push_back(f.game->State().BoardBonus);
        if (i == 2) {
            EXPECT_EQ(f.host.events.back(),
                      "message: Congratulations!: You cleared the board 3 times!\rYou get a "
                      "30000 point bonus!");
        }
    }
    EXPECT_EQ(bonuses, (std::vector<int>{5000, 15000, 30000, 50000, 75000}));

    GameFixture capped;
    capped.game->ArrangeClearedCount(400);
    capped.SetBoard({"111......."});
    capped.Click(0, 0);
    EXPECT_EQ(capped.game->State().BoardBonus, 1000000);
    EXPECT_EQ(capped.game->State().Score, 30 + 1000000);
}

TEST(BoardCleared, AClickOnAnAlreadyEmptyBoardPaysNothing) {
    GameFixture f;
    f.SetBoard({".........."});
    for (int i = 0; i < 3; ++i) {
        f.Click(i, 0);
    }
    const Game& g = *f.game;
    EXPECT_EQ(g.State().Score, 0);
    EXPECT_EQ(g.State().Level, 1);
    EXPECT_EQ(g.State().ClearedCount, 0);
    EXPECT_EQ(g.State().BoardBonus, 0);
    EXPECT_TRUE(BoardEmpty(g));
    EXPECT_EQ(f.host.events, std::vector<std::string>(3, "sound: bad"));
}

TEST(BoardCleared, ABlackBombOrSpecialKeepsTheBoardFromBeingClear) {
    for (char piece : {'k', 'A', 'F'}) {
        GameFixture f;
        f.SetBoard({std::string("111......") + piece});
        f.Click(0, 0);
        EXPECT_EQ(f.game->State().Level, 1) << piece;
        EXPECT_EQ(f.game->State().ClearedCount, 0);
        EXPECT_FALSE(BoardEmpty(*f.game));
    }
}

TEST(SoundSwitches, EachSilencesOnlyItsOwnEffect) {
    const std::vector<std::pair<bool Settings::*, std::string>> switches = {
        {&Settings::PlayBad, "sound: bad"},
        {&Settings::PlayGood, "sound: good"},
        {&Settings::PlayExplode, "sound: explode"},
        {&Settings::PlayClick, "sound: row"},
    };
    for (const auto& [setting, silenced] : switches) {
        GameFixture f;
        f.settings.*setting = false;
        f.SetBoard({".........4",  //
                    "5........3",  //
                    "k.111....6"});
        f.Click(0, 1);  // a lone piece: a bad move
        f.Click(2, 0);  // the group of 1s: the right column slides in
        f.Click(0, 0);  // the black bomb
        f.FillStrip("1212121212");
        f.game->DXTimer1Timer();
        std::vector<std::string> expected = {"sound: bad", "sound: good", "sound: explode",
                                             "sound: row"};
        std::erase(expected, silenced);
        EXPECT_EQ(f.host.events, expected) << silenced;
    }
}

}  // namespace
}  // namespace zorvane::test
