// SIGTERM, SIGINT and SIGHUP close the game as its close button does, also
// from inside nested modal windows, and the sound library leaves them to us.

#include "app/SignalQuit.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/MainUnit1.h"
#include "audio/SdlMediaService.h"
#include "options/Options1.h"
#include "resources/Resources.h"
#include "support/FakeMedia.h"
#include "tests/persistence/TempFolder.h"

namespace zorvane::test {
namespace {

struct Outcome {
    bool returned = false;   // the event loop ended by itself
    int modalsAtSignal = 0;  // modal windows open when the signal was sent
    qint64 millis = -1;      // from the signal to the end of the event loop
};

// Notes whether a modal window was still open when the watched window closed.
class CloseWatch : public QObject {
  public:
    bool closed = false;
    bool modalOpenAtClose = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            closed = true;
            modalOpenAtClose = QApplication::activeModalWidget() != nullptr;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Runs the application's event loop, sending `number` to this process once
// `prepare` (run from the loop) has opened what it wants open.
Outcome RunUntilSignal(int number, const std::function<void()>& prepare) {
    Outcome outcome;
    QElapsedTimer sinceSignal;
    bool gaveUp = false;
    QTimer::singleShot(50, [&] {
        QTimer::singleShot(300, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                outcome.modalsAtSignal += widget->isVisible() && widget->isModal();
            }
            sinceSignal.start();
            kill(getpid(), number);
        });
        prepare();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        gaveUp = true;
        QApplication::closeAllWindows();
        QCoreApplication::exit(1);
    });
    guard.start(5000);
    QApplication::exec();
    outcome.millis = sinceSignal.isValid() ? sinceSignal.elapsed() : -1;
    outcome.returned = !gaveUp;
    return outcome;
}

TEST(SignalQuit, EachSignalClosesTheModalWindowsAndThenTheGameAtOnce) {
    InitResources();
    for (const int number : SignalQuit::kSignals) {
        SCOPED_TRACE(strsignal(number));
        TempFolder folder;
        SignalQuit signalQuit;
        TMainBoard board(std::make_unique<QtDialogService>(), std::make_unique<FakeMediaService>(),
                         folder.Path().string() + "/");
        signalQuit.SetWindow(&board);
        CloseWatch watch;
        board.installEventFilter(&watch);
        board.show();
        bool optionsClosed = false;
        const Outcome outcome = RunUntilSignal(number, [&] {
            // The options dialog, and a message box over it.
            QTimer::singleShot(100, [&] { board.OptionsWindow().ShowMessage("Error", "Waiting"); });
            board.EditSubMenuClick();
            optionsClosed = true;
        });
        EXPECT_TRUE(outcome.returned);
        EXPECT_EQ(outcome.modalsAtSignal, 2);
        EXPECT_GE(outcome.millis, 0);
        EXPECT_LT(outcome.millis, 1000);
        EXPECT_TRUE(optionsClosed);
        // Closed as a player closes it: nothing modal over it any more.
        EXPECT_TRUE(watch.closed);
        EXPECT_FALSE(watch.modalOpenAtClose);
        EXPECT_FALSE(board.isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST(SignalQuit, TheSoundLibraryLeavesTheSignalsToUs) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    {
        SdlMediaService sound;
        for (const int number : {SIGINT, SIGTERM}) {
            struct sigaction now {};
            sigaction(number, nullptr, &now);
            EXPECT_EQ(now.sa_handler, SIG_DFL) << strsignal(number);
        }
    }
    // Started as the program starts: the handlers first, then the sound.
    SignalQuit signalQuit;
    SdlMediaService sound;
    ASSERT_EQ(sound.StartupError(), "");
    QWidget window;
    signalQuit.SetWindow(&window);
    window.show();
    const Outcome outcome = RunUntilSignal(SIGINT, [] {});
    EXPECT_TRUE(outcome.returned);
    EXPECT_FALSE(window.isVisible());
}

TEST(SignalQuitDeathTest, ASecondSignalBeforeTheFirstIsTakenEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SignalQuit signalQuit;
            raise(SIGTERM);  // no event loop runs to take it
            raise(SIGTERM);
            std::exit(0);
        },
        ::testing::KilledBySignal(SIGTERM), "");
}

}  // namespace
}  // namespace zorvane::test
