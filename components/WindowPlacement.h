#pragma once
// Where the game's windows appear, and what they learn of the frame a window
// manager puts around them.

#include <QMargins>
#include <QRect>
#include <functional>

class QWidget;

namespace zorvane {

// The window's frame as the window system knows it now. A widget's own
// frameGeometry() is only brought up to date by its next move or resize, and
// a window manager frames a window after it has been shown.
QMargins FrameMargins(const QWidget* window);
QRect FrameGeometry(const QWidget* window);

// Moves the window, frame included, to the centre of its screen's free area.
void CentreOnScreen(QWidget* window);

// Calls `changed` with the frame's margins each time they change while the
// window is shown, starting with the first margins seen after it appears.
void OnFrameChange(QWidget* window, std::function<void(const QMargins&)> changed);

}  // namespace zorvane
