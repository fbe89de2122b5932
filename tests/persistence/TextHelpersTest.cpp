#include <gtest/gtest.h>

#include "persistence/ColorText.h"
#include "persistence/TextHelpers.h"

namespace zorvane {
namespace {

TEST(TextHelpersTest, SplitAtTakesTheFirstSeparator) {
    EXPECT_EQ(SplitAt("BadSound=a=b.wav", "="),
              std::make_pair(std::string("BadSound"), std::string("a=b.wav")));
    EXPECT_EQ(SplitAt("NoSeparator", "="),
              std::make_pair(std::string("NoSeparator"), std::string()));
    EXPECT_EQ(SplitAt("Key=", "="), std::make_pair(std::string("Key"), std::string()));
    EXPECT_EQ(SplitAt("=v", "="), std::make_pair(std::string(), std::string("v")));
}

TEST(TextHelpersTest, UpperTextChangesOnlyAsciiLetters) {
    EXPECT_EQ(UpperText("numRows 1=\xe9z"), "NUMROWS 1=\xe9Z");
}

TEST(TextHelpersTest, TextToIntReadsDecimalAndHex) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"42", 42},
        {"  -17", -17},
        {"\t+8", 8},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$FF", 255},
        {"x1f", 31},
        {"X10", 16},
        {"0x10", 16},
        {"0XaB", 171},
        {"$FFFFFFFF", -1},
        {"$000000001", 1},  // leading zeros do not count as bits
        {"-$1", -1},
        {"-$80000000", INT32_MIN},
        {"$8000000F", static_cast<std::int32_t>(0x8000000Fu)},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(TextToInt(text), value) << text;
    }
}

TEST(TextHelpersTest, TextToIntGivesZeroForAnythingElse) {
    for (const char* text :
         {"", " ", "-", "+", "$", "0x", "12 ", "1 2", "12a", "abc", "1.5", "2147483648",
          "-2147483649", "$100000000", "--1", "$-1", "99999999999"}) {
        std::int32_t value = 99;
        EXPECT_FALSE(TryTextToInt(text, value)) << text;
        EXPECT_EQ(value, 0) << text;
        EXPECT_EQ(TextToInt(text), 0) << text;
    }
    std::int32_t value = 0;
    EXPECT_TRUE(TryTextToInt("0", value));
}

TEST(TextHelpersTest, BoolsAndIntsAsText) {
    for (const char* text : {"TRUE", "true", "Yes", "1"}) {
        EXPECT_TRUE(TextToBool(text)) << text;
    }
    for (const char* text : {"on", "", " TRUE", "2", "FALSE"}) {
        EXPECT_FALSE(TextToBool(text)) << text;
    }
    EXPECT_EQ(BoolToText(true), "TRUE");
    EXPECT_EQ(BoolToText(false), "FALSE");
    EXPECT_EQ(IntToText(-9223372036854775807LL - 1), "-9223372036854775808");
    EXPECT_EQ(IntToText(0), "0");
}

TEST(TextHelpersTest, ColorTextNamesAndHexBothWays) {
    EXPECT_EQ(ColorToText(0x808080), "clGray");
    EXPECT_EQ(ColorToText(0x004080FF), "$004080FF");
    EXPECT_EQ(ColorToText(0x8000000F), "clBtnFace");
    EXPECT_EQ(ColorToText(0x80000018), "clInfoBk");
    EXPECT_EQ(ColorToText(0x1FFFFFFF), "clNone");
    EXPECT_EQ(TextToColor("clred"), 0x0000FFu);
    EXPECT_EQ(TextToColor("$000000FF"), 0x0000FFu);
    EXPECT_EQ(TextToColor("CL3DLIGHT"), 0x80000016u);
    EXPECT_EQ(TextToColor("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(TextToColor("clNoSuchColour"), std::nullopt);
    EXPECT_EQ(TextToColor(""), std::nullopt);
}

}  // namespace
}  // namespace zorvane
