// Bombs and special pieces: their removal patterns, their scores, and the
// chain of a special piece that falls into the clicked cell.

#include <gtest/gtest.h>

#include "FakeHost.h"

namespace zorvane::test {
namespace {

using Rows = std::vector<std::string>;

// A full 9-row board of alternating colours, so no rule sees a group.
Rows Checkerboard() {
    Rows rows;
    for (int i = 0; i < 9; ++i) {
        rows.push_back(i % 2 ? "1212121212" : "2121212121");
    }
    return rows;
}

void Put(Rows& rows, int col, int row, char c) {
    rows[rows.size() - 1 - row][col] = c;
}

TEST(ColourBomb, RemovesEveryCellOfItsColourAndScoresByCount) {
    GameFixture f;
    f.SetBoard({"2k2A2.....",  //
                "32323b....",  //
                "b2222232.3"});
    f.Click(0, 0);
    // 13 cells: 130 points plus the bonus of 245; the other bomb of the same
    // colour goes without going off, the black bomb and the special stay.
    EXPECT_EQ(f.game->State().Score, 375);
    EXPECT_EQ(f.game->State().Status.Bonus, "Bonus: 245");
    EXPECT_EQ(f.BoardText(3), (Rows{"..........", "..........", "3k3A333..."}));
    EXPECT_EQ(f.host.events, std::vector<std::string>{"sound: explode"});
    EXPECT_TRUE(f.game->State().UndoAllowed);
}

TEST(BlackBomb, RemovesItselfAndItsOccupiedNeighbours) {
    GameFixture f;
    f.SetBoard({"123.......",  //
                "4k5.......",  //
                "616..2...."});
    f.Click(1, 1);
    EXPECT_EQ(f.game->State().Score, 235);  // nine cells: 90 + 145
    EXPECT_EQ(f.BoardText(1), Rows{"2........."});
}

TEST(BlackBomb, InACornerReachesOnlyItsThreeNeighbours) {
    GameFixture f;
    f.SetBoard({"36........",  //
                "k2..5....."});
    f.Click(0, 0);
    EXPECT_EQ(f.game->State().Score, 40 + 20);
    EXPECT_EQ(f.BoardText(2), (Rows{"..........", "5........."}));

    GameFixture alone;
    alone.SetBoard({"k...5....."});
    alone.Click(0, 0);
    EXPECT_EQ(alone.game->State().Score, 10);
    EXPECT_EQ(alone.game->State().Status.Bonus, "Bonus: 0");
}

TEST(AreaPiece, ItsOwnCellScoresFiftyAndItsReachIsSevenBySeven) {
    GameFixture own;
    Rows board(9, "..........");
    Put(board, 4, 4, 'A');
    Put(board, 9, 8, '3');  // outside the square
    own.SetBoard(board);
    own.Click(4, 4);
    EXPECT_EQ(own.game->State().Score, 50);
    EXPECT_EQ(own.BoardText(9)[0], ".........3");

    GameFixture middle;
    board = Checkerboard();
    Put(board, 4, 4, 'A');
    middle.SetBoard(board);
    middle.Click(4, 4);
    // 49 cells: the special 50, 48 pieces 480, the bonus for 49 cells 1145.
    EXPECT_EQ(middle.game->State().Score, 50 + 480 + 1145);
    // Columns 1..7 lost rows 1..7: their top row fell onto row 1.
    const Rows after = middle.BoardText(9);
    EXPECT_EQ(after[6], "2.......21");
    EXPECT_EQ(after[7], "1121212112");
    EXPECT_EQ(after[8], "2121212121");

    GameFixture corner;
    board = Checkerboard();
    Put(board, 0, 0, 'A');
    corner.SetBoard(board);
    corner.Click(0, 0);
    // A 4 x 4 square: the special 50, 15 pieces 150, the bonus for 16 cells 320.
    EXPECT_EQ(corner.game->State().Score, 50 + 150 + 320);
    EXPECT_EQ(corner.BoardText(9)[3], "....121212");
}

TEST(AreaPiece, BombsOnItsCrossAreHitTwiceAndDoNotGoOff) {
    GameFixture f;
    Rows board(9, "..........");
    Put(board, 4, 4, 'A');
    Put(board, 5, 4, 'k');  // on the centre's row: probed twice
    Put(board, 5, 5, 'b');  // off the cross: once
    Put(board, 9, 8, '3');
    f.SetBoard(board);
    f.Click(4, 4);
    EXPECT_EQ(f.game->State().Score, 50 + 20 + 10);
    EXPECT_EQ(f.host.events, std::vector<std::string>{"sound: explode"});
}

TEST(RowAndColumnPieces, OwnCellOfTheCrossScoresTwice) {
    GameFixture f;
    Rows board(9, "..........");
    Put(board, 3, 2, 'D');
    Put(board, 9, 8, '3');
    f.SetBoard(board);
    f.Click(3, 2);
    EXPECT_EQ(f.game->State().Score, 20);
}

TEST(RowsPieces, FromHereUpAndAllRows) {
    GameFixture top;
    Rows board = Checkerboard();
    Put(board, 5, 8, 'E');
    top.SetBoard(board);
    top.Click(5, 8);
    EXPECT_EQ(top.game->State().Score, 100 + 170);  // only the top row
    EXPECT_EQ(top.BoardText(9)[0], "..........");
    EXPECT_EQ(top.BoardText(9)[1], "1212121212");

    // From row 0 up is the whole board, like the all-rows piece: the board is
    // cleared and its bonus paid.
    for (char kind : {'E', 'F'}) {
        GameFixture all;
        board = Checkerboard();
        Put(board, 5, 0, kind);
        all.SetBoard(board);
        all.Click(5, 0);
        EXPECT_EQ(all.game->State().Score, 900 + 2170 + 5000) << kind;
        EXPECT_EQ(all.game->State().Level, 2);
    }
}

TEST(Chains, AHigherSpecialFallingIntoTheClickedCellFiresToo) {
    const Rows board = {"2345634562",  //
                        "3456C45623",  //
                        "1234B12341"};
    GameFixture f;
    f.SetBoard(board);
    f.Click(4, 0);
    // The row (270), then the column the row piece fell into (2 cells, 20).
    EXPECT_EQ(f.game->State().Score, 290);
    EXPECT_EQ(f.host.events, (std::vector<std::string>{"sound: explode", "sound: explode"}));
    EXPECT_EQ(f.BoardText(3), (Rows{"..........", "234534562.", "345645623."}));
    // Undo goes back to before the last firing only.
    f.game->UndoSubMenuClick();
    EXPECT_EQ(f.game->State().Score, 270);
    EXPECT_EQ(f.BoardText(3), (Rows{"..........", "2345634562", "3456C45623"}));
}

TEST(Chains, ALowerOrEqualSpecialWaitsForItsOwnClick) {
    for (char above : {'A', 'B'}) {
        GameFixture f;
        Rows board = {"2345634562", "3456.45623", "1234B12341"};
        board[1][4] = above;
        f.SetBoard(board);
        f.Click(4, 0);
        EXPECT_EQ(f.game->State().Score, 270) << above;
        EXPECT_EQ(f.BoardText(3)[2][4], above);
    }
}

TEST(Chains, AHigherSpecialSlidingInFromTheRightFiresToo) {
    GameFixture f;
    f.SetBoard({"....1.2...",  //
                "3456CD1234"});
    f.Click(4, 0);
    // The column piece takes its column (20); the row-and-column piece slides
    // into the emptied column and takes the bottom row and itself again (100,
    // nine cells 145).
    EXPECT_EQ(f.game->State().Score, 20 + 100 + 145);
    EXPECT_EQ(f.host.events, (std::vector<std::string>{"sound: explode", "sound: explode"}));
    EXPECT_EQ(f.BoardText(2), (Rows{"..........", "2........."}));
}

TEST(Chains, OnlyASpecialCanFireTheNextKind) {
    // A plain piece that carries a kind number falls into the clicked cell:
    // it is a piece, and the chain stops.
    GameFixture f;
    CellGrid board = GridFromRows({"2345634562",  //
                                   "3456.45623",  //
                                   "1234B12341"});
    board[4][1] = MakePiece(6);
    board[4][1].SpecialNum = 3;
    f.game->ArrangeBoard(board);
    f.Click(4, 0);
    EXPECT_EQ(f.game->State().Score, 270);
    EXPECT_EQ(f.host.events, std::vector<std::string>{"sound: explode"});
    EXPECT_EQ(f.BoardText(3)[2][4], '6');
}

TEST(Specials, AnUnknownKindFiresNothingAndLeavesTheGamePaused) {
    GameFixture f;
    CellGrid board = GridFromRows({"111......."});
    board[5][0] = MakeSpecial(9);
    f.game->ArrangeBoard(board);
    f.Click(5, 0);
    EXPECT_TRUE(f.host.events.empty());
    EXPECT_EQ(f.game->State().Score, 0);
    EXPECT_TRUE(f.game->State().Paused);
    EXPECT_EQ(f.game->State().Status.BtnPause, "Start");
    EXPECT_TRUE(f.game->State().EngineIdle);
}

}  // namespace
}  // namespace zorvane::test
