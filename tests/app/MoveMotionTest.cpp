// Moves and pushes shown in motion: the engine's board is final at once, a
// click during the motion finishes it and acts on that board, the clock is
// not held back, and the Animations option turns the motion off.

#include <QCheckBox>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "EditOptionsFixture.h"
#include "app/BoardGuide.h"
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
    const std::int64_t score = game().State().Score;
    QTest::mouseRelease(b.BoardPanel(), Qt::LeftButton, {}, CellCentre(0, 1));
    EXPECT_GT(game().State().Score, score);
    EXPECT_EQ(BottomRow(), "3.........");

    // The second move's motion runs out by itself, briefly.
    ASSERT_TRUE(b.Motion().Running());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !b.Motion().Running(); }, 1000));
}

// What the guide paints over the cells: nothing but transparency when it
// has no outline, cursor or flash to show.
bool GuidePaintsAnything(TMainBoard& b) {
    QImage marks(b.BoardPanel()->size(), QImage::Format_ARGB32_Premultiplied);
    marks.fill(Qt::transparent);
    QPainter painter(&marks);
    b.Guide().Paint(painter);
    painter.end();
    for (int y = 0; y < marks.height(); ++y) {
        for (int x = 0; x < marks.width(); ++x) {
            if (qAlpha(marks.pixel(x, y)) != 0) {
                return true;
            }
        }
    }
    return false;
}

// The outline marks cells of the final board, so it waits while the pieces
// are still on their way there, and comes back for the cell under the
// pointer once they land.
TEST_F(MoveMotionTest, NoOutlineWhileThePiecesMove) {
    TMainBoard& b = Start();
    SetBoard(kBoard);
    b.StateChanged();
    QTest::mouseMove(b.BoardPanel(), CellCentre(0, 0));
    EXPECT_TRUE(GuidePaintsAnything(b));

    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, CellCentre(0, 0));
    ASSERT_TRUE(b.Motion().Running());
    EXPECT_FALSE(GuidePaintsAnything(b));
    EXPECT_EQ(b.BoardPanel()->accessibleDescription(), "The pieces are moving.");

    ASSERT_TRUE(QTest::qWaitFor([&] { return !b.Motion().Running(); }, 1000));
    EXPECT_TRUE(GuidePaintsAnything(b));
    const QString landed = b.BoardPanel()->accessibleDescription();
    EXPECT_TRUE(landed.endsWith("A click here takes 3 pieces.")) << landed.toStdString();
}

TEST_F(MoveMotionTest, APushedRowRisesWithoutHoldingTheClockBack) {
    TMainBoard& b = Start();
    SetBoard({"1........."});
    game().ArrangeAux(StripFromText("1234561234"), kColumns);

    // The clock's own handler: the push is on the board at once and rises.
    b.Clock().OnTimer();
    EXPECT_EQ(BottomRow(), "1234561234");
    EXPECT_EQ(CharFromCell(game().State().Board[0][1]), '1');
    ASSERT_TRUE(b.Motion().Running());

    // The next tick comes as it would without the motion: it ends it and
    // fills its preview slot.
    ASSERT_EQ(game().State().AuxCount, 1);
    b.Clock().OnTimer();
    EXPECT_FALSE(b.Motion().Running());
    EXPECT_EQ(game().State().AuxCount, 2);
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
