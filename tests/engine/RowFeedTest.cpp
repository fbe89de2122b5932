// The row feed: preview slots, pushes, losing at a push, and levels.

#include <gtest/gtest.h>

#include "FakeHost.h"

namespace zorvane::test {
namespace {

using Rows = std::vector<std::string>;

void FillStrip(Game& g, const std::string& text) {
    g.ArrangeAux(StripFromText(text), kColumns);
}

// A move, so that the next push has an undo to take away.
void MakeAMove(GameFixture& f, const Rows& board) {
    f.SetBoard(board);
    f.Click(0, 0);
    ASSERT_TRUE(f.game->State().UndoAllowed);
}

TEST(RowFeed, FirstPushOnTheEleventhTickThenEveryTenth) {
    GameFixture f;
    f.game->BtnPauseClick();
    std::vector<int> pushes;
    for (int tick = 1; tick <= 31; ++tick) {
        const int before = f.game->State().RowsDone;
        f.Tick();
        if (f.game->State().RowsDone != before) {
            pushes.push_back(tick);
        }
    }
    EXPECT_EQ(pushes, (std::vector<int>{11, 21, 31}));
    // The pushing tick also fills slot 0 of the new strip.
    EXPECT_EQ(f.game->State().AuxCount, 1);
    EXPECT_EQ(f.game->State().Status.LblRows, "Percent of level completed: 10");
    EXPECT_EQ(f.game->State().Status.LblRowsDone, "Rows Done: 3");
    EXPECT_EQ(std::count(f.host.events.begin(), f.host.events.end(), "sound: row"), 3);
}

TEST(RowFeed, APushMovesTheStripInAndTheBoardUp) {
    GameFixture f;
    MakeAMove(f, {"..........", "12........", "333......."});
    ASSERT_EQ(f.BoardText(3), (Rows{"..........", "..........", "12........"}));
    FillStrip(*f.game, "3456ak1234");
    f.game->DXTimer1Timer();
    EXPECT_EQ(f.BoardText(3), (Rows{"..........", "12........", "3456ak1234"}));
    EXPECT_FALSE(f.game->State().UndoAllowed);
    EXPECT_EQ(f.game->State().AuxCount, 1);
    EXPECT_EQ(AuxText(*f.game).substr(1), ".........");
    EXPECT_TRUE(f.host.ClockEnabled());
    EXPECT_TRUE(f.game->State().EngineIdle);
}

TEST(Losing, APieceInTheTopRowAtAPushEndsTheGameAfterThePush) {
    GameFixture f;
    Rows board(9, "..........");
    board[0] = "....4.....";  // row 8
    board[8] = "1111111111";
    f.SetBoard(board);
    FillStrip(*f.game, "2222222222");
    f.game->SetScore(120);
    Rows seenBehindDialog;
    f.host.duringMessage = [&] { seenBehindDialog = f.BoardText(9); };
    f.game->DXTimer1Timer();
    EXPECT_EQ(f.host.events, (std::vector<std::string>{
                                 "sound: row", "message: Confirm: The game is over!",
                                 "question: Confirm: Would you like to play again?", "closed"}));
    // The shifted board is what the player sees behind the message.
    EXPECT_EQ(seenBehindDialog[8], "2222222222");
    EXPECT_EQ(seenBehindDialog[7], "1111111111");
    EXPECT_EQ(f.game->State().AuxCount, 0);
    EXPECT_FALSE(f.host.ClockEnabled());
    EXPECT_FALSE(f.game->State().EngineIdle);  // the window is closing; nothing more runs
}

TEST(Losing, ColourBombCountsButBlackBombsAndSpecialsArePushedOut) {
    for (char top : {'k', 'A', 'F'}) {
        GameFixture f;
        Rows board(9, "..........");
        board[0] = std::string(".........") + top;
        f.SetBoard(board);
        FillStrip(*f.game, "1111111111");
        f.game->DXTimer1Timer();
        EXPECT_EQ(f.host.events, std::vector<std::string>{"sound: row"}) << top;
        EXPECT_EQ(f.BoardText(9)[0], "..........");
    }
    GameFixture bomb;
    Rows board(9, "..........");
    board[0] = ".........c";
    bomb.SetBoard(board);
    FillStrip(*bomb.game, "1111111111");
    bomb.game->DXTimer1Timer();
    EXPECT_EQ(bomb.host.events.at(1), "message: Confirm: The game is over!");
}

TEST(Losing, APieceJustBelowTheTopIsSafeUntilTheNextPush) {
    GameFixture f;
    Rows board(9, "..........");
    board[1] = "5.........";  // row 7
    f.SetBoard(board);
    FillStrip(*f.game, "1111111111");
    f.game->DXTimer1Timer();
    EXPECT_EQ(f.host.events, std::vector<std::string>{"sound: row"});
    EXPECT_EQ(f.BoardText(9)[0], "5.........");
}

TEST(Levels, TheThirtiethRowOfLevelOneRaisesTheLevel) {
    GameFixture f;
    MakeAMove(f, {"1114......"});
    f.game->ArrangeRowsDone(29);
    FillStrip(*f.game, "1111111111");
    std::string percentDuringMessage;
    f.host.duringMessage = [&] { percentDuringMessage = f.game->State().Status.LblRows; };
    f.game->DXTimer1Timer();
    EXPECT_EQ(percentDuringMessage, "Percent of level completed: 100");
    EXPECT_EQ(f.host.events.back(),
              "message: Congratulations: You have proceeded to the next level!");
    const Game& g = *f.game;
    EXPECT_EQ(g.State().Level, 2);
    EXPECT_EQ(g.State().Status.LevelLabel, "Level: 2");
    EXPECT_EQ(f.host.ClockInterval(), 575);
    EXPECT_EQ(g.State().RowsDone, 0);
    EXPECT_EQ(g.State().Status.LblRows, "Percent of level completed: 0");
    EXPECT_EQ(g.State().Status.PBRows, 0);
    EXPECT_EQ(g.State().Status.LblRowsDone, "Rows Done: 0");
    EXPECT_EQ(g.State().AuxCount, 0);  // no slot is filled on this tick
    EXPECT_FALSE(g.State().UndoAllowed);
    EXPECT_TRUE(g.State().EngineIdle);
    EXPECT_TRUE(f.host.ClockEnabled());
    // A fresh board of StartRows rows.
    const Rows board = f.BoardText(9);
    for (int row = 0; row < 9; ++row) {
        const bool filled = board[8 - row].find('.') == std::string::npos;
        const bool empty = board[8 - row] == "..........";
        EXPECT_TRUE(row < 3 ? filled : empty) << "row " << row;
    }
}

TEST(Levels, TheRowThatReachesLevelPlusTwentyNineRaisesTheLevelNotTheOneBefore) {
    for (int level : {1, 7, 20}) {
        GameFixture f;
        f.game->SetLevel(level);
        f.game->ArrangeRowsDone(level + 27);
        FillStrip(*f.game, "1111111111");
        f.game->DXTimer1Timer();
        EXPECT_EQ(f.game->State().Level, level);
        EXPECT_EQ(f.game->State().RowsDone, level + 28);
        FillStrip(*f.game, "2222222222");
        f.game->DXTimer1Timer();
        EXPECT_EQ(f.game->State().Level, level + 1);
        EXPECT_EQ(f.game->State().RowsDone, 0);
    }
}

TEST(Levels, LeavingLevelTwentyAnnouncesTheSpeedRelief) {
    GameFixture f;
    f.game->SetLevel(20);
    f.game->ArrangeRowsDone(48);
    FillStrip(*f.game, "1111111111");
    f.game->DXTimer1Timer();
    EXPECT_EQ(f.host.events.back(),
              "message: Congratulations: You have proceeded to the next level\r"
              "and earned a temporary speed relief!");
    EXPECT_EQ(f.game->State().Level, 21);
    EXPECT_EQ(f.host.ClockInterval(), 375);
}

TEST(Levels, BeyondTheTableTheClockKeepsLevelNinetyNinesSpeed) {
    GameFixture f;
    f.game->SetLevel(99);
    f.game->ArrangeRowsDone(99 + 28);
    FillStrip(*f.game, "1111111111");
    f.game->DXTimer1Timer();
    EXPECT_EQ(f.game->State().Level, 100);
    EXPECT_EQ(f.host.ClockInterval(), 155);
}

TEST(Interlock, TicksAndClicksDuringAPushChangeNothing) {
    GameFixture f;
    f.SetBoard({"..........", "111......."});
    FillStrip(*f.game, "2222222222");
    int delivered = 0;
    f.host.duringProcessMessages = [&] {
        const Rows board = f.BoardText(9);
        const int score = f.game->State().Score;
        const int auxCount = f.game->State().AuxCount;
        f.game->DXTimer1Timer();
        f.Click(0, 0);
        EXPECT_EQ(f.BoardText(9), board);
        EXPECT_EQ(f.game->State().Score, score);
        EXPECT_EQ(f.game->State().AuxCount, auxCount);
        EXPECT_FALSE(f.game->State().EngineIdle);
        ++delivered;
    };
    f.game->DXTimer1Timer();
    EXPECT_EQ(delivered, 1);
    EXPECT_EQ(f.game->State().RowsDone, 1);
    EXPECT_EQ(f.game->State().AuxCount, 1);
}

}  // namespace
}  // namespace zorvane::test
