#pragma once
// How a screen reader sees a paint panel. A plain panel is a client area
// under its name. A panel given a value (the score it shows in pictures,
// say) reads as a label would: its name is its own name and the value, as
// "Score: 30", its text is the value, and a number also is its value.

class QAccessibleInterface;
class QObject;
class QString;

namespace zorvane {

// The accessibility factory for paint panels; null for any other object.
QAccessibleInterface* PaintPanelInterface(const QString& className, QObject* object);

}  // namespace zorvane
