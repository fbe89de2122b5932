#include "persistence/WindowState.h"

#include "persistence/TextHelpers.h"

namespace zorvane {

namespace {

// A size beyond any screen is a damaged file, not a window.
constexpr int kLargest = 32768;

}  // namespace

std::optional<WindowState> ReadWindowState(const std::string& path) {
    std::vector<std::string> lines;
    if (!ReadTextFile(path, lines).ok) {
        return std::nullopt;
    }
    WindowState state;
    for (const std::string& line : lines) {
        const auto [key, value] = SplitAt(line, "=");
        const std::string upper = UpperText(key);
        if (upper == "WIDTH") {
            state.width = TextToInt(value);
        } else if (upper == "HEIGHT") {
            state.height = TextToInt(value);
        } else if (upper == "FULLSCREEN") {
            state.fullScreen = TextToBool(value);
        }
    }
    if (state.width <= 0 || state.height <= 0 || state.width > kLargest ||
        state.height > kLargest) {
        return std::nullopt;
    }
    return state;
}

FileResult WriteWindowState(const std::string& path, const WindowState& state) {
    return WriteTextFile(
        path, {"; Window of Zorvane", "Width=" + IntToText(state.width),
               "Height=" + IntToText(state.height), "FullScreen=" + BoolToText(state.fullScreen)});
}

}  // namespace zorvane
