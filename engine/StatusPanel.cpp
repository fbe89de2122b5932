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

std::string StatusPanel::DigitText() const {
    std::string text;
    for (int i = static_cast<int>(Digits.size()) - 1; i >= 0; --i) {
        text += Digits[i] == kBlankDigit ? '_' : static_cast<char>('0' + Digits[i]);
    }
    return text;
}

}  // namespace zorvane
