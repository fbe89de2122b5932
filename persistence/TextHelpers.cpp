#include "persistence/TextHelpers.h"

#include <cstdint>
#include <string>

namespace zorvane {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::pair<std::string, std::string> SplitAt(std::string_view text, std::string_view separator) {
    const std::size_t at = separator.empty() ? std::string_view::npos : text.find(separator);
    if (at == std::string_view::npos) {
        return {std::string(text), std::string()};
    }
    return {std::string(text.substr(0, at)), std::string(text.substr(at + separator.size()))};
}

std::string UpperText(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

bool TryTextToInt(std::string_view text, std::int32_t& value) {
    value = 0;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        i += 1;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size()) {
        return false;  // nothing after the blanks, sign or prefix
    }

    // Accumulate the magnitude; 64 bits hold any 32-bit value plus one more digit.
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    const std::uint64_t base = hex ? 16 : 10;
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit =
            hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0) {
            return false;
        }
        magnitude = magnitude * base + static_cast<std::uint64_t>(digit);
        if (magnitude > limit) {
            return false;
        }
    }
    // Hex is a bit pattern, so "$FFFFFFFF" is -1 and "-$1" is -1 as well.
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative) {
        bits = 0u - bits;
    }
    value = static_cast<std::int32_t>(bits);
    return true;
}

std::int32_t TextToInt(std::string_view text) {
    std::int32_t value = 0;
    TryTextToInt(text, value);
    return value;
}

bool TextToBool(std::string_view text) {
    const std::string upper = UpperText(text);
    return upper == "TRUE" || upper == "YES" || upper == "1";
}

std::string BoolToText(bool value) {
    return value ? "TRUE" : "FALSE";
}

std::string IntToText(std::int64_t value) {
    return std::to_string(value);
}

}  // namespace zorvane
