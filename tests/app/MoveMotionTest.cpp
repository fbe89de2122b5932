// Moves and pushes shown in motion: the engine's board is final at once, a
// click during the motion finishes it and acts on that board, the clock is
// not held back, and the Animations option turns the motion off.

#include <QCheckBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "EditOptionsFixture.h"
#include "app/MoveMotion.h"

namespace zorvane::test {
namespace {

using MoveMotionTest = EditOptions;

QPoint CellCentre(int row, int col, int rows = 9) {
    return {col * 40 + 20, (rows - 1 - row) * 40 + 20};
}

QImage Shot(TMainBoard& b) {
    return b.BoardPanel()->grab().toImage();
}

// The 1s go, the 2 falls and the pieces to the right slide into the
// emptied column: a row of three 2s, which a second click takes.
const std::vector<std::string> kBoard = {"2.........",  //
                                         "1.........",  //
                                         "11223....."};

TEST_F(MoveMotionTest, AClickDuringTheMotionFinishesItAndActsOnTheFinalBoard) {
    TMainBoard& b = Start();
    SetBoard(kBoard);
    b.StateChanged();
    const QImage atRest = Shot(b);
    EXPECT_FALSE(b.Motion().Running());

    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, CellCentre(0, 0));
    EXPECT_EQ(BottomRow(), "2223......");  // the engine is done at once
    ASSERT_TRUE(b.Motion().Running());
    const QImage during = Shot(b);
    const bool midway = b.Motion().Progress() < 1.0;

    // The press ends the motion at once and the board shows its final state;
    // the release plays the cell as it is on that board.
    QTest::mousePress(b.BoardPanel(), Qt::LeftButton, {}, CellCentre(0, 1));
    EXPECT_FALSE(b.Motion().Running());
    const QImage final = Shot(b);
    EXPECT_NE(final, atRest);
    if (midway) {
        EXPECT_NE(during, final);
    }
    const std::int64_t score = game().Score;
    QTest::mouseRelease(b.BoardPanel(), Qt::LeftButton, {}, CellCentre(0, 1));
    EXPECT_GT(game().Score, score);
    EXPECT_EQ(BottomRow(), "3.........");

    // The second move's motion runs out by itself, briefly.
    ASSERT_TRUE(b.Motion().Running());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !b.Motion().Running(); }, 1000));
}

TEST_F(MoveMotionTest, APushedRowRisesWithoutHoldingTheClockBack) {
    TMainBoard& b = Start();
    SetBoard({"1........."});
    for (int col = 0; col < kColumns; ++col) {
        game().Aux[col] = MakePiece(col % kColours + 1);
    }
    game().AuxCount = 10;
    b.StateChanged();

    // The clock's own handler: the push is on the board at once and rises.
    b.Clock().OnTimer();
    EXPECT_EQ(BottomRow(), "1234561234");
    EXPECT_EQ(CharFromCell(game().Board[0][1]), '1');
    ASSERT_TRUE(b.Motion().Running());

    // The next tick comes as it would without the motion: it ends it and
    // fills its preview slot.
    ASSERT_EQ(game().AuxCount, 1);
    b.Clock().OnTimer();
    EXPECT_FALSE(b.Motion().Running());
    EXPECT_EQ(game().AuxCount, 2);
}

TEST_F(MoveMotionTest, TheAnimationsOptionTurnsTheMotionOff) {
    TMainBoard& b = Start();
    EXPECT_TRUE(b.GameSettings().Animations);
    Edit(QDialog::Accepted, [](TFrmOptions& d) {
        QTabBar* tabs = d.PageControl->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        ASSERT_TRUE(d.CBAnimations->isChecked());
        QTest::mouseClick(d.CBAnimations, Qt::LeftButton, {}, {6, d.CBAnimations->height() / 2});
    });
    EXPECT_FALSE(b.GameSettings().Animations);

    SetBoard(kBoard);
    b.StateChanged();
    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, CellCentre(0, 0));
    EXPECT_EQ(BottomRow(), "2223......");
    EXPECT_FALSE(b.Motion().Running());

    Edit(TFrmOptions::kSaveResult,
         [](TFrmOptions& d) { EXPECT_FALSE(d.CBAnimations->isChecked()); });
    EXPECT_TRUE(OptionsFile().ends_with("\r\nAnimations=FALSE\r\n"));
}

}  // namespace
}  // namespace zorvane::test
