#pragma once
// Where the game's windows appear, and what they learn of the frame a window
// manager puts around them.

#include <QMargins>
#include <QRect>
#include <functional>

class QApplication;
class QWidget;

namespace zorvane {

// The window's frame as the window system knows it now. A widget's own
// frameGeometry() is only brought up to date by its next move or resize, and
// a window manager frames a window after it has been shown. Until it has
// framed a window shown again, this is the frame that window had last time,
// as far as OnFrameChange has followed it.
QMargins FrameMargins(const QWidget* window);
QRect FrameGeometry(const QWidget* window);

// Moves the window, frame included, to the centre of its screen's free area.
void CentreOnScreen(QWidget* window);

// Moves `window`, frame included, to the centre of `owner`'s frame (of its
// own screen's free area when there is no shown owner), then into the free
// area of the owner's screen. A window larger than that area is first shrunk
// to it, never below its minimum size; one that still does not fit keeps its
// top left corner, and so its title bar, on screen.
void PlaceOver(QWidget* window, const QWidget* owner);

// From now on every window that belongs to another (dialogs, message boxes,
// choosers, the help window) is placed over the window it belongs to each
// time it is shown, and again once the window manager has framed it.
void PlaceOwnedWindowsOverOwners(QApplication& app);

// Calls `changed` with the frame's margins each time they change while the
// window is on screen, starting with the first margins seen once it is.
void OnFrameChange(QWidget* window, std::function<void(const QMargins&)> changed);

}  // namespace zorvane
