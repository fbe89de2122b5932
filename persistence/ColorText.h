#pragma once
// Colour texts of the options file: a name such as "clGray", else "$" and
// eight upper-case hex digits.

#include <optional>
#include <string>
#include <string_view>

#include "persistence/Settings.h"

namespace zorvane {

std::string ColorToText(ColorValue color);

// A name (any letter case) or an integer text; nullopt when it is neither.
std::optional<ColorValue> TextToColor(std::string_view text);

}  // namespace zorvane
