#pragma once
// The game's pictures (pieces, bombs, specials, digits, logo, icon) are
// compiled into the static library zorvane_resources. A Qt resource inside a
// static library is not registered on its own: the program calls
// InitResources() once, after creating its QApplication and before loading
// any ":/pictures/..." file.

namespace zorvane {

void InitResources();

}  // namespace zorvane
