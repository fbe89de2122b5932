#include "app/SignalQuit.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>
#include <atomic>
#include <cerrno>

namespace zorvane {

namespace {

// What the handler may touch: lock-free atomics only.
std::atomic<int> writeEnd{-1};
std::atomic<bool> pending{false};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free);

extern "C" void OnSignal(int number) {
    const int savedErrno = errno;
    if (pending.exchange(true)) {
        // The first one was never taken: the event loop is not running.
        signal(number, SIG_DFL);
        raise(number);
    } else {
        const char byte = static_cast<char>(number);
        [[maybe_unused]] const ssize_t written = write(writeEnd.load(), &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

SignalQuit::SignalQuit() {
    if (pipe2(pipe_.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        pipe_ = {-1, -1};
        return;  // the signals keep their default action
    }
    writeEnd.store(pipe_[1]);
    pending.store(false);
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { Receive(); });
    struct sigaction action {};
    action.sa_handler = &OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // nobody else's system calls fail with EINTR
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &action, &previous_[i]);
    }
}

SignalQuit::~SignalQuit() {
    if (pipe_[0] < 0) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &previous_[i], nullptr);
    }
    writeEnd.store(-1);
    notifier_.reset();
    close(pipe_[0]);
    close(pipe_[1]);
}

void SignalQuit::SetWindow(QWidget* window) {
    window_ = window;
    if (requested_ && window_) {
        QTimer::singleShot(0, window_, [this] { CloseAll(); });
    }
}

void SignalQuit::Receive() {
    char bytes[64];
    while (read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    pending.store(false);
    requested_ = true;
    if (window_) {
        CloseAll();
    }
}

void SignalQuit::CloseAll() {
    // Innermost first; each modal window's caller then goes on as after
    // Cancel, and its event loop ends once this returns.
    for (int guard = 0; guard < 64; ++guard) {
        QWidget* open = QApplication::activePopupWidget();
        if (open == nullptr) {
            open = QApplication::activeModalWidget();
        }
        if (open == nullptr) {
            break;
        }
        if (auto* dialog = qobject_cast<QDialog*>(open)) {
            dialog->reject();
        } else {
            open->close();
        }
        if (open->isVisible()) {
            break;  // it will not go; the main window's close decides
        }
    }
    if (window_ && window_->close()) {
        QCoreApplication::quit();
    }
}

}  // namespace zorvane
