#include "persistence/Elide.h"

#include <algorithm>

namespace zorvane {

namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // "…"

bool Continues(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Where the character after the first `count` characters begins.
std::size_t AfterChars(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size() && seen < count; ++seen) {
        ++at;
        while (at < text.size() && Continues(text[at])) {
            ++at;
        }
    }
    return at;
}

// Where the last `count` characters begin.
std::size_t LastChars(std::string_view text, std::size_t count) {
    std::size_t at = text.size();
    for (std::size_t seen = 0; at > 0 && seen < count; ++seen) {
        --at;
        while (at > 0 && Continues(text[at])) {
            --at;
        }
    }
    return at;
}

}  // namespace

std::string ElideMiddle(std::string_view text, std::size_t maxChars) {
    // Most texts are short: a byte count within the limit settles it at once.
    if (text.size() <= maxChars || AfterChars(text, maxChars) == text.size()) {
        return std::string(text);
    }
    const std::size_t kept = maxChars > 0 ? maxChars - 1 : 0;
    const std::size_t head = AfterChars(text, kept - kept / 2);
    const std::size_t tail = std::max(LastChars(text, kept / 2), head);
    std::string shown(text.substr(0, head));
    shown += kEllipsis;
    shown += text.substr(tail);
    return shown;
}

}  // namespace zorvane
