// The main window: its layout for each board height, the start-up, the view
// of the status values, and clicks on the board.

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>

#include "AppFixture.h"

namespace zorvane::test {
namespace {

using MainWindow = AppTest;

TEST_F(MainWindow, LayoutForEachBoardHeight) {
    for (auto [rows, height] : {std::pair{9, 405}, {12, 525}, {16, 685}}) {
        WriteFile("Options.txt", "NumRows=" + std::to_string(rows) + "\r\n");
        TMainBoard& b = Start();
        EXPECT_EQ(b.centralWidget()->size(), QSize(592, height)) << rows;
        EXPECT_EQ(b.BoardPanel()->geometry(), QRect(0, 0, 400, 40 * rows));
        EXPECT_EQ(StripPanel(b)->geometry(), QRect(0, 40 * rows + 1, 400, 44));
        const QWidget* status = b.findChild<QWidget*>("Panel2");
        EXPECT_EQ(status->geometry(), QRect(400, 0, 192, height));
        // Where it fits, the window opens at the design's own size, and the
        // player may resize and maximise it.
        EXPECT_NE(b.minimumSize(), b.maximumSize());
        EXPECT_TRUE(b.windowFlags() & Qt::WindowMaximizeButtonHint);
        board.reset();
    }
}

TEST_F(MainWindow, StartsPausedWithTheStartingRowsAndTheStatusShown) {
    TMainBoard& b = Start();
    EXPECT_EQ(b.windowTitle(), "Zorvane v. 1.0 b");
    EXPECT_TRUE(game().State().Paused);
    EXPECT_FALSE(b.Clock().Enabled());
    EXPECT_EQ(PauseButton(b)->text(), "Start");
    EXPECT_EQ(StatusLabel(b, "LevelLabel")->text(), "Level: 1");
    EXPECT_EQ(StatusLabel(b, "LblRows")->text(), "Percent of level completed: 0");
    EXPECT_TRUE(StartRowsItem(b, 3)->isChecked());
    // Start-up runs once: another activation changes nothing.
    game().SetScore(70);
    b.FormActivate();
    EXPECT_EQ(game().State().Score, 70);
}

TEST_F(MainWindow, TheStatusViewFollowsTheGame) {
    TMainBoard& b = Start();
    // A group of five (a bonus of 45), then the fifteenth row of level 1.
    SetBoard({"111112...."});
    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, QPoint(20, 9 * 40 - 20));
    game().ArrangeRowsDone(14);
    game().ArrangeAux(StripFromText("2323232323"), kColumns);
    game().DXTimer1Timer();
    EXPECT_EQ(StatusLabel(b, "LevelLabel")->text(), "Level: 1");
    EXPECT_EQ(StatusLabel(b, "Bonus")->text(), "Bonus: 45");
    EXPECT_EQ(StatusLabel(b, "LblRows")->text(), "Percent of level completed: 50");
    EXPECT_EQ(StatusLabel(b, "LblRowsDone")->text(), "Rows Done: 15");
    EXPECT_EQ(ProgressBar(b)->value(), 50);
}

TEST_F(MainWindow, ClicksReachTheCellUnderThePointer) {
    WriteFile("Options.txt", "NumRows=12\r\n");
    TMainBoard& b = Start();
    std::vector<std::string> rows(12, "..........");
    rows[2] = ".......111";  // row 9
    rows[11] = "2.........";
    SetBoard(rows);
    // Row 9, column 9 sits three rows below the top edge of a 12-row board.
    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, QPoint(9 * 40 + 20, 2 * 40 + 20));
    EXPECT_EQ(game().State().Score, 30);
    EXPECT_FALSE(game().State().Paused);
    EXPECT_EQ(PauseButton(b)->text(), "Pause");

    // Row 0, column 0 is the bottom-left cell.
    rows.assign(12, "..........");
    rows[11] = "k....4....";
    SetBoard(rows);
    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, QPoint(5, 12 * 40 - 5));
    EXPECT_EQ(game().State().Score, 40);
}

TEST_F(MainWindow, AMoveIsMadeWhenTheButtonComesUpOnThePressedCell) {
    TMainBoard& b = Start();
    SetBoard({"2.........", "111......."});
    QWidget* panel = b.BoardPanel();
    const QPoint bottomLeft(20, 9 * 40 - 20);
    const QPoint besideIt(60, 9 * 40 - 20);

    // Down alone is no move; up on the same cell is.
    QTest::mousePress(panel, Qt::LeftButton, {}, bottomLeft);
    EXPECT_TRUE(game().State().Paused);
    EXPECT_EQ(BottomRow(), "111.......");
    QTest::mouseRelease(panel, Qt::LeftButton, {}, bottomLeft);
    EXPECT_EQ(game().State().Score, 30);
    EXPECT_FALSE(game().State().Paused);

    // Down on a bomb, slid off and let go over a piece: nothing happens.
    SetBoard({"2.........", "k111......"});
    QTest::mousePress(panel, Qt::LeftButton, {}, bottomLeft);
    QTest::mouseMove(panel, besideIt);
    QTest::mouseRelease(panel, Qt::LeftButton, {}, besideIt);
    EXPECT_EQ(BottomRow(), "k111......");
    EXPECT_EQ(game().State().Score, 30);

    // Slid back onto the bomb before letting go: it goes off.
    QTest::mousePress(panel, Qt::LeftButton, {}, bottomLeft);
    QTest::mouseMove(panel, besideIt);
    QTest::mouseMove(panel, bottomLeft);
    QTest::mouseRelease(panel, Qt::LeftButton, {}, bottomLeft);
    EXPECT_NE(BottomRow(), "k111......");
}

