#pragma once
// Texts shown to the player that come from files or the file system: a long
// path or name is cut in its middle, so a message or a list stays readable
// and quick to lay out whatever a file holds.

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvane {

// How much of a path or name a message or window shows.
constexpr std::size_t kShownNameChars = 100;

// `text` itself when it has at most `maxChars` characters; else its first and
// last characters around "…", `maxChars` in all. A character is a UTF-8
// sequence (a byte of another 8-bit character set counts as one), and no
// sequence is ever split.
std::string ElideMiddle(std::string_view text, std::size_t maxChars = kShownNameChars);

}  // namespace zorvane
