// Saving the running game and opening it again over another.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
    saved.game->RowsDone = 9;
    saved.game->ClearedCount = 2;
    ASSERT_TRUE(saved.game->SaveGameTo(Path("game.SAV")));

    GameFixture opened(9, 99);
    opened.game->Aux[0] = MakePiece(6);
    opened.game->AuxCount = 1;
    opened.game->UndoAllowed = true;
    ASSERT_TRUE(opened.game->LoadGameFrom(Path("game.SAV")));
    const Game& g = *opened.game;
    EXPECT_EQ(opened.BoardText(9), saved.BoardText(9));
    EXPECT_EQ(g.Score, 4321);
    EXPECT_EQ(g.Status.DigitText(), "____4321");
    EXPECT_EQ(g.Level, 7);
    EXPECT_EQ(g.Status.LevelLabel, "Level: 7");
    EXPECT_EQ(opened.host.interval, 450);
    EXPECT_EQ(g.RowsDone, 9);
    EXPECT_EQ(g.Status.LblRows, "Percent of level completed: 25");
    EXPECT_EQ(g.Status.PBRows, 25);
    EXPECT_EQ(g.Status.LblRowsDone, "Rows Done: 9");
    EXPECT_EQ(g.ClearedCount, 2);
    // What the file does not hold stays; the old game's undo is gone.
    EXPECT_EQ(g.AuxCount, 1);
    EXPECT_EQ(g.Aux[0].Pic, 6);
    EXPECT_FALSE(g.UndoAllowed);
    // A paused game stays paused.
    EXPECT_TRUE(g.Paused);
    EXPECT_FALSE(opened.host.clockEnabled);
}

TEST_F(SavedGames, OpeningAShortScoreShowsNoStaleDigits) {
    Write("small.SAV", "Score=7\r\n");
    GameFixture f;
    f.game->SetScore(98765);
    ASSERT_TRUE(f.game->LoadGameFrom(Path("small.SAV")));
    EXPECT_EQ(f.game->Status.DigitText(), "_______7");
}

TEST_F(SavedGames, TheProgressUsesTheLevelInForceWhenItsLineIsRead) {
    Write("order.SAV", "RowsDone=3\r\nLevel=11\r\n");
    GameFixture f;  // level 1: 3 of 30 rows
    ASSERT_TRUE(f.game->LoadGameFrom(Path("order.SAV")));
    EXPECT_EQ(f.game->Status.PBRows, 10);
    EXPECT_EQ(f.game->Level, 11);
    Write("order2.SAV", "Level=11\r\nRowsDone=3\r\n");
    ASSERT_TRUE(f.game->LoadGameFrom(Path("order2.SAV")));
    EXPECT_EQ(f.game->Status.PBRows, 8);  // 7.5 goes to the even neighbour
}

TEST_F(SavedGames, ALevelBelowOneReadsAsOne) {
    Write("zero.SAV", "Level=0\r\nRowsDone=15\r\n");
    GameFixture f;
    f.game->SetLevel(5);
    ASSERT_TRUE(f.game->LoadGameFrom(Path("zero.SAV")));
    EXPECT_EQ(f.game->Level, 1);
    EXPECT_EQ(f.host.interval, 600);
    EXPECT_EQ(f.game->Status.PBRows, 50);
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
    EXPECT_EQ(f.game->Score, 500);
    EXPECT_TRUE(f.host.clockEnabled);  // the game goes on

    EXPECT_FALSE(f.game->SaveGameTo(Path("no-such-folder/game.SAV")));
    EXPECT_EQ(f.host.events.size(), 2u);
    EXPECT_TRUE(f.host.clockEnabled);
}

}  // namespace
}  // namespace zorvane::test
