// Saving the running game and opening it again over another.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "FakeHost.h"

namespace zorvane::test {
namespace {

using Rows = std::vector<std::string>;
namespace fs = std::filesystem;

class SavedGames : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("zorvane-engine-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string Path(const std::string& name) const { return (folder / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    fs::path folder;
};

TEST_F(SavedGames, SaveThenOpenRestoresEveryCellAndTheCounters) {
    GameFixture saved;
    saved.SetBoard({"A.........", "k5b.......", "1234561234"});
    saved.game->SetScore(4321);
    saved.game->SetLevel(7);
    saved.game->ArrangeRowsDone(9);
    saved.game->ArrangeClearedCount(2);
    ASSERT_TRUE(saved.game->SaveGameTo(Path("game.SAV")));

    GameFixture opened(9, 99);
    opened.SetBoard({"1114......"});
    opened.Click(0, 0);
    ASSERT_TRUE(opened.game->State().UndoAllowed);
    opened.game->BtnPauseClick();
    opened.game->ArrangeAux(StripFromText("6"), 1);
    ASSERT_TRUE(opened.game->LoadGameFrom(Path("game.SAV")));
    const Game& g = *opened.game;
    EXPECT_EQ(opened.BoardText(9), saved.BoardText(9));
    EXPECT_EQ(g.State().Score, 4321);
    EXPECT_EQ(g.State().Status.DigitText(), "____4321");
    EXPECT_EQ(g.State().Level, 7);
    EXPECT_EQ(g.State().Status.LevelLabel, "Level: 7");
    EXPECT_EQ(opened.host.ClockInterval(), 450);
    EXPECT_EQ(g.State().RowsDone, 9);
    EXPECT_EQ(g.State().Status.LblRows, "Percent of level completed: 25");
    EXPECT_EQ(g.State().Status.PBRows, 25);
    EXPECT_EQ(g.State().Status.LblRowsDone, "Rows Done: 9");
    EXPECT_EQ(g.State().ClearedCount, 2);
    // The old game's preview strip and undo are gone with it.
    EXPECT_EQ(g.State().AuxCount, 0);
    EXPECT_EQ(AuxText(g), "..........");
    EXPECT_FALSE(g.State().UndoAllowed);
    // A paused game stays paused.
    EXPECT_TRUE(g.State().Paused);
    EXPECT_FALSE(opened.host.ClockEnabled());
}

TEST_F(SavedGames, OpeningAShortScoreShowsNoStaleDigits) {
    Write("small.SAV", "Score=7\r\n");
    GameFixture f;
    f.game->SetScore(98765);
    ASSERT_TRUE(f.game->LoadGameFrom(Path("small.SAV")));
    EXPECT_EQ(f.game->State().Status.DigitText(), "_______7");
}

TEST_F(SavedGames, TheProgressUsesTheLevelInForceWhenItsLineIsRead) {
    Write("order.SAV", "RowsDone=3\r\nLevel=11\r\n");
    GameFixture f;  // level 1: 3 of 30 rows
    ASSERT_TRUE(f.game->LoadGameFrom(Path("order.SAV")));
    EXPECT_EQ(f.game->State().Status.PBRows, 10);
    EXPECT_EQ(f.game->State().Level, 11);
    Write("order2.SAV", "Level=11\r\nRowsDone=3\r\n");
    ASSERT_TRUE(f.game->LoadGameFrom(Path("order2.SAV")));
    EXPECT_EQ(f.game->State().Status.PBRows, 8);  // 7.5 goes to the even neighbour
}

TEST_F(SavedGames, ALevelBelowOneReadsAsOne) {
    Write("zero.SAV", "Level=0\r\nRowsDone=15\r\n");
    GameFixture f;
    f.game->SetLevel(5);
    ASSERT_TRUE(f.game->LoadGameFrom(Path("zero.SAV")));
    EXPECT_EQ(f.game->State().Level, 1);
    EXPECT_EQ(f.host.ClockInterval(), 600);
    EXPECT_EQ(f.game->State().Status.PBRows, 50);
}

TEST_F(SavedGames, AFileThatCannotBeReadIsReportedAndChangesNothing) {
    GameFixture f;
    f.game->BtnPauseClick();  // running
    f.game->SetScore(500);
    const Rows board = f.BoardText(9);
    EXPECT_FALSE(f.game->LoadGameFrom(Path("missing.SAV")));
    ASSERT_EQ(f.host.events.size(), 1u);
    EXPECT_EQ(f.host.events[0].rfind("message: Error: " + Path("missing.SAV") + ": ", 0), 0u);
    EXPECT_EQ(f.BoardText(9), board);
    EXPECT_EQ(f.game->State().Score, 500);
    EXPECT_TRUE(f.host.ClockEnabled());  // the game goes on

    EXPECT_FALSE(f.game->SaveGameTo(Path("no-such-folder/game.SAV")));
    EXPECT_EQ(f.host.events.size(), 2u);
    EXPECT_TRUE(f.host.ClockEnabled());
}

TEST_F(SavedGames, CountersAtTheEndsOfTheRangeSurviveAPushAndAClearing) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    struct Case {
        std::string text;
        int level;
        int count;
        std::int32_t score;
    };
    const std::vector<Case> cases = {
        {"-2147483648", 1, 0, 0},
        {"$80000000", 1, 0, 0},
        {"-1", 1, 0, 0},
        {"0", 1, 0, 0},
        {"2147483647", 1000000, 1000000, kMax},
        {"0x7FFFFFFF", 1000000, 1000000, kMax},
    };
    for (const Case& c : cases) {
        Write("edge.SAV", "Score=" + c.text + "\r\nLevel=" + c.text + "\r\nRowsDone=" + c.text +
                              "\r\nClearedCount=" + c.text + "\r\n");
        GameFixture f;
        f.SetBoard({".........."});
        ASSERT_TRUE(f.game->LoadGameFrom(Path("edge.SAV"))) << c.text;
        const Game& g = *f.game;
        EXPECT_EQ(g.State().Level, c.level) << c.text;
        EXPECT_EQ(g.State().RowsDone, c.count) << c.text;
        EXPECT_EQ(g.State().ClearedCount, c.count) << c.text;
        EXPECT_EQ(g.State().Score, c.score) << c.text;

        // A push counts one more row, then a group of three empties the
        // board: one more clearing, one more level, a score that saturates.
        f.FillStrip("111.......");
        f.game->BtnPauseClick();
        f.Tick();
        EXPECT_EQ(g.State().RowsDone, c.count + 1) << c.text;
        f.Click(0, 0);
        EXPECT_EQ(g.State().ClearedCount, c.count + 1) << c.text;
        EXPECT_EQ(g.State().Level, c.level + 1) << c.text;
        EXPECT_EQ(g.State().Status.LevelLabel, "Level: " + std::to_string(c.level + 1));
        EXPECT_EQ(g.State().Score, c.score == kMax ? kMax : 5030) << c.text;
        EXPECT_EQ(g.State().Status.DigitText(), c.score == kMax ? "47483647" : "____5030")
            << c.text;
    }
}

TEST_F(SavedGames, CellsThatDoNotShowWhatTheyHoldLoadEmpty) {
    struct Case {
        int pic;
        const char* bomb;
        const char* special;
        int kind;
        char loaded;
    };
    const std::vector<Case> cases = {
        // What the game itself writes.
        {3, "FALSE", "FALSE", 0, '3'},
        {0, "TRUE", "FALSE", 0, 'k'},
        {4, "TRUE", "FALSE", 0, 'd'},
        {0, "TRUE", "TRUE", 6, 'F'},
        // Fields that show no picture, or one they do not hold.
        {0, "FALSE", "TRUE", 0, '.'},
        {3, "FALSE", "TRUE", 2, '.'},
        {7, "FALSE", "FALSE", 0, '.'},
        {-1, "FALSE", "FALSE", 0, '.'},
        {7, "TRUE", "FALSE", 0, '.'},
        {0, "TRUE", "TRUE", 7, '.'},
        {0, "TRUE", "TRUE", 0, '.'},
        {2, "TRUE", "TRUE", 1, '.'},
        {5, "FALSE", "FALSE", 3, '.'},
    };
    for (const Case& c : cases) {
        std::string file;
        for (int col = 0; col < 3; ++col) {
            file += "Pos[" + std::to_string(col) +
                    ",0]\r\nPic=1\r\nIsBomb=FALSE\r\nIsSpecial=FALSE\r\nSpecialNum=0\r\n";
        }
        file += "Pos[5,0]\r\nPic=" + std::to_string(c.pic) + "\r\nIsBomb=" + c.bomb +
                "\r\nIsSpecial=" + c.special + "\r\nSpecialNum=" + std::to_string(c.kind) + "\r\n";
        Write("cells.SAV", file);
        GameFixture f;
        f.SetBoard({".........."});
        ASSERT_TRUE(f.game->LoadGameFrom(Path("cells.SAV")));
        const std::string label =
            std::to_string(c.pic) + c.bomb + c.special + std::to_string(c.kind);
        EXPECT_EQ(f.BoardText(1)[0], std::string("111..") + c.loaded + "....") << label;
        // An empty cell cannot stand between the player and the clearing bonus.
        f.Click(0, 0);
        EXPECT_EQ(f.game->State().Level, c.loaded == '.' ? 2 : 1) << label;
    }
}

TEST_F(SavedGames, AFileWithNoSavedGameLineIsRefusedAndChangesNothing) {
    for (const std::string& bytes : {std::string(), std::string("; just a comment\r\n"),
                                     std::string("Hello=1\r\nThis is a letter.\r\n"),
                                     std::string("\x7f"
                                                 "ELF\x02\x01\x01\0\0",
                                                 9)}) {
        Write("other.SAV", bytes);
        GameFixture f;
        f.SetBoard({"222.......", "111......."});
        f.game->SetLevel(4);
        f.Click(0, 0);  // 30 points, a running game that can be undone
        const Rows board = f.BoardText(9);
        f.host.events.clear();
        EXPECT_FALSE(f.game->LoadGameFrom(Path("other.SAV")));
        EXPECT_EQ(f.host.events, std::vector<std::string>{"message: Error: " + Path("other.SAV") +
                                                          ": the file holds no saved game"});
        const Game& g = *f.game;
        EXPECT_EQ(f.BoardText(9), board);
        EXPECT_EQ(g.State().Score, 30);
        EXPECT_EQ(g.State().Status.DigitText(), "______30");
        EXPECT_EQ(g.State().Level, 4);
        EXPECT_TRUE(g.State().UndoAllowed);
        EXPECT_TRUE(f.host.ClockEnabled());
    }
    // One line of a saved game is enough for the usual rules: the score is
    // reset, the counters the file names are taken.
    Write("short.SAV", "Bogus=1\r\nlevel=3\r\n");
    GameFixture f;
    f.game->SetScore(500);
    ASSERT_TRUE(f.game->LoadGameFrom(Path("short.SAV")));
    EXPECT_EQ(f.game->State().Score, 0);
    EXPECT_EQ(f.game->State().Level, 3);
}

TEST_F(SavedGames, UndoAndOpenAreRefusedWhileAMoveOrAPushRuns) {
    GameFixture other;
    other.SetBoard({"4444......"});
    ASSERT_TRUE(other.game->SaveGameTo(Path("other.SAV")));
    for (bool push : {false, true}) {
        GameFixture f;
        f.SetBoard({"5.........", "222.......", "111......."});
        f.Click(0, 0);
        ASSERT_TRUE(f.game->State().UndoAllowed);
        int delivered = 0;
        f.host.duringProcessMessages = [&] {
            const Rows board = f.BoardText(9);
            const int score = f.game->State().Score;
            f.game->UndoSubMenuClick();
            EXPECT_FALSE(f.game->LoadGameFrom(Path("other.SAV")));
            EXPECT_EQ(f.BoardText(9), board) << push;
            EXPECT_EQ(f.game->State().Score, score) << push;
            ++delivered;
        };
        // The move or push itself then goes on as usual.
        if (push) {
            f.FillStrip("3434343434");
            f.game->DXTimer1Timer();
            EXPECT_EQ(f.BoardText(3), (Rows{"5.........", "222.......", "3434343434"}));
        } else {
            f.Click(1, 0);
            EXPECT_EQ(f.BoardText(1), Rows{"5........."});
            EXPECT_EQ(f.game->State().Score, 60);
        }
        EXPECT_EQ(delivered, 1) << push;
    }
}

}  // namespace
}  // namespace zorvane::test
