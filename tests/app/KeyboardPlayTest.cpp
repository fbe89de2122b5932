// Playing without a mouse, the outline of what a click would take, the flash
// of a bad move, and what a screen reader reads; all through real key and
// mouse events on the main window.

#include <QAccessible>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "AppFixture.h"
#include "app/BoardGuide.h"
#include "app/MoveMotion.h"

namespace zorvane::test {
namespace {

using KeyboardPlay = AppTest;

// Pixels `inset` from the middle of a cell's left side, and the like.
QColor LeftSide(const QImage& shot, int row, int col, int inset, int rows = 9) {
    return shot.pixelColor(col * 40 + inset, (rows - 1 - row) * 40 + 20);
}
QColor RightSide(const QImage& shot, int row, int col, int inset, int rows = 9) {
    return shot.pixelColor(col * 40 + 39 - inset, (rows - 1 - row) * 40 + 20);
}

// The cursor's frame: white three to four pixels in, black five in.
bool CursorOn(TMainBoard& b, int row, int col) {
    const QImage shot = b.BoardPanel()->grab().toImage();
    return LeftSide(shot, row, col, 3) == Qt::white && LeftSide(shot, row, col, 5) == Qt::black &&
           RightSide(shot, row, col, 3) == Qt::white;
}

// A group's outline: white two pixels in from a side that borders the
// outside of the group, and no black frame further in.
bool OutlinedLeft(const QImage& shot, int row, int col) {
    return LeftSide(shot, row, col, 2) == Qt::white && LeftSide(shot, row, col, 5) != Qt::black;
}
bool OutlinedRight(const QImage& shot, int row, int col) {
    return RightSide(shot, row, col, 2) == Qt::white && RightSide(shot, row, col, 5) != Qt::black;
}

void Key(TMainBoard& b, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(b.windowHandle(), key, modifiers);
}

QPoint CellCentre(int row, int col, int rows = 9) {
    return {col * 40 + 20, (rows - 1 - row) * 40 + 20};
}

TEST_F(KeyboardPlay, ArrowsMoveACursorThatSpaceOrEnterPlaysAndTabReachesPause) {
    TMainBoard& b = Start();
    SetBoard({"..4.......",  //
              "3224......",  //
              "1224......"});
    b.StateChanged();
    ASSERT_EQ(b.focusWidget(), b.BoardPanel());
    EXPECT_FALSE(b.Guide().Cursor());
    EXPECT_FALSE(CursorOn(b, 0, 0));

    // The first key shows the cursor where it starts, at the bottom left.
    Key(b, Qt::Key_Right);
    EXPECT_EQ(b.Guide().Cursor(), (CellPos{0, 0}));
    EXPECT_TRUE(CursorOn(b, 0, 0));

    // Enter on a lone piece is a bad move: it starts the clock as a click
    // does, and reaches the pause button no more than the board's neighbours.
    Key(b, Qt::Key_Return);
    EXPECT_EQ(game().State().Score, 0);
    EXPECT_FALSE(game().State().Paused);
    EXPECT_TRUE(b.Clock().Enabled());
    EXPECT_EQ(BottomRow(), "1224......");

    // The cursor walks and stops at the edge; the group it is on is outlined.
    Key(b, Qt::Key_Down);
    Key(b, Qt::Key_Left);
    Key(b, Qt::Key_Right);
    Key(b, Qt::Key_Up);
    EXPECT_EQ(b.Guide().Cursor(), (CellPos{1, 1}));
    EXPECT_TRUE(CursorOn(b, 1, 1));
    EXPECT_FALSE(CursorOn(b, 0, 0));
    const QImage shot = b.BoardPanel()->grab().toImage();
    EXPECT_TRUE(OutlinedRight(shot, 0, 2));
    EXPECT_FALSE(OutlinedRight(shot, 0, 3));

    // Space plays it: four pieces and their bonus.
    Key(b, Qt::Key_Space);
    EXPECT_EQ(game().State().Score, 60);
    EXPECT_EQ(BottomRow(), "144.......");
    EXPECT_TRUE(CursorOn(b, 1, 1));

    // Tab reaches the pause button, whose Space pauses; Shift+Tab returns.
    Key(b, Qt::Key_Tab);
    EXPECT_EQ(b.focusWidget(), PauseButton(b));
    Key(b, Qt::Key_Space);
    EXPECT_TRUE(game().State().Paused);
    Key(b, Qt::Key_Backtab);
    EXPECT_EQ(b.focusWidget(), b.BoardPanel());
    Key(b, Qt::Key_Left);
    EXPECT_EQ(b.Guide().Cursor(), (CellPos{1, 0}));

    // Moving the mouse over the board hides the cursor.
    QTest::mouseMove(b.BoardPanel(), CellCentre(4, 6));
    EXPECT_FALSE(b.Guide().Cursor());
    EXPECT_FALSE(CursorOn(b, 1, 0));
}

TEST_F(KeyboardPlay, WhatAClickUnderThePointerWouldTakeIsOutlined) {
    TMainBoard& b = Start();
    SetBoard({"5.........",  //
              "1b3k......",  //
              "1124......"});
    b.StateChanged();
    QImage shot = b.BoardPanel()->grab().toImage();
    ASSERT_FALSE(OutlinedLeft(shot, 0, 0));

    // A group: its border only, not the sides its cells share.
    QTest::mouseMove(b.BoardPanel(), CellCentre(0, 0));
    shot = b.BoardPanel()->grab().toImage();
    EXPECT_TRUE(OutlinedLeft(shot, 0, 0));
    EXPECT_TRUE(OutlinedLeft(shot, 1, 0));
    EXPECT_TRUE(OutlinedRight(shot, 0, 1));
    EXPECT_FALSE(OutlinedRight(shot, 0, 0));
    EXPECT_FALSE(OutlinedLeft(shot, 0, 2));

    // A black bomb: itself and its occupied neighbours.
    QTest::mouseMove(b.BoardPanel(), CellCentre(1, 3));
    shot = b.BoardPanel()->grab().toImage();
    EXPECT_TRUE(OutlinedLeft(shot, 0, 2));
    EXPECT_TRUE(OutlinedRight(shot, 1, 3));
    EXPECT_FALSE(OutlinedLeft(shot, 0, 0));

    // A colour bomb: every cell of its colour, wherever it lies.
    QTest::mouseMove(b.BoardPanel(), CellCentre(1, 1));
    shot = b.BoardPanel()->grab().toImage();
    EXPECT_TRUE(OutlinedLeft(shot, 1, 1) && OutlinedRight(shot, 1, 1));
    EXPECT_TRUE(OutlinedLeft(shot, 0, 2) && OutlinedRight(shot, 0, 2));
    EXPECT_FALSE(OutlinedLeft(shot, 1, 2));

    // Once the move has landed the outline follows the new board under the
    // still pointer: the 5 that fell into the cell is alone.
    QTest::mouseMove(b.BoardPanel(), CellCentre(0, 0));
    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, CellCentre(0, 0));
    ASSERT_EQ(game().State().Score, 30);
    b.Motion().Finish();
    shot = b.BoardPanel()->grab().toImage();
    EXPECT_FALSE(OutlinedLeft(shot, 0, 0));

