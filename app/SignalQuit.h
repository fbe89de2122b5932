#pragma once
// SIGTERM, SIGINT and SIGHUP end the program the way closing its main window
// does: open menus and modal windows are closed first (as Escape would), then
// the main window, so the same clean-up runs. The handlers only write to a
// pipe that the event loop watches. A second signal that comes before the
// event loop took the first ends the program at once, as if no handler were
// there, so a stuck program can still be stopped.

#include <signal.h>

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class QSocketNotifier;

namespace zorvane {

class SignalQuit {
  public:
    // Installs the handlers; needs the application object, and only one
    // SignalQuit may live at a time. A signal before SetWindow waits for it.
    SignalQuit();
    // Puts back the handlers it found.
    ~SignalQuit();
    SignalQuit(const SignalQuit&) = delete;
    SignalQuit& operator=(const SignalQuit&) = delete;

    // The window a signal closes.
    void SetWindow(QWidget* window);

    static constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};

  private:
    void Receive();
    void CloseAll();

    std::array<int, 2> pipe_{-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    std::array<struct sigaction, kSignals.size()> previous_{};
    QPointer<QWidget> window_;
    bool requested_ = false;
};

}  // namespace zorvane
