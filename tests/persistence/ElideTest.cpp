#include <gtest/gtest.h>

#include "persistence/Elide.h"

namespace zorvane {
namespace {

// Characters, not bytes, and never half a character: a cut UTF-8 sequence
// would show as a replacement sign or break the text's conversion.
TEST(ElideTest, LongTextsKeepBothEndsWholeCharacters) {
    EXPECT_EQ(ElideMiddle("short.wav"), "short.wav");
    const std::string accented = "\xC3\xA9";  // é, two bytes
    const std::string wide = "\xE2\x82\xAC";  // €, three bytes
    std::string exact;
    for (int i = 0; i < 100; ++i) {
        exact += accented;
    }
    EXPECT_EQ(ElideMiddle(exact), exact);  // 200 bytes, but 100 characters

    std::string name;
    for (int i = 0; i < 300; ++i) {
        name += i % 2 ? accented : wide;
    }
    std::string expected;
    for (int i = 0; i < 5; ++i) {
        expected += i % 2 ? accented : wide;
    }
    expected += "\xE2\x80\xA6";
    for (int i = 0; i < 4; ++i) {
        expected += i % 2 ? accented : wide;
    }
    EXPECT_EQ(ElideMiddle(name, 10), expected);
    EXPECT_EQ(ElideMiddle(std::string(1000, 'x') + "tail", 9), "xxxx\xE2\x80\xA6tail");
}

}  // namespace
}  // namespace zorvane
