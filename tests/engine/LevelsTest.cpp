// Level speeds, level progress and the score display.

#include <gtest/gtest.h>

#include "engine/Levels.h"
#include "engine/StatusPanel.h"

namespace zorvane {
namespace {

TEST(SpeedTable, IntervalsPerLevel) {
    EXPECT_EQ(SpeedTable[1], 600);
    EXPECT_EQ(SpeedTable[2], 575);
    EXPECT_EQ(SpeedTable[12], 325);
    EXPECT_EQ(SpeedTable[13], 315);
    EXPECT_EQ(SpeedTable[20], 245);
    EXPECT_EQ(SpeedTable[21], 375);  // slower than 20: the speed relief
    EXPECT_EQ(SpeedTable[22], 365);
    EXPECT_EQ(SpeedTable[42], 165);
    EXPECT_EQ(SpeedTable[43], 155);
    EXPECT_EQ(SpeedTable[99], 155);
    EXPECT_EQ(SpeedForLevel(100), 155);
    EXPECT_EQ(SpeedForLevel(100000), 155);
    EXPECT_EQ(SpeedForLevel(0), 600);
}

TEST(LevelPercent, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(LevelPercent(15, 1), 50);
    EXPECT_EQ(LevelPercent(1, 1), 3);     // 3.33
    EXPECT_EQ(LevelPercent(9, 7), 25);    // 900 / 36
    EXPECT_EQ(LevelPercent(1, 11), 2);    // 2.5
    EXPECT_EQ(LevelPercent(3, 11), 8);    // 7.5
    EXPECT_EQ(LevelPercent(23, 11), 58);  // 57.5
    EXPECT_EQ(LevelPercent(30, 1), 100);
    EXPECT_EQ(LevelPercent(3, -29), 100);  // never a division by zero
}

TEST(ScoreDigits, ShowTheEightLowestDigitsAndKeepHigherSlots) {
    StatusPanel panel;
    panel.ShowNumber(0);
    EXPECT_EQ(panel.DigitText(), "_______0");
    panel.ShowNumber(1234567);
    EXPECT_EQ(panel.DigitText(), "_1234567");
    panel.ShowNumber(123456789);
    EXPECT_EQ(panel.DigitText(), "23456789");
    // A shorter number leaves the slots above it as they were.
    panel.ShowNumber(5);
    EXPECT_EQ(panel.DigitText(), "23456785");
    panel.BlankDigits();
    panel.ShowNumber(990);
    EXPECT_EQ(panel.DigitText(), "_____990");
}

}  // namespace
}  // namespace zorvane
