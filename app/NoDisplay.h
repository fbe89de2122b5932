#pragma once
// A start with no display to open ends in one line on stderr and status 1,
// not in Qt's fatal message and an abort with a core dump.

namespace zorvane {

// Before the application object: with no platform chosen (by -platform,
// `platformNamed`, or QT_QPA_PLATFORM) and neither DISPLAY nor
// WAYLAND_DISPLAY set there is nothing to try.
void ExitWhenNoDisplayIsNamed(bool platformNamed);

// While it lives, Qt's messages are held back; a fatal one (the display
// named does not answer) ends the program as above. Those held are passed on
// when it goes.
class DisplayOpening {
  public:
    DisplayOpening();
    ~DisplayOpening();
    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;
};

}  // namespace zorvane
