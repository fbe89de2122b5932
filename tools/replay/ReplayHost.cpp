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
    static constexpr const char* kNames[] = {"bad", "good", "explode", "row"};
    out_ << "sound: " << kNames[static_cast<int>(effect)] << '\n';
}

void ReplayHost::ShowMessage(const std::string& caption, const std::string& text) {
    out_ << "message: " << caption << ": " << EscapeLineBreaks(text) << '\n';
}

bool ReplayHost::AskYesNo(const std::string& caption, const std::string& text) {
    out_ << "question: " << caption << ": " << EscapeLineBreaks(text) << " -> "
         << (playAgain_ ? "yes" : "no") << '\n';
    return playAgain_;
}

void ReplayHost::ShowHighScores() {
    out_ << "high-score: " << name_ << ' ' << (game_ ? game_->Score : 0) << ' '
         << (game_ ? game_->Level : 0) << '\n';
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
    closed_ = true;
}

}  // namespace zorvane
