// The main window's size: the factor it opens at, full screen, and the size
// it comes back with at the next start.

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "app/MainUnit1.h"
#include "components/ScaledView.h"
#include "components/WindowPlacement.h"
#include "persistence/PlayerFiles.h"
#include "persistence/WindowState.h"

namespace zorvane {

QSize TMainBoard::RoomOnScreen() const {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    const QMargins frame = FrameMargins(this);
    return screen->availableGeometry().size() -
           QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
}

void TMainBoard::FitWindow() {
    if (isFullScreen() || isMaximized()) {
        return;  // the desktop decides the size, and the view follows it
    }
    const int menu = menuBar()->sizeHint().height();
    const QSize room = RoomOnScreen() - QSize(0, menu);
    QSize content;
    if (remembered_) {
        // The size the player left it at, shrunk to what the screen has now.
        content = QSize(remembered_->width, remembered_->height - menu).boundedTo(room);
    } else {
        // As designed where that fits, else as large as fits.
        content = view_->SizeAt(std::min<qreal>(1.0, view_->FactorFor(room)));
    }
    resize(content.expandedTo(view_->minimumSizeHint()) + QSize(0, menu));
}

void TMainBoard::PlaceOnScreen() {
    FitWindow();
    if (!isFullScreen() && !isMaximized()) {
        CentreOnScreen(this);
    }
}

void TMainBoard::ToggleFullScreen() {
    if (isFullScreen()) {
        showNormal();
    } else {
        showFullScreen();
    }
}

void TMainBoard::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && fullScreenItem_ != nullptr) {
        fullScreenItem_->setChecked(isFullScreen());
    }
}

void TMainBoard::ReadWindowState() {
    remembered_ = zorvane::ReadWindowState(files_.WindowFile());
}

void TMainBoard::RememberWindow() {
    const std::string path = files_.WindowFile();
    if (path.empty()) {
        return;
    }
    // Full screen or maximised, the size to come back to is the normal one.
    const QSize size = isFullScreen() || isMaximized() ? normalGeometry().size() : this->size();
    const WindowState state{size.width(), size.height(), isFullScreen()};
    // The window's size is no data of the player's: a failure to keep it is
    // not worth a message at quit.
    if (CreateFolderFor(path).ok) {
        WriteWindowState(path, state);
    }
}

}  // namespace zorvane
