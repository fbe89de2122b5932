#include "tools/replay/ReplayHost.h"

#include <ctime>

#include "engine/Game.h"

namespace zorvane {

std::string EscapeLineBreaks(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\r') {
            escaped += "\\r";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

void ReplayHost::PlayEffect(Effect effect) {
    out_ << "sound: " << EffectName(effect) << '\n';
}

void ReplayHost::ShowMessage(const std::string& caption, const std::string& text) {
    out_ << "message: " << caption << ": " << EscapeLineBreaks(text) << '\n';
}

bool ReplayHost::AskYesNo(const std::string& caption, const std::string& text) {
    out_ << "question: " << caption << ": " << EscapeLineBreaks(text) << " -> "
         << (answerYes ? "yes" : "no") << '\n';
    return answerYes;
}

void ReplayHost::ShowHighScores() {
    out_ << "high-score: " << highScoreName << ' ' << (game_ ? game_->State().Score : 0) << ' '
         << (game_ ? game_->State().Level : 0) << '\n';
}

std::string ReplayHost::TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    const std::size_t n = std::strftime(text, sizeof text, "%x", &local);
    return std::string(text, n);
}

void ReplayHost::CloseMainWindow() {
    out_ << "closed\n";
    QuietHost::CloseMainWindow();
}

}  // namespace zorvane
