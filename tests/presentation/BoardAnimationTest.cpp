// A move's plan or a push in motion: it starts on the board before, ends on
// the board after, and really moves between them.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/CellText.h"
#include "presentation/BoardAnimation.h"
#include "tests/support/BoardRows.h"

namespace zorvane {
namespace {

constexpr int kRows = 12;

CellGrid Grid(const std::vector<std::string>& rows) {
    return test::GridFromRows(rows);
}

// What a frame shows on the board: each visible piece as "c@col,row",
// sorted; pieces between cells or outside the board count as not there.
std::vector<std::string> Shown(const std::vector<PieceFrame>& frame) {
    std::vector<std::string> shown;
    for (const PieceFrame& piece : frame) {
        const bool onBoard = piece.at.y() >= 0 && piece.at.y() < kRows;
        if (piece.opacity > 0.0 && onBoard) {
            shown.push_back(std::string(1, CharFromCell(piece.cell)) + "@" +
                            std::to_string(piece.at.x()) + "," + std::to_string(piece.at.y()));
        }
    }
    std::sort(shown.begin(), shown.end());
    return shown;
}
std::vector<std::string> Shown(const CellGrid& grid) {
    std::vector<std::string> shown;
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kRows; ++row) {
            if (IsOccupied(grid[col][row])) {
                shown.push_back(std::string(1, CharFromCell(grid[col][row])) + "@" +
                                std::to_string(qreal(col)) + "," + std::to_string(qreal(row)));
            }
        }
    }
    std::sort(shown.begin(), shown.end());
    return shown;
}

const PieceFrame& Piece(const std::vector<PieceFrame>& frame, char c) {
    const auto found = std::find_if(frame.begin(), frame.end(),
                                    [c](const PieceFrame& p) { return CharFromCell(p.cell) == c; });
    EXPECT_NE(found, frame.end()) << c;
    return *found;
}

TEST(BoardAnimation, AGroupBurstsWhileTheRestFallsAndSlidesIntoTheEmptiedColumn) {
    // The five 2s go; the 5 falls a row, the 3 of column 2 falls a row, and
    // the columns right of the emptied column 1 slide left, k and 4 with them.
    const CellGrid before = Grid({"5.........",  //
                                  "22.4......",  //
                                  "123k......",  //
                                  "12233....."});
    const CellGrid after = Grid({"5.4.......",  //
                                 "1.k.......",  //
                                 "1333......"});
    const std::vector<BoardAnimation> stages =
        MoveAnimations(PlanClick(before, kRows, 0, 1), before, kRows);
    ASSERT_EQ(stages.size(), 1u);
    const BoardAnimation* plan = &stages[0];

    EXPECT_EQ(Shown(FrameAt(*plan, 0.0)), Shown(before));
    for (const PieceFrame& piece : FrameAt(*plan, 0.0)) {
        EXPECT_EQ(piece.opacity, 1.0);
        EXPECT_EQ(piece.scale, 1.0);
    }
    EXPECT_EQ(Shown(FrameAt(*plan, 1.0)), Shown(after));

    // Midway the removed pieces are fading and swelling, the 5 is between
    // the rows it falls through and the k between the columns it slides.
    const std::vector<PieceFrame> mid = FrameAt(*plan, 0.7);
    int fading = 0;
    for (const PieceFrame& piece : FrameAt(*plan, 0.25)) {
        if (piece.opacity < 1.0) {
            ++fading;
            EXPECT_GT(piece.opacity, 0.0);
            EXPECT_GT(piece.scale, 1.0);
            EXPECT_EQ(CharFromCell(piece.cell), '2');
        }
    }
    EXPECT_EQ(fading, 5);
    EXPECT_GT(Piece(mid, '5').at.y(), 2.0);
    EXPECT_LT(Piece(mid, '5').at.y(), 3.0);
    EXPECT_EQ(Piece(mid, '5').at.x(), 0.0);
    EXPECT_GT(Piece(mid, 'k').at.x(), 2.0);
    EXPECT_LT(Piece(mid, 'k').at.x(), 3.0);

    // No motion for a click that is no move.
    EXPECT_TRUE(MoveAnimations(PlanClick(before, kRows, 3, 0), before, kRows).empty());
}

TEST(BoardAnimation, AChainOfSpecialsShowsEachStageFromWhereTheLastEnded) {
    // The row piece takes its row; the cross piece falls into its place and
    // fires in the same click, taking what is left of its row and column.
    const CellGrid before = Grid({"1D........",  //
                                  "3B4.......",  //
                                  "2536......"});
    const std::vector<BoardAnimation> stages =
        MoveAnimations(PlanClick(before, kRows, 1, 1), before, kRows);
    ASSERT_EQ(stages.size(), 2u);
    EXPECT_EQ(Shown(FrameAt(stages[0], 0.0)), Shown(before));
    EXPECT_EQ(Shown(FrameAt(stages[1], 0.0)), Shown(stages[0].after));
    EXPECT_EQ(Shown(FrameAt(stages[1], 1.0)), Shown(stages[1].after));
}

TEST(BoardAnimation, APushedRowRisesInUnderTheBoard) {
    const CellGrid before = Grid({"1.........",  //
                                  "23.b......"});
    const CellGrid after = Grid({"1.........",  //
                                 "23.b......",  //
                                 "4455612345"});
    const std::optional<BoardAnimation> plan = PlanPush(before, after, kRows);
    ASSERT_TRUE(plan);
    EXPECT_EQ(Shown(FrameAt(*plan, 0.0)), Shown(before));
    EXPECT_EQ(Shown(FrameAt(*plan, 1.0)), Shown(after));
    const std::vector<PieceFrame> mid = FrameAt(*plan, 0.7);
    EXPECT_LT(Piece(mid, '6').at.y(), 0.0);
    EXPECT_GT(Piece(mid, '6').at.y(), -1.0);
    EXPECT_GT(Piece(mid, 'b').at.y(), 0.0);
    EXPECT_LT(Piece(mid, 'b').at.y(), 1.0);

    // A board that is not the first one pushed up has no push to show.
    EXPECT_FALSE(PlanPush(before, Grid({"2.........", "4455612345"}), kRows));
}

}  // namespace
}  // namespace zorvane