TEST_F(MainWindow, TheBonusIsWrittenInRed) {
    TMainBoard& b = Start();
    const QImage shot = StatusLabel(b, "Bonus")->grab().toImage();
    int red = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
        }
    }
    // A good part of "Bonus: 0" in 21-pixel bold text.
    EXPECT_GT(red, 50);
}

TEST_F(MainWindow, TheBoardShowsItsCellsOverTheBoardColour) {
    TMainBoard& b = Start();
    SetBoard({"3........."});
    b.StateChanged();
    const QImage shot = b.BoardPanel()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(200, 20), QColor(128, 128, 128));
    // The piece's flat area in cyan, the colour of slot 3.
    bool cyan = false;
    for (int x = 0; x < 40 && !cyan; ++x) {
        cyan = shot.pixelColor(x, 360 - 30) == QColor(0, 255, 255);
    }
    EXPECT_TRUE(cyan);
}

TEST_F(MainWindow, ARightClickAnywhereOnTheBoardOpensTheContextMenu) {
    TMainBoard& b = Start();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(390, 10),
                            b.BoardPanel()->mapToGlobal(QPoint(390, 10)));
    QApplication::sendEvent(b.BoardPanel(), &event);
    ASSERT_TRUE(ContextMenu(b)->isVisible());
    QStringList captions;
    for (QAction* action : ContextMenu(b)->actions()) {
        captions << action->text();
    }
    EXPECT_EQ(captions, (QStringList{"Pause", "", "New Game", "Undo", "", "Edit Options", "Help"}));
    ContextMenu(b)->hide();
}

TEST_F(MainWindow, EachContextMenuItemRunsItsCommand) {
    TMainBoard& b = Start();
    std::vector<QUrl> opened;
    b.SetUrlOpener([&](const QUrl& url, const std::function<void()>&) { opened.push_back(url); });
    struct Item {
        QString caption;
        std::function<void()> arrange;
        std::function<bool()> ran;
    };
    const std::vector<Item> items = {
        {"Pause", {}, [&] { return b.Clock().Enabled(); }},  // it starts paused
        {"New Game", [&] { game().SetLevel(5); }, [&] { return game().State().Level == 1; }},
        {"Undo",
         [&] {
             SetBoard({"2.........", "111......."});
             game().Num1Click({true, 0});
         },
         [&] { return game().State().Score == 0 && BottomRow() == "111......."; }},
        {"Edit Options", {}, [&] { return dialogs->log.contains("window: Edit Options"); }},
        {"Help", {}, [&] { return !opened.empty() && opened[0].fileName() == "index.html"; }},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.caption.toStdString());
        if (item.arrange) {
            item.arrange();
        }
        ASSERT_FALSE(item.ran());
        const QPoint at(200, 100);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, b.BoardPanel()->mapToGlobal(at));
        QApplication::sendEvent(b.BoardPanel(), &event);
        QMenu* menu = ContextMenu(b);
        ASSERT_TRUE(menu->isVisible());
        const QList<QAction*> actions = menu->actions();
        const auto action = std::find_if(actions.begin(), actions.end(),
                                         [&](QAction* a) { return a->text() == item.caption; });
        ASSERT_NE(action, actions.end());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*action).center());
        EXPECT_FALSE(menu->isVisible());
        EXPECT_TRUE(item.ran());
    }
}

TEST_F(MainWindow, AClickOnTheScoreDigitsIsNoMove) {
    TMainBoard& b = Start();
    QWidget* digits = b.findChild<QWidget*>("Panel5");
    QTest::mouseClick(digits, Qt::LeftButton, {}, QPoint(130, 10));
    EXPECT_TRUE(game().State().Paused);
    EXPECT_EQ(PauseButton(b)->text(), "Start");
}

TEST_F(MainWindow, DamagedFilesAreReportedAndTheDefaultsStay) {
    std::filesystem::create_directories(folder / "Options.txt");  // unreadable as a file
    WriteFile("Scores.txt", "garbage without fields\r\n");
    Start();
    ASSERT_FALSE(dialogs->log.isEmpty());
    EXPECT_TRUE(dialogs->log[0].startsWith(
        "message: Error: " + QString::fromStdString(ProgramFolder()) + "Options.txt: "))
        << dialogs->log[0].toStdString();
    EXPECT_EQ(game().NumRows(), 9);
    EXPECT_EQ(board->Scores().Row(0).Score, "garbage without fields");
}

// Counts the paint events a widget receives.
class PaintCount : public QObject {
  public:
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// The board is the costly panel: a tick that only fills a preview slot must
// not redraw it, while a push, new colours or a new score must.
TEST_F(MainWindow, AClockTickRepaintsOnlyThePanelsWhoseContentChanged) {
    TMainBoard& b = Start();
    game().BtnPauseClick();
    QApplication::processEvents();
    PaintCount board(b.BoardPanel());
    PaintCount strip(StripPanel(b));
    PaintCount score(ScorePanel(b));

    game().DXTimer1Timer();
    QApplication::processEvents();
    EXPECT_EQ(board.count, 0);
    EXPECT_GT(strip.count, 0);
    EXPECT_EQ(score.count, 0);

    game().ArrangeAux(StripFromText("2222222222"), kColumns);
    game().DXTimer1Timer();
    QApplication::processEvents();
    EXPECT_GT(board.count, 0);
    EXPECT_EQ(BottomRow(), "2222222222");

    board.count = 0;
    game().SetScore(120);
    b.StateChanged();
    QApplication::processEvents();
    EXPECT_GT(score.count, 0);
    EXPECT_EQ(board.count, 0);

    b.GameSettings().BoardColor = 0x0000ff;
    b.RefreshBoard();
    QApplication::processEvents();
    EXPECT_GT(board.count, 0);
}

}  // namespace
}  // namespace zorvane::test
