// The board model: tags, the starting rows and the undo snapshot.

#include <gtest/gtest.h>

#include "FakeHost.h"
#include "persistence/OptionsFile.h"

namespace zorvane::test {
namespace {

using Rows = std::vector<std::string>;

struct SetupGame {
    explicit SetupGame(int startRows, int rows = 9) {
        settings.NumRows = rows;
        settings.StartRows = startRows;
        game.emplace(settings, host, random, scores);
    }
    Settings settings;
    FakeHost host;
    ScriptedRandom random;
    HighScoreTable scores;
    std::optional<Game> game;
};

// Clears the board with one last group: the next level's starting rows are
// filled at once.
void ClearTheBoard(Game& g) {
    g.ArrangeBoard(GridFromRows({"111......."}));
    g.Num1Click({true, 0});
}

TEST(Tags, SplitIntoRowAndColumn) {
    int row = -1;
    int col = -1;
    Game::DecodeTag(57, row, col);
    EXPECT_EQ(row, 5);
    EXPECT_EQ(col, 7);
    Game::DecodeTag(159, row, col);
    EXPECT_EQ(row, 15);
    EXPECT_EQ(col, 9);
}

TEST(SetupBoard, FillsExactlyTheStartRows) {
    for (int startRows : {1, 3, 5}) {
        GameFixture f(9, 3, startRows);
        const Rows board = f.BoardText(9);
        for (int row = 0; row < 9; ++row) {
            const std::string& text = board[8 - row];
            EXPECT_EQ(text.find('.') == std::string::npos, row < startRows)
                << startRows << " start rows, row " << row << ": " << text;
        }
    }
}

TEST(SetupBoard, NeverWritesOutsideTheBoard) {
    SetupGame s(40, 9);
    s.game->StartUp();
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kMaxRows; ++row) {
            EXPECT_EQ(IsOccupied(s.game->State().Board[col][row]), row < 9);
        }
    }
    SetupGame none(0, 9);
    none.game->StartUp();
    EXPECT_TRUE(BoardEmpty(*none.game));
    EXPECT_TRUE(none.random.asked.empty());
}

TEST(SetupBoard, OptionsNumbersAtTheEndsOfTheRangeGiveABoardThatPlays) {
    struct Case {
        std::string text;
        int filledRows;
    };
    const std::vector<Case> cases = {
        {"-2147483648", 1}, {"$80000000", 1},  {"-1", 1},
        {"0", 1},           {"2147483647", 9}, {"0x7FFFFFFF", 9},
    };
    for (const Case& c : cases) {
        Settings read;
        ReadOptionsLines({"NumRows=" + c.text, "StartRows=" + c.text}, read);
        GameFixture f(read);
        f.host.answerYes = true;
        ASSERT_EQ(f.game->NumRows(), 9) << c.text;
        const Rows board = f.BoardText(9);
        for (int row = 0; row < 9; ++row) {
            EXPECT_EQ(board[8 - row].find('.') == std::string::npos, row < c.filledRows)
                << c.text << ", row " << row;
        }
        // A click and a push over it; a full board is lost at the push.
        f.Click(0, 0);
        f.Tick(11);
        EXPECT_EQ(std::count(f.host.events.begin(), f.host.events.end(), "sound: row"), 1)
            << c.text;
    }
}

TEST(SetupBoard, CopiesTheLeftColourOnDrawsSixToEight) {
    SetupGame s(1);
    // Pairs (copy draw, colour draw) for columns 0..9.
    s.random.values = {6, 2, 7, 4, 5, 0, 8, 5, 6, 3, 9, 1, 3, 5, 6, 0, 2, 2, 8, 4};
    s.game->StartUp();
    std::string row;
    for (int col = 0; col < kColumns; ++col) {
        row += CharFromCell(s.game->State().Board[col][0]);
    }
    // Column 0 never copies; 6, 7 and 8 take the left neighbour's colour.
    EXPECT_EQ(row, "3311126633");
    EXPECT_EQ(s.random.asked, (std::vector<int>{10, 6, 10, 6, 10, 6, 10, 6, 10, 6,  //
                                                10, 6, 10, 6, 10, 6, 10, 6, 10, 6}));

    SetupGame random(1);
    random.settings.RandomMode = true;
    random.random.values = {6, 2, 7, 4};
    random.game->StartUp();
    EXPECT_EQ(CharFromCell(random.game->State().Board[1][0]), '5');
}

TEST(SetupBoard, ColourBombsOnlyFromLevelTwo) {
    SetupGame s(0);
    s.game->StartUp();
    s.settings.StartRows = 1;
    // On level 2, column 0 becomes a bomb (draw 5), column 1 does not.
    s.random.values = {0, 1, 5, 0, 2, 4};
    ClearTheBoard(*s.game);
    ASSERT_EQ(s.game->State().Level, 2);
    EXPECT_EQ(CharFromCell(s.game->State().Board[0][0]), 'b');
    EXPECT_EQ(CharFromCell(s.game->State().Board[1][0]), '3');
    EXPECT_EQ(std::vector<int>(s.random.asked.begin(), s.random.asked.begin() + 6),
              (std::vector<int>{10, 6, 15, 10, 6, 15}));

    // Over many seeded fills about one starting piece in fifteen is a bomb.
    int bombs = 0;
    int cells = 0;
    for (unsigned seed = 1; seed <= 100; ++seed) {
        GameFixture f(9, seed, 5);
        ClearTheBoard(*f.game);
        for (int col = 0; col < kColumns; ++col) {
            for (int row = 0; row < 5; ++row) {
                bombs += f.game->State().Board[col][row].IsBomb ? 1 : 0;
                ++cells;
            }
        }
    }
    EXPECT_GT(bombs, cells / 15 * 7 / 10);
    EXPECT_LT(bombs, cells / 15 * 13 / 10);

    GameFixture levelOne(9, 7, 5);
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < 5; ++row) {
            EXPECT_FALSE(levelOne.game->State().Board[col][row].IsBomb);
        }
    }
}

TEST(Snapshot, UndoBringsBackTheFourFieldsOfEveryCellAndTheScore) {
    GameFixture f;
    f.SetBoard({"222kA1b..."});
    f.game->SetScore(70);
    f.Click(0, 0);
    ASSERT_EQ(f.game->State().Score, 100);
    f.game->UndoSubMenuClick();
    EXPECT_EQ(f.BoardText(1), Rows{"222kA1b..."});
    EXPECT_EQ(f.game->State().Score, 70);
    EXPECT_EQ(f.game->State().Status.DigitText(), "______70");
}

}  // namespace
}  // namespace zorvane::test
