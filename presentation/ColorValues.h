#pragma once
// Colours as the options file stores them (0x00BBGGRR, the desktop's system
// colours, or no colour) and as Qt draws them.

#include <QColor>

#include "persistence/Settings.h"

namespace zorvane {

// System colours come from the application's palette; no colour, and any
// value that is neither, is transparent.
QColor ToQColor(ColorValue value);
ColorValue FromQColor(const QColor& color);

}  // namespace zorvane
