// The windows the game opens over the main window appear whole on the main
// window's screen: centred over it where they fit, moved into the screen
// where they do not, shrunk when larger than the screen, and never with the
// title bar above it. Each window is shown for real, on two screens, the
// first as small as a netbook's (TwoScreens.json).

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <ostream>

#include "app/DialogService.h"
#include "components/WindowPlacement.h"
#include "dialogs/Scores1.h"
#include "help/About1.h"
#include "help/HelpWindow.h"
#include "resources/Resources.h"

// Readable rectangles in failure messages.
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r.width() << " x " << r.height() << " at (" << r.x() << ", " << r.y() << ")";
}

namespace zorvane {
namespace {

// The window's frame where the window system shows it, once it is on screen
// and has been placed for the frame it got.
QRect FrameOnScreen(QWidget& window) {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    return window.windowHandle()->frameGeometry();
}

// Runs `open`, which shows a modal window and waits for it to close, and
// returns the frame that window had on screen.
QRect FrameOfModal(const std::function<void()>& open) {
    QRect frame;
    QTimer::singleShot(0, [&frame] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal window opened";
            return;
        }
        frame = FrameOnScreen(*dialog);
        dialog->reject();
    });
    open();
    return frame;
}

class DialogPlacement : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        InitResources();
        static const bool placing = (PlaceOwnedWindowsOverOwners(*qApp), true);
        (void)placing;
    }

    void SetUp() override {
        ASSERT_EQ(QGuiApplication::screens().size(), 2);
        // Without a frame of its own the owner gives no hint of the frame its
        // windows will get, so each window's first placement must be put right
        // once its frame is known, as under a window manager.
        owner.setWindowFlag(Qt::FramelessWindowHint);
        owner.resize(592, 424);
    }

    void CentreOwnerAt(QPoint centre) {
        owner.move(centre - QPoint(owner.width() / 2, owner.height() / 2));
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }

    // The free area of the screen of that name in TwoScreens.json.
    static QRect Area(const QString& screen) {
        for (const QScreen* each : QGuiApplication::screens()) {
            if (each->name() == screen) {
                return each->availableGeometry();
            }
        }
        ADD_FAILURE() << "no screen " << screen.toStdString();
        return {};
    }

    QWidget owner;
};

// Where the owner's centre is put, and which corner of the area the windows
// must then fill; none when they fit centred over it.
struct Spot {
    const char* name;
    const char* screen;
    QPoint (QRect::*corner)() const;
};

TEST_F(DialogPlacement, EveryWindowOpensOverItsOwnerAndWholeOnTheOwnersScreen) {
    QtDialogService service;
    HighScoreTable table;
    TFrmAbout about(&owner);
    TFrmScores scores(table, &owner);
    HelpWindow help(&owner);
    QTemporaryDir folder;
    const QString page = folder.filePath("page.html");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><p>Help</p></body></html>");
    file.close();

    const std::vector<std::pair<const char*, std::function<QRect()>>> windows = {
        {"help window",
         [&] {
             help.ShowPage(QUrl::fromLocalFile(page));
             const QRect frame = FrameOnScreen(help);
             help.close();
             return frame;
         }},
        // Opened right after the help window closed, where it once went astray.
        {"about box", [&] { return FrameOfModal([&] { service.RunModal(about); }); }},
        {"high scores", [&] { return FrameOfModal([&] { service.RunModal(scores); }); }},
        {"message box",
         [&] { return FrameOfModal([&] { service.Message(&owner, "Error", "No saved game"); }); }},
        {"file chooser",
         [&] { return FrameOfModal([&] { service.OpenGameFileName(&owner, folder.path()); }); }},
    };
    // The corners first: there a first placement that took no frame would
    // leave the frame's edge off the screen.
    const Spot spots[] = {
        {"bottom right corner", "small", &QRect::bottomRight},
        {"top left corner", "small", &QRect::topLeft},
        {"top right corner", "small", &QRect::topRight},
        {"bottom left corner", "small", &QRect::bottomLeft},
        {"middle", "small", nullptr},
        {"middle of the other screen", "side", nullptr},
    };
    for (const Spot& spot : spots) {
        const QRect area = Area(spot.screen);
        CentreOwnerAt(spot.corner ? (area.*spot.corner)() : area.center());
        for (const auto& [name, open] : windows) {
            SCOPED_TRACE(std::string(name) + ", owner's centre at the " + spot.name);
            const QRect frame = open();
            EXPECT_TRUE(area.contains(frame)) << "frame " << ::testing::PrintToString(frame)
                                              << " area " << ::testing::PrintToString(area);
            if (spot.corner) {
                EXPECT_EQ((frame.*spot.corner)(), (area.*spot.corner)());
            } else {
                EXPECT_LE((frame.center() - owner.frameGeometry().center()).manhattanLength(), 1);
            }
        }
        // Sizes are kept where they fit; the help window is taller than the
        // first screen and keeps only its width.
        EXPECT_EQ(about.frameGeometry().size(), TFrmAbout::kOuterSize);
        EXPECT_EQ(help.width(), 760);
        EXPECT_EQ(help.frameGeometry().height(), area.height());
    }
}

TEST_F(DialogPlacement, AWindowTooLargeForTheScreenKeepsItsTitleBarOnIt) {
    const QRect area = Area("small");
    CentreOwnerAt(area.bottomRight());
    QDialog large(&owner);
    large.setMinimumSize(area.size() + QSize(100, 100));
    large.show();
    EXPECT_EQ(FrameOnScreen(large).topLeft(), area.topLeft());
}

}  // namespace
}  // namespace zorvane
