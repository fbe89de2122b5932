#include "engine/StatusPanel.h"

#include <string>

namespace zorvane {

void StatusPanel::ShowNumber(std::int64_t n) {
    // Units first; only eight slots exist, so the highest digits drop off.
    std::string text = std::to_string(n < 0 ? -n : n);
    for (std::size_t i = 0; i < text.size() && i < Digits.size(); ++i) {
        Digits[i] = text[text.size() - 1 - i] - '0';
    }
}

void StatusPanel::ShowLevel(std::int64_t level) {
    LevelNumber = level;
    LevelLabel = "Level: " + std::to_string(level);
}

void StatusPanel::ShowBonus(std::int64_t points) {
    BonusPoints = points;
    Bonus = "Bonus: " + std::to_string(points);
}

void StatusPanel::ShowProgress(int percent, std::int64_t rowsDone) {
    Percent = percent;
    RowsDoneCount = rowsDone;
    LblRows = "Percent of level completed: " + std::to_string(percent);
    PBRows = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    LblRowsDone = "Rows Done: " + std::to_string(rowsDone);
}

std::string StatusPanel::DigitText() const {
    std::string text;
    for (int i = static_cast<int>(Digits.size()) - 1; i >= 0; --i) {
        text += Digits[i] == kBlankDigit ? '_' : static_cast<char>('0' + Digits[i]);
    }
    return text;
}

}  // namespace zorvane
