#pragma once
// The status panel as plain values: the engine writes them, the view shows
// them.

#include <array>
#include <cstdint>
#include <string>

namespace zorvane {

constexpr int kBlankDigit = 10;  // DigitPics[10], the blank digit

struct StatusPanel {
    // Digits[0] is Num1 (the units), Digits[7] is Num8; kBlankDigit is blank.
    std::array<int, 8> Digits{kBlankDigit, kBlankDigit, kBlankDigit, kBlankDigit,
                              kBlankDigit, kBlankDigit, kBlankDigit, kBlankDigit};
    std::string LevelLabel = "Level: 1";
    std::string Bonus = "Bonus: 0";
    std::string LblRows = "Percent of level completed: 0";
    int PBRows = 0;  // 0..100
    std::string LblRowsDone = "Rows Done: 0";
    std::string BtnPause = "Pause";
    // The numbers in the captions above, for a view that words the captions
    // in the player's language.
    std::int64_t LevelNumber = 1;
    std::int64_t BonusPoints = 0;
    int Percent = 0;  // as LblRows shows it, not held to 0..100
    std::int64_t RowsDoneCount = 0;

    // Each sets a caption and its number together.
    void ShowLevel(std::int64_t level);
    void ShowBonus(std::int64_t points);
    // The progress captions, and the bar at `percent` held to 0..100.
    void ShowProgress(int percent, std::int64_t rowsDone);

    // Shows the eight lowest decimal digits of n (a negative n shows its
    // digits without the sign); slots beyond its length keep their digit.
    void ShowNumber(std::int64_t n);
    void BlankDigits() { Digits.fill(kBlankDigit); }
    // Leftmost first, '_' for a blank slot.
    std::string DigitText() const;
};

}  // namespace zorvane
