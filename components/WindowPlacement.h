#pragma once
// Where the game's windows appear: centred on the screen they are on.

class QWidget;

namespace zorvane {

// Moves the window, frame included, to the centre of its screen's free area.
void CentreOnScreen(QWidget* window);

}  // namespace zorvane
