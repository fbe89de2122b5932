#include "components/WindowPlacement.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <optional>
#include <utility>

namespace zorvane {

namespace {

// Watches the window system's side of a widget: the frame is known once the
// window manager has framed the window, which is announced by the expose,
// move or resize that follows.
class FrameWatch : public QObject {
  public:
    FrameWatch(QWidget* window, std::function<void(const QMargins&)> changed)
        : QObject(window), window_(window), changed_(std::move(changed)) {
        window->installEventFilter(this);
        Watch();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_) {
            if (event->type() == QEvent::Show) {
                Watch();
                Check();
            }
        } else if (event->type() == QEvent::Expose || event->type() == QEvent::Move ||
                   event->type() == QEvent::Resize) {
            Check();
        }
        return false;
    }

  private:
    // The native window exists only once the widget has been shown.
    void Watch() {
        QWindow* handle = window_->windowHandle();
        if (handle != nullptr && handle != watched_) {
            handle->installEventFilter(this);
            watched_ = handle;
        }
    }

    void Check() {
        if (watched_ == nullptr || !window_->isVisible()) {
            return;
        }
        const QMargins margins = watched_->frameMargins();
        if (margins != seen_) {
            seen_ = margins;
            changed_(margins);
        }
    }

    QWidget* window_;
    QPointer<QWindow> watched_;
    std::function<void(const QMargins&)> changed_;
    std::optional<QMargins> seen_;
};

}  // namespace

QMargins FrameMargins(const QWidget* window) {
    if (const QWindow* handle = window->windowHandle(); handle != nullptr && window->isVisible()) {
        return handle->frameMargins();
    }
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QRect FrameGeometry(const QWidget* window) {
    return window->geometry().marginsAdded(FrameMargins(window));
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = FrameGeometry(window);
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void OnFrameChange(QWidget* window, std::function<void(const QMargins&)> changed) {
    new FrameWatch(window, std::move(changed));
}

}  // namespace zorvane
