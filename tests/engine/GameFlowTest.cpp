// Game flow: start, new game, pause, undo, the end of a game, and the
// interlock that keeps a move whole while pending events run.

#include <gtest/gtest.h>

#include "FakeHost.h"

namespace zorvane::test {
namespace {

using Rows = std::vector<std::string>;

TEST(StartUp, TheGameWaitsPausedWithItsStartingRows) {
    GameFixture f(9, 5, 4);
    const Game& g = *f.game;
    EXPECT_TRUE(g.State().Paused);
    EXPECT_FALSE(f.host.ClockEnabled());
    EXPECT_EQ(f.host.ClockInterval(), 600);
    EXPECT_EQ(g.State().Status.BtnPause, "Start");
    EXPECT_EQ(g.State().Status.DigitText(), "_______0");
    EXPECT_EQ(g.State().Status.LevelLabel, "Level: 1");
    const Rows board = f.BoardText(9);
    for (int row = 0; row < 9; ++row) {
        const std::string& text = board[8 - row];
        if (row < 4) {
            // Level 1 starting rows hold only plain pieces.
            EXPECT_EQ(text.find_first_not_of("123456"), std::string::npos) << text;
        } else {
            EXPECT_EQ(text, "..........");
        }
    }
}

TEST(NewGame, StartsLevelOnePausedWhateverWasGoingOn) {
    GameFixture f;
    f.game->BtnPauseClick();
    // A cleared board (a clearing counted, its bonus paid, the next level),
    // then a push on a level well under way.
    f.SetBoard({"111......."});
    f.Click(0, 0);
    ASSERT_EQ(f.game->State().BoardBonus, 5000);
    f.game->SetScore(123456);
    f.game->ArrangeRowsDone(20);
    f.FillStrip("3434343434");
    f.game->DXTimer1Timer();
    ASSERT_EQ(f.game->State().Status.LblRowsDone, "Rows Done: 21");
    f.game->NewSubMenuClick();
    const Game& g = *f.game;
    EXPECT_EQ(g.State().Level, 1);
    EXPECT_EQ(f.host.ClockInterval(), 600);
    EXPECT_EQ(g.State().Score, 0);
    EXPECT_EQ(g.State().Status.DigitText(), "_______0");
    EXPECT_EQ(g.State().Status.LblRows, "Percent of level completed: 0");
    EXPECT_EQ(g.State().Status.LblRowsDone, "Rows Done: 0");
    EXPECT_EQ(g.State().Status.BtnPause, "Start");
    EXPECT_TRUE(g.State().Paused);
    EXPECT_FALSE(f.host.ClockEnabled());
    EXPECT_EQ(g.State().ClearedCount, 0);
    EXPECT_EQ(g.State().BoardBonus, 0);

    // The next clearing pays 5000 again.
    f.SetBoard({"111......."});
    f.Click(0, 0);
    EXPECT_EQ(f.game->State().BoardBonus, 5000);
}

TEST(Pause, TheButtonFollowsTheClock) {
    GameFixture f;
    f.game->BtnPauseClick();
    EXPECT_TRUE(f.host.ClockEnabled());
    EXPECT_FALSE(f.game->State().Paused);
    EXPECT_EQ(f.game->State().Status.BtnPause, "Pause");
    f.game->BtnPauseClick();
    EXPECT_FALSE(f.host.ClockEnabled());
    EXPECT_TRUE(f.game->State().Paused);
    EXPECT_EQ(f.game->State().Status.BtnPause, "Start");
}

TEST(Pause, PressedWhileAMoveOrPushRunsItPausesWhenThatEnds) {
    enum class Action { GoodMove, BadMove, Push, LevelEndingPush };
    struct Case {
        const char* what;
        Action action;
        bool runningBefore;
        int presses;
    };
    const std::vector<Case> cases = {
        {"good move", Action::GoodMove, true, 1},
        {"good move that starts a paused game", Action::GoodMove, false, 1},
        {"bad move", Action::BadMove, true, 1},
        {"push", Action::Push, true, 1},
        {"push that ends the level", Action::LevelEndingPush, true, 1},
        {"good move, pressed twice", Action::GoodMove, true, 2},
    };
    for (const Case& c : cases) {
        GameFixture f;
        f.SetBoard({"2.........", "111.....5."});
        if (c.runningBefore) {
            f.game->BtnPauseClick();
        }
        f.host.duringProcessMessages = [&] {
            for (int i = 0; i < c.presses; ++i) {
                f.game->BtnPauseClick();
            }
        };
        switch (c.action) {
            case Action::GoodMove:
                f.Click(0, 0);
                break;
            case Action::BadMove:
                f.Click(8, 0);
                break;
            case Action::LevelEndingPush:
                f.game->ArrangeRowsDone(29);
                [[fallthrough]];
            case Action::Push:
                f.FillStrip("3434343434");
                f.game->DXTimer1Timer();
                break;
        }
        f.host.duringProcessMessages = nullptr;
        const bool paused = c.presses == 1;
        EXPECT_EQ(f.game->State().Paused, paused) << c.what;
        EXPECT_EQ(f.host.ClockEnabled(), !paused) << c.what;
        EXPECT_EQ(f.game->State().Status.BtnPause, paused ? "Start" : "Pause") << c.what;
        // Nothing is left over for the next press, which simply toggles.
        f.game->BtnPauseClick();
        EXPECT_EQ(f.host.ClockEnabled(), paused) << c.what;
        EXPECT_EQ(f.game->State().Status.BtnPause, paused ? "Pause" : "Start") << c.what;
    }
}

TEST(Pause, ModalWindowsLeaveAPausedGamePausedAndARunningOneRunning) {
    GameFixture f;
    f.game->StopClockForDialog();
    f.game->ResumeClockAfterDialog();
    EXPECT_FALSE(f.host.ClockEnabled());
    f.game->BtnPauseClick();
    f.game->StopClockForDialog();
    EXPECT_FALSE(f.host.ClockEnabled());
    f.game->ResumeClockAfterDialog();
    EXPECT_TRUE(f.host.ClockEnabled());
}

TEST(Undo, RestoresOnlyThePositionBeforeTheLastMove) {
    GameFixture f;
    f.SetBoard({"222.......",  //
                "111.3....."});
    f.Click(0, 0);  // the 1s: the 2s fall
    const Rows afterFirst = f.BoardText(2);
    f.Click(0, 0);  // the 2s
    EXPECT_EQ(f.game->State().Score, 60);
    f.game->UndoSubMenuClick();
    EXPECT_EQ(f.BoardText(2), afterFirst);
    EXPECT_EQ(f.game->State().Score, 30);
    EXPECT_FALSE(f.game->State().UndoAllowed);
    f.game->UndoSubMenuClick();  // a second undo does nothing
    EXPECT_EQ(f.BoardText(2), afterFirst);
    EXPECT_EQ(f.game->State().Score, 30);
}

TEST(Undo, TheScoreShowsNoStaleDigits) {
    GameFixture f;
    f.game->SetScore(990);
    f.SetBoard({"2.........", "111......."});
    f.Click(0, 0);
    f.game->SetScore(1000);
    f.game->UndoSubMenuClick();
    EXPECT_EQ(f.game->State().Status.DigitText(), "_____990");
}

TEST(Undo, NothingToUndoOnceARowHasComeIn) {
    GameFixture f;
    f.SetBoard({"2.........", "111......."});
    f.Click(0, 0);
    for (int i = 0; i < 11; ++i) {
        f.Tick();
    }
    EXPECT_EQ(f.game->State().RowsDone, 1);
    const Rows board = f.BoardText(9);
    f.game->UndoSubMenuClick();
    EXPECT_EQ(f.BoardText(9), board);
    EXPECT_EQ(f.game->State().Score, 30);
}

TEST(Undo, APausedGameStaysPaused) {
    GameFixture f;
    f.SetBoard({"2.........", "111......."});
    f.Click(0, 0);
    f.game->BtnPauseClick();
    f.game->UndoSubMenuClick();
    EXPECT_EQ(f.BoardText(2), (Rows{"2.........", "111......."}));
    EXPECT_FALSE(f.host.ClockEnabled());
    EXPECT_TRUE(f.game->State().Paused);
    EXPECT_EQ(f.game->State().Status.BtnPause, "Start");
}

// Loses the game on the next tick.
void LoseNow(GameFixture& f) {
    Rows board(9, "..........");
    board[0] = "3.........";
    f.SetBoard(board);
    f.FillStrip("1111111111");
    f.game->DXTimer1Timer();
}

TEST(GameOver, AHighScoreAsksTheNameShowsTheTableThenOffersAnotherGame) {
    GameFixture f;
    f.host.answerYes = true;
    // Two clearings on the way to level 3.
    for (int clearing = 0; clearing < 2; ++clearing) {
        f.SetBoard({"111......."});
        f.Click(0, 0);
    }
    ASSERT_EQ(f.game->State().BoardBonus, 15000);
    f.game->SetScore(4600);
    f.host.events.clear();
    LoseNow(f);
    EXPECT_EQ(f.host.events,
              (std::vector<std::string>{"sound: row", "message: Confirm: The game is over!",
                                        "name?", "scores shown",
                                        "question: Confirm: Would you like to play again?"}));
    EXPECT_EQ(f.scores.Row(1).Score, "4600");
    EXPECT_EQ(f.scores.Row(1).Level, "3");
    EXPECT_EQ(f.scores.Row(1).Name, "Tester");
    EXPECT_EQ(f.scores.Row(1).Date, "08/12/26");
    EXPECT_EQ(f.scores.Row(2).Score, "4500");
    // Play again: a fresh level-1 game, paused.
    const Game& g = *f.game;
    EXPECT_EQ(g.State().Level, 1);
    EXPECT_EQ(g.State().Score, 0);
    EXPECT_EQ(g.State().ClearedCount, 0);
    EXPECT_EQ(g.State().BoardBonus, 0);
    EXPECT_TRUE(g.State().Paused);
    EXPECT_FALSE(f.host.ClockEnabled());
    EXPECT_EQ(g.State().Status.BtnPause, "Start");
    EXPECT_TRUE(g.State().EngineIdle);
}

TEST(GameOver, ALowScoreGoesStraightToThePlayAgainQuestion) {
    GameFixture f;
    LoseNow(f);
    EXPECT_EQ(f.host.events, (std::vector<std::string>{
                                 "sound: row", "message: Confirm: The game is over!",
                                 "question: Confirm: Would you like to play again?", "closed"}));
}

TEST(GameOver, ATableThatCannotBeWrittenIsReportedAndTheGameGoesOn) {
    GameFixture f;
    f.host.answerYes = true;
    // Not even its folder can be made: /dev/null is no folder.
    f.game->SetScoresPath("/dev/null/Scores.txt");
    f.game->SetScore(9000);
    LoseNow(f);
    ASSERT_GE(f.host.events.size(), 4u);
    EXPECT_EQ(f.host.events[3].rfind("message: Error: /dev/null/Scores.txt: ", 0), 0u)
        << f.host.events[3];
    EXPECT_EQ(f.scores.Row(0).Score, "9000");  // the table keeps the entry
    EXPECT_EQ(f.game->State().Level, 1);
}

TEST(Interlock, EventsDuringAMoveReturnAtOnceAndChangeNothing) {
    GameFixture f;
    f.SetBoard({"444.......",  //
                "2.........",  //
                "111......."});
    f.game->BtnPauseClick();
    ASSERT_FALSE(f.game->State().UndoAllowed);
    int delivered = 0;
    f.host.duringProcessMessages = [&] {
        const Rows board = f.BoardText(9);
        const int auxCount = f.game->State().AuxCount;
        f.game->DXTimer1Timer();
        f.Click(0, 2);
        f.game->UndoSubMenuClick();
        f.game->NewSubMenuClick();
        EXPECT_EQ(f.BoardText(9), board);
        EXPECT_EQ(f.game->State().AuxCount, auxCount);
        EXPECT_EQ(f.game->State().Score, 0);
        EXPECT_EQ(f.game->State().Level, 1);
        ++delivered;
    };
    f.Click(0, 0);
    EXPECT_EQ(delivered, 1);
    EXPECT_EQ(f.game->State().Score, 30);
    EXPECT_TRUE(f.game->State().EngineIdle);
}

}  // namespace
}  // namespace zorvane::test
