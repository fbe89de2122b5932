// The main window scales its whole content by one factor as it is resized
// or made full screen: clicks still reach the cell under the pointer, the
// pictures are drawn for the pixels they get, and the size comes back at the
// next start.

#include <QMenuBar>
#include <QTest>

#include "AppFixture.h"
#include "WindowParts.h"

namespace zorvane::test {
namespace {

class WindowScale : public AppTest {
  protected:
    // Started, and placed as the window system first shows it: the player
    // resizes a window that is already there.
    TMainBoard& StartShown() {
        TMainBoard& b = Start();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&b));
        QApplication::processEvents();
        return b;
    }
};

// The window's size that shows the 9-row design at `factor`.
QSize WindowAt(TMainBoard& b, qreal factor) {
    return QSize(qRound(592 * factor), qRound(405 * factor)) +
           QSize(0, b.menuBar()->sizeHint().height());
}

QPoint CellCentre(int row, int col, qreal factor) {
    return QPointF((col * 40 + 20) * factor, ((8 - row) * 40 + 20) * factor).toPoint();
}

TEST_F(WindowScale, ResizingScalesTheContentAndClicksFollowIt) {
    TMainBoard& b = StartShown();
    for (const qreal factor : {1.5, 2.0}) {
        SCOPED_TRACE(factor);
        b.resize(WindowAt(b, factor));
        QApplication::processEvents();
        EXPECT_EQ(b.BoardPanel()->geometry(),
                  QRect(0, 0, qRound(400 * factor), qRound(360 * factor)));
        EXPECT_EQ(StatusLabel(b, "LevelLabel")->font().pixelSize(), qRound(21 * factor));
        EXPECT_EQ(PauseButton(b)->geometry(), QRect(qRound(58 * factor), qRound(254 * factor),
                                                    qRound(133 * factor) - qRound(58 * factor),
                                                    qRound(279 * factor) - qRound(254 * factor)));

        // The group under the scaled pointer goes, and only it.
        SetBoard({"2.........", "3111......"});
        const std::int32_t score = game().State().Score;
        QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, CellCentre(0, 3, factor));
        EXPECT_EQ(game().State().Score, score + 30);
        EXPECT_EQ(BottomRow(), "3.........");
    }

    // Wider than the design: the content keeps its proportions, centred.
    b.resize(WindowAt(b, 1.0) + QSize(400, 0));
    QApplication::processEvents();
    const QWidget* content = b.findChild<QWidget*>("Content");
    EXPECT_EQ(content->size(), QSize(592, 405));
    EXPECT_EQ(content->x(), 200);
}

TEST_F(WindowScale, FullScreenComesAndGoesWithoutPausingTheGame) {
    TMainBoard& b = StartShown();
    game().BtnPauseClick();
    ASSERT_TRUE(b.Clock().Enabled());
    QAction* item =
        MenuItem(MenuItem(b.menuBar()->actions(), "&Options")->menu()->actions(), "&Full Screen");

    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    QTest::keyClick(&b, Qt::Key_F11);
    QApplication::processEvents();
    ASSERT_TRUE(b.isFullScreen());
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(b.Clock().Enabled());
    // The design fills the screen's height or width, whichever comes first.
    const QSize screen = b.screen()->geometry().size();
    const QSize room = screen - QSize(0, b.menuBar()->height());
    const qreal factor = std::min(room.width() / 592.0, room.height() / 405.0);
    EXPECT_EQ(b.BoardPanel()->width(), qRound(400 * factor));

    QTest::keyClick(&b, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(b.isFullScreen());
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(b.isFullScreen());
    EXPECT_TRUE(b.Clock().Enabled());
}

TEST_F(WindowScale, TheSizeAndFullScreenComeBackAtTheNextStart) {
    TMainBoard& b = StartShown();
    b.resize(WindowAt(b, 1.25));
    QApplication::processEvents();
    const QSize left = b.size();
    b.close();
    board.reset();

    TMainBoard& again = Start();
    EXPECT_EQ(again.size(), left);
    again.showFullScreen();
    again.close();
    board.reset();

    TMainBoard& third = Start();
    QApplication::processEvents();
    EXPECT_TRUE(third.isFullScreen());
    EXPECT_EQ(third.normalGeometry().size(), left);
    board.reset();

    // A size the screen no longer has is shrunk to fit it.
    WriteFile("Window.txt", "Width=5000\r\nHeight=4000\r\nFullScreen=FALSE\r\n");
    TMainBoard& huge = Start();
    const QSize screen = huge.screen()->availableGeometry().size();
    EXPECT_LE(huge.width(), screen.width());
    EXPECT_LE(huge.height(), screen.height());
}

}  // namespace
}  // namespace zorvane::test
