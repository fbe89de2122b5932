#pragma once
// File names are bytes in the system's 8-bit character set, and not every
// such name is valid text. A path box shows a name as text but hands back
// the very bytes it was given while its text stays as shown, so a name that
// is no UTF-8 survives the dialog untouched.

#include <QString>
#include <string>

class QLineEdit;

namespace zorvane {

// A file name as text for the player; undecodable bytes read as U+FFFD.
QString PathToText(const std::string& path);
// Typed or chosen text as the file name the system knows it by.
std::string TextToPath(const QString& text);

// Shows `path` in `box` and remembers its bytes.
void SetPathText(QLineEdit& box, const std::string& path);
// The name `box` holds: the remembered bytes while its text is the one they
// were shown as, else its text as a file name.
std::string PathText(const QLineEdit& box);

}  // namespace zorvane
