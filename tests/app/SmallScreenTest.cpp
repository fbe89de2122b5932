// On a screen too small for the design, the main window opens at the largest
// factor that fits, wholly on the screen, and still plays.

#include <QMenuBar>
#include <QTest>

#include "AppFixture.h"

namespace zorvane::test {
namespace {

using SmallScreen = AppTest;

TEST_F(SmallScreen, TheSixteenRowWindowFitsAndPlays) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(1024, 600));
    WriteFile("Options.txt", "NumRows=16\r\n");
    TMainBoard& b = Start();
    QApplication::processEvents();
    const QRect screen = b.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(b.frameGeometry())) << b.frameGeometry().y();
    // As large as fits: the content fills the height left under the menu.
    const int room = screen.height() - b.menuBar()->height();
    const qreal factor = room / 685.0;
    EXPECT_LT(factor, 1.0);
    EXPECT_NEAR(b.BoardPanel()->height(), 640 * factor, 1.0);

    // A click lands on the cell under the pointer at that factor.
    std::vector<std::string> rows(16, "..........");
    rows[15] = "111.......";
    SetBoard(rows);
    const QPoint bottomLeft((20 * factor), b.BoardPanel()->height() - 20 * factor);
    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, bottomLeft);
    EXPECT_EQ(game().State().Score, 30 + 5000);  // the board was cleared
}

}  // namespace
}  // namespace zorvane::test
