#include "components/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <optional>
#include <utility>

namespace zorvane {

namespace {

// Whether the window system's frame of `handle` can be believed. Until the
// window manager has framed a window and it is on screen, X11 makes its frame
// up from whatever the window sits in, even with sides of negative width.
bool FrameKnown(const QWindow& handle) {
    const QMargins margins = handle.frameMargins();
    return handle.isExposed() && margins.left() >= 0 && margins.top() >= 0 &&
           margins.right() >= 0 && margins.bottom() >= 0;
}

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

    // The last frame the window manager gave the window, if it ever framed it.
    const std::optional<QMargins>& LastFrame() const { return framed_; }

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
        if (watched_ == nullptr || !window_->isVisible() || !FrameKnown(*watched_)) {
            return;
        }
        const QMargins margins = watched_->frameMargins();
        if (!margins.isNull()) {
            framed_ = margins;
        }
        if (margins != seen_) {
            seen_ = margins;
            changed_(margins);
        }
    }

    QWidget* window_;
    QPointer<QWindow> watched_;
    std::function<void(const QMargins&)> changed_;
    std::optional<QMargins> seen_;
    std::optional<QMargins> framed_;
};

const QWidget* OwnerOf(const QWidget* window) {
    const QWidget* parent = window->parentWidget();
    return parent != nullptr ? parent->window() : nullptr;
}

// A window that belongs to another; menus, tooltips and lists that drop down
// are not placed, nor is the main window, which has no owner.
bool IsOwnedWindow(const QWidget* window) {
    const Qt::WindowType type = window->windowType();
    return window->parentWidget() != nullptr && (type == Qt::Dialog || type == Qt::Window);
}

// Places every owned window as it is shown. It acts on the native window's
// show, which comes after the widget has settled its size (a message box
// does so in its own showEvent, after QDialog has placed it) and before the
// window system is asked to show it.
class OwnedWindowPlacer : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            if (const auto* handle = qobject_cast<QWindow*>(watched)) {
                Place(handle);
            }
        }
        return false;
    }

  private:
    static constexpr const char* kFollowed = "zorvanePlacedOnFrameChange";

    static void Place(const QWindow* handle) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->windowHandle() == handle && IsOwnedWindow(window)) {
                PlaceOver(window, OwnerOf(window));
                FollowFrame(window);
                return;
            }
        }
    }

    // Once the window manager has framed the window it is placed again: the
    // frame makes it larger and may push it over an edge. That waits for the
    // window's own handling of the frame (the about box fits its size to it).
    static void FollowFrame(QWidget* window) {
        if (window->property(kFollowed).toBool()) {
            return;
        }
        window->setProperty(kFollowed, true);
        OnFrameChange(window, [window](const QMargins&) {
            QTimer::singleShot(0, window, [window] {
                if (window->isVisible()) {
                    PlaceOver(window, OwnerOf(window));
                }
            });
        });
    }
};

}  // namespace

QMargins FrameMargins(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    const bool shown = handle != nullptr && window->isVisible();
    if (shown && FrameKnown(*handle) && !handle->frameMargins().isNull()) {
        return handle->frameMargins();
    }
    // Shown again, a window has no frame until the window manager has framed
    // it anew; the frame it had last time is the one it will get.
    for (const QObject* child : window->children()) {
        if (const auto* watch = dynamic_cast<const FrameWatch*>(child);
            watch && watch->LastFrame()) {
            return *watch->LastFrame();
        }
    }
    if (shown) {
        return {};
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

void PlaceOver(QWidget* window, const QWidget* owner) {
    const bool overOwner = owner != nullptr && owner->isVisible() && !owner->isMinimized();
    const QScreen* screen = overOwner ? owner->screen() : window->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    QMargins frame = FrameMargins(window);
    // Before its first framing a window's frame is unknown; the owner's is
    // the best guess of what the window manager will add.
    if (frame.isNull() && overOwner) {
        frame = FrameMargins(owner);
    }
    const QSize size =
        window->size().boundedTo(area.size().shrunkBy(frame)).expandedTo(window->minimumSize());
    QRect outer = QRect(QPoint(), size).marginsAdded(frame);
    outer.moveCenter(overOwner ? FrameGeometry(owner).center() : area.center());
    // The far edges first: a window still too large overhangs on the right
    // and at the bottom, never above the screen.
    outer.moveTopLeft(
        {std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width())),
         std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height()))});
    // The window's own rectangle, not move(): move() counts the frame the
    // widget last heard of, which may not yet be the one the window has.
    window->setGeometry(outer.marginsRemoved(frame));
}

void PlaceOwnedWindowsOverOwners(QApplication& app) {
    app.installEventFilter(new OwnedWindowPlacer(&app));
}

void OnFrameChange(QWidget* window, std::function<void(const QMargins&)> changed) {
    new FrameWatch(window, std::move(changed));
}

}  // namespace zorvane