    // Leaving the board takes the outline away.
    QTest::mouseMove(b.BoardPanel(), CellCentre(1, 3));
    ASSERT_TRUE(OutlinedRight(b.BoardPanel()->grab().toImage(), 1, 3));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b.BoardPanel(), &leave);
    EXPECT_FALSE(OutlinedRight(b.BoardPanel()->grab().toImage(), 1, 3));
}

TEST_F(KeyboardPlay, ABadMoveFlashesItsCellBriefly) {
    TMainBoard& b = Start();
    SetBoard({"12........"});
    b.StateChanged();
    const QColor before = LeftSide(b.BoardPanel()->grab().toImage(), 0, 1, 1);
    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, CellCentre(0, 1));
    const QColor flash = LeftSide(b.BoardPanel()->grab().toImage(), 0, 1, 1);
    EXPECT_GT(flash.red(), 200);
    EXPECT_LT(flash.green(), 60);
    EXPECT_LT(flash.blue(), 60);
    QTest::qWait(400);
    EXPECT_EQ(LeftSide(b.BoardPanel()->grab().toImage(), 0, 1, 1), before);
}

TEST_F(KeyboardPlay, AScreenReaderReadsTheBoardScoreAndStatus) {
    TMainBoard& b = Start();
    SetBoard({"1.........",  //
              "1k2.......",  //
              "1A23......"});
    b.StateChanged();
    auto read = [](QObject* object, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(object)->text(what);
    };
    EXPECT_EQ(read(b.BoardPanel(), QAccessible::Name), "Board");
    Key(b, Qt::Key_Up);
    EXPECT_EQ(read(b.BoardPanel(), QAccessible::Description),
              "Row 1, column 1: colour 1 piece. A click here takes 3 pieces.");
    Key(b, Qt::Key_Up);
    Key(b, Qt::Key_Right);
    EXPECT_EQ(read(b.BoardPanel(), QAccessible::Description),
              "Row 2, column 2: black bomb. A click here takes 7 pieces.");
    Key(b, Qt::Key_Down);
    EXPECT_EQ(read(b.BoardPanel(), QAccessible::Description),
              "Row 1, column 2: area piece. A click here takes 8 pieces.");
    Key(b, Qt::Key_Right);
    Key(b, Qt::Key_Right);
    EXPECT_EQ(read(b.BoardPanel(), QAccessible::Description),
              "Row 1, column 4: colour 3 piece. A click here is no move.");

    EXPECT_EQ(read(ScorePanel(b), QAccessible::Name), "Score");
    EXPECT_EQ(read(ScorePanel(b), QAccessible::Value), "0");
    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, CellCentre(0, 0));
    EXPECT_EQ(read(ScorePanel(b), QAccessible::Value), "30");

    game().ArrangeRowsDone(4);
    game().ArrangeAux(StripFromText("1212121212"), kColumns);
    game().DXTimer1Timer();
    EXPECT_EQ(read(ProgressBar(b), QAccessible::Name), "Percent of level completed");
    EXPECT_EQ(read(PauseButton(b), QAccessible::Name), "Pause");
    EXPECT_EQ(read(PauseButton(b), QAccessible::Description),
              "Starts the game clock, or pauses it");
}

}  // namespace
}  // namespace zorvane::test
