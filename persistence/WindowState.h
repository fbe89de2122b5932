#pragma once
// "Window.txt": the main window's size and whether it was full screen when
// it closed, so the next start comes back the same. Kept apart from the
// options: it is the desktop's state, not a choice of the player.

#include <optional>
#include <string>

#include "persistence/TextFile.h"

namespace zorvane {

struct WindowState {
    int width = 0;
    int height = 0;
    bool fullScreen = false;
    bool operator==(const WindowState&) const = default;
};

// Nothing when the file is missing, unreadable or holds no usable size.
std::optional<WindowState> ReadWindowState(const std::string& path);
FileResult WriteWindowState(const std::string& path, const WindowState& state);

}  // namespace zorvane
