// Playing without a mouse, the outline of what a click would take, the flash
// of a bad move, and what a screen reader reads; all through real key and
// mouse events on the main window.

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QMenuBar>
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

// The cursor's frame: black, white and black, one pixel each, at the edge.
bool CursorOn(TMainBoard& b, int row, int col) {
    const QImage shot = b.BoardPanel()->grab().toImage();
    return LeftSide(shot, row, col, 0) == Qt::black && LeftSide(shot, row, col, 1) == Qt::white &&
           LeftSide(shot, row, col, 2) == Qt::black && RightSide(shot, row, col, 1) == Qt::white;
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

// The cursor on a bomb whose colour is about, so that what it would take is
// outlined too: inside the frame's three outermost pixels the bomb, fuse and
// all, is as it was without the cursor; every line in from the cell's sides
// crosses a dark and a light ring. At the window's own size and twice it.
TEST_F(KeyboardPlay, TheCursorFramesItsCellAndLeavesThePieceAsItIs) {
    TMainBoard& b = Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&b));
    for (const int factor : {1, 2}) {
        SCOPED_TRACE(factor);
        b.resize(QSize(592, 405) * factor + QSize(0, b.menuBar()->sizeHint().height()));
        ASSERT_EQ(b.BoardPanel()->width(), 400 * factor);
        SetBoard({"2.........",  //
                  "b2........"});
        QTest::mouseMove(b.BoardPanel(), QPoint(200, 20) * factor);  // hides the cursor
        const QImage plain = b.BoardPanel()->grab().toImage();
        Key(b, Qt::Key_Up);
        const QImage framed = b.BoardPanel()->grab().toImage();

        const QRect cell(0, 320 * factor, 40 * factor, 40 * factor);
        const int depth = 3 * factor;
        const QRect inside = cell.adjusted(depth, depth, -depth, -depth);
        ASSERT_NE(plain.pixelColor(inside.center()), QColor(128, 128, 128));
        EXPECT_EQ(framed.copy(inside), plain.copy(inside));
        auto crossesRings = [&](QPoint from, QPoint step) {
            int darkest = 255;
            int lightest = 0;
            for (int i = 0; i < depth; ++i) {
                const int lightness = framed.pixelColor(from + i * step).lightness();
                darkest = std::min(darkest, lightness);
                lightest = std::max(lightest, lightness);
            }
            return darkest < 40 && lightest > 215;
        };
        for (int i = depth; i < cell.width() - depth; ++i) {
            EXPECT_TRUE(crossesRings({cell.left() + i, cell.top()}, {0, 1}) &&
                        crossesRings({cell.left() + i, cell.bottom()}, {0, -1}) &&
                        crossesRings({cell.left(), cell.top() + i}, {1, 0}) &&
                        crossesRings({cell.right(), cell.top() + i}, {-1, 0}))
                << i;
        }
    }
}

// New Game, opening a saved game and playing again after the end each put
// the cursor back as at the start: hidden, and the first key shows it at the
// bottom left.
TEST_F(KeyboardPlay, ANewGameBringsTheCursorBackToTheBottomLeft) {
    TMainBoard& b = Start();
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    const QString saved = QString::fromStdString((folder / "saved.sav").string());
    dialogs->files = {saved, saved};
    Key(b, Qt::Key_S, Qt::ControlModifier);
    const std::function<void()> newGames[] = {
        [&] { Key(b, Qt::Key_N, Qt::ControlModifier); },
        [&] { Key(b, Qt::Key_O, Qt::ControlModifier); },
        [&] { EndTheGameWithAPush(); },  // and play again
    };
    Key(b, Qt::Key_Right);
    for (const auto& newGame : newGames) {
        Key(b, Qt::Key_Up);
        Key(b, Qt::Key_Right);
        ASSERT_EQ(b.Guide().Cursor(), (CellPos{1, 1}));
        newGame();
        EXPECT_FALSE(b.Guide().Cursor());
        Key(b, Qt::Key_Right);
        EXPECT_EQ(b.Guide().Cursor(), (CellPos{0, 0}));
    }
    EXPECT_TRUE(dialogs->files.empty());
    EXPECT_TRUE(dialogs->log.contains("question: Confirm: Would you like to play again?"));
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

// What a screen reader is told of the score panel. Qt tells only once a
// reader has come, which its platform side notes as the reader's bridge
// does.
std::vector<QAccessible::Event> scoreNotices;
QObject* scorePanel = nullptr;
void Listen(QAccessibleEvent* event) {
    if (event->object() == scorePanel) {
        scoreNotices.push_back(event->type());
    }
}

TEST_F(KeyboardPlay, AScreenReaderReadsTheBoardScoreAndStatus) {
    TMainBoard& b = Start();
    Settings colours = b.GameSettings();
    colours.Color(1) = 5;  // slot 1 shows orange
    b.ApplySettings(colours, SettingsFrom::Player);
    SetBoard({"1.........",  //
              "1k2.......",  //
              "1A23b....."});
    auto read = [](QObject* object, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(object)->text(what);
    };
    EXPECT_EQ(read(b.BoardPanel(), QAccessible::Name), "Board");
    Key(b, Qt::Key_Up);
    EXPECT_EQ(read(b.BoardPanel(), QAccessible::Description),
              "Row 1, column 1: orange piece. A click here takes 3 pieces.");
    Key(b, Qt::Key_Up);
    Key(b, Qt::Key_Right);
    EXPECT_EQ(read(b.BoardPanel(), QAccessible::Description),
              "Row 2, column 2: black bomb. A click here takes 7 pieces.");
    Key(b, Qt::Key_Down);
    EXPECT_EQ(read(b.BoardPanel(), QAccessible::Description),
              "Row 1, column 2: area piece. A click here takes 9 pieces.");
    Key(b, Qt::Key_Right);
    Key(b, Qt::Key_Right);
    Key(b, Qt::Key_Right);
    EXPECT_EQ(read(b.BoardPanel(), QAccessible::Description),
              "Row 1, column 5: blue bomb. A click here takes 3 pieces.");

    // The score reads as a label with the number in its name and text, and
    // as its value; a change, and only a change, is announced.
    QAccessibleInterface* score = QAccessible::queryAccessibleInterface(ScorePanel(b));
    EXPECT_EQ(score->role(), QAccessible::StaticText);
    EXPECT_EQ(score->text(QAccessible::Name), "Score: 0");
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    platform->setActive(true);
    scorePanel = ScorePanel(b);
    QAccessible::installUpdateHandler(Listen);
    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, CellCentre(0, 3));  // a bad move
    EXPECT_TRUE(scoreNotices.empty());
    QTest::mouseClick(b.BoardPanel(), Qt::LeftButton, {}, CellCentre(0, 0));
    QAccessible::installUpdateHandler(nullptr);
    platform->setActive(false);
    EXPECT_EQ(scoreNotices, (std::vector{QAccessible::NameChanged, QAccessible::TextUpdated,
                                         QAccessible::ValueChanged}));
    EXPECT_EQ(score->text(QAccessible::Name), "Score: 30");
    ASSERT_TRUE(score->textInterface() && score->valueInterface());
    EXPECT_EQ(score->textInterface()->text(0, 2), "30");
    EXPECT_EQ(score->valueInterface()->currentValue(), QVariant(qlonglong{30}));

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
