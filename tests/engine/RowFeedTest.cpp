// The row feed: preview slots, pushes, losing at a push, and levels.

#include <gtest/gtest.h>

#include "FakeHost.h"

namespace zorvane::test {
namespace {

using Rows = std::vector<std::string>;

void FillStrip(Game& g, const std::string& text) {
    for (int i = 0; i < kColumns; ++i) {
        g.Aux[i] = *CellFromChar(text[i]);
    }
    g.AuxCount = kColumns;
}

TEST(RowFeed, FirstPushOnTheEleventhTickThenEveryTenth) {
    GameFixture f;
    f.game->BtnPauseClick();
    std::vector<int> pushes;
    for (int tick = 1; tick <= 31; ++tick) {
        const int before = f.game->RowsDone;
        f.Tick();
        if (f.game->RowsDone != before) {
            pushes.push_back(tick);
        }
    }
    EXPECT_EQ(pushes, (std::vector<int>{11, 21, 31}));
    // The pushing tick also fills slot 0 of the new strip.
    EXPECT_EQ(f.game->AuxCount, 1);
    EXPECT_EQ(f.game->Status.LblRows, "Percent of level completed: 10");
    EXPECT_EQ(f.game->Status.LblRowsDone, "Rows Done: 3");
    EXPECT_EQ(std::count(f.host.events.begin(), f.host.events.end(), "sound: row"), 3);
}

TEST(RowFeed, APushMovesTheStripInAndTheBoardUp) {
    GameFixture f;
    f.SetBoard({"..........", "..........", "12........"});
    f.game->UndoAllowed = true;
    FillStrip(*f.game, "3456ak1234");
    f.game->DXTimer1Timer();
    EXPECT_EQ(f.BoardText(3), (Rows{"..........", "12........", "3456ak1234"}));
    EXPECT_FALSE(f.game->UndoAllowed);
    EXPECT_EQ(f.game->AuxCount, 1);
    EXPECT_EQ(AuxText(*f.game).substr(1), ".........");
    EXPECT_TRUE(f.host.ClockEnabled());
    EXPECT_TRUE(f.game->EngineIdle);
}

TEST(Losing, APieceInTheTopRowAtAPushEndsTheGameAfterThePush) {
    GameFixture f;
    Rows board(9, "..........");
    board[0] = "....4.....";  // row 8
    board[8] = "1111111111";
    f.SetBoard(board);
    FillStrip(*f.game, "2222222222");
    f.game->Score = 120;
    Rows seenBehindDialog;
    f.host.duringMessage = [&] { seenBehindDialog = f.BoardText(9); };
    f.game->DXTimer1Timer();
    EXPECT_EQ(f.host.events, (std::vector<std::string>{
                                 "sound: row", "message: Confirm: The game is over!",
                                 "question: Confirm: Would you like to play again?", "closed"}));
    // The shifted board is what the player sees behind the message.
    EXPECT_EQ(seenBehindDialog[8], "2222222222");
    EXPECT_EQ(seenBehindDialog[7], "1111111111");
    EXPECT_EQ(f.game->AuxCount, 0);
    EXPECT_FALSE(f.host.ClockEnabled());
    EXPECT_FALSE(f.game->EngineIdle);  // the window is closing; nothing more runs
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
    f.game->RowsDone = 29;
    f.game->UndoAllowed = true;
    FillStrip(*f.game, "1111111111");
    std::string percentDuringMessage;
    f.host.duringMessage = [&] { percentDuringMessage = f.game->Status.LblRows; };
    f.game->DXTimer1Timer();
    EXPECT_EQ(percentDuringMessage, "Percent of level completed: 100");
    EXPECT_EQ(f.host.events.back(),
              "message: Congratulations: You have proceeded to the next level!");
    const Game& g = *f.game;
    EXPECT_EQ(g.Level, 2);
    EXPECT_EQ(g.Status.LevelLabel, "Level: 2");
    EXPECT_EQ(f.host.ClockInterval(), 575);
    EXPECT_EQ(g.RowsDone, 0);
    EXPECT_EQ(g.Status.LblRows, "Percent of level completed: 0");
    EXPECT_EQ(g.Status.PBRows, 0);
    EXPECT_EQ(g.Status.LblRowsDone, "Rows Done: 0");
    EXPECT_EQ(g.AuxCount, 0);  // no slot is filled on this tick
    EXPECT_FALSE(g.UndoAllowed);
    EXPECT_TRUE(g.EngineIdle);
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
        f.game->RowsDone = level + 27;
        FillStrip(*f.game, "1111111111");
        f.game->DXTimer1Timer();
        EXPECT_EQ(f.game->Level, level);
        EXPECT_EQ(f.game->RowsDone, level + 28);
        FillStrip(*f.game, "2222222222");
        f.game->DXTimer1Timer();
        EXPECT_EQ(f.game->Level, level + 1);
        EXPECT_EQ(f.game->RowsDone, 0);
    }
}

TEST(Levels, LeavingLevelTwentyAnnouncesTheSpeedRelief) {
    GameFixture f;
    f.game->SetLevel(20);
    f.game->RowsDone = 48;
    FillStrip(*f.game, "1111111111");
    f.game->DXTimer1Timer();
    EXPECT_EQ(f.host.events.back(),
              "message: Congratulations: You have proceeded to the next level\r"
              "and earned a temporary speed relief!");
    EXPECT_EQ(f.game->Level, 21);
    EXPECT_EQ(f.host.ClockInterval(), 375);
}

TEST(Levels, BeyondTheTableTheClockKeepsLevelNinetyNinesSpeed) {
    GameFixture f;
    f.game->SetLevel(99);
    f.game->LevelUp();
    EXPECT_EQ(f.game->Level, 100);
    EXPECT_EQ(f.host.ClockInterval(), 155);
}

TEST(Interlock, TicksAndClicksDuringAPushChangeNothing) {
    GameFixture f;
    f.SetBoard({"..........", "111......."});
    FillStrip(*f.game, "2222222222");
    int delivered = 0;
    f.host.duringProcessMessages = [&] {
        const Rows board = f.BoardText(9);
        const int score = f.game->Score;
        const int auxCount = f.game->AuxCount;
        f.game->DXTimer1Timer();
        f.Click(0, 0);
        EXPECT_EQ(f.BoardText(9), board);
        EXPECT_EQ(f.game->Score, score);
        EXPECT_EQ(f.game->AuxCount, auxCount);
        EXPECT_FALSE(f.game->EngineIdle);
        ++delivered;
    };
    f.game->DXTimer1Timer();
    EXPECT_EQ(delivered, 1);
    EXPECT_EQ(f.game->RowsDone, 1);
    EXPECT_EQ(f.game->AuxCount, 1);
}

}  // namespace
}  // namespace zorvane::test
