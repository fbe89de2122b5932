#pragma once
// Text helpers shared by the three file formats. Texts are bytes: nothing here
// depends on a locale or an encoding.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace zorvane {

// Head before the first separator and the rest after it; without a separator
// the head is the whole text and the rest is empty.
std::pair<std::string, std::string> SplitAt(std::string_view text, std::string_view separator);

// a..z become A..Z; every other byte stays.
std::string UpperText(std::string_view text);

// Leading blanks, optional sign, then decimal digits or hex digits after
// "$", "x", "X", "0x" or "0X". Anything else, or a value out of range, gives 0.
// Decimal must fit the signed 32-bit range; hex reads up to 32 bits as a bit
// pattern ("$FFFFFFFF" is -1).
std::int32_t TextToInt(std::string_view text);

// The same rule, but says whether the text was an integer at all.
bool TryTextToInt(std::string_view text, std::int32_t& value);

// True for "TRUE", "YES" or "1" in any letter case.
bool TextToBool(std::string_view text);
std::string BoolToText(bool value);
std::string IntToText(std::int64_t value);

}  // namespace zorvane
