#pragma once
// The replay tool's stand-in for the main window: the quiet host's clock,
// and every sound, message and question printed as a line the moment it
// happens.

#include <ostream>
#include <string>
#include <utility>

#include "engine/QuietHost.h"

namespace zorvane {

class Game;

class ReplayHost : public QuietHost {
  public:
    ReplayHost(std::ostream& out, bool playAgain, std::string name) : out_(out) {
        answerYes = playAgain;
        highScoreName = std::move(name);
    }

    void AttachGame(const Game* game) { game_ = game; }

    void PlayEffect(Effect effect) override;
    void ShowMessage(const std::string& caption, const std::string& text) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    void ShowHighScores() override;
    std::string TodayText() override;
    void CloseMainWindow() override;

  private:
    std::ostream& out_;
    const Game* game_ = nullptr;
};

// A carriage return inside a message is written as the two characters \r.
std::string EscapeLineBreaks(const std::string& text);

}  // namespace zorvane
