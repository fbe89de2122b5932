#pragma once
// The replay tool's stand-in for the main window: a clock that is only a
// flag and an interval, and every sound, message and question printed as a
// line the moment it happens.

#include <ostream>
#include <string>

#include "engine/GameHost.h"

namespace zorvane {

class Game;

class ReplayHost : public GameHost {
  public:
    ReplayHost(std::ostream& out, bool playAgain, std::string name)
        : out_(out), playAgain_(playAgain), name_(std::move(name)) {}

    void AttachGame(const Game* game) { game_ = game; }
    bool Closed() const { return closed_; }
    int ClockInterval() const { return interval_; }

    void SetClockEnabled(bool enabled) override { enabled_ = enabled; }
    bool ClockEnabled() const override { return enabled_; }
    void SetClockInterval(int milliseconds) override { interval_ = milliseconds; }
    void ProcessMessages() override {}
    void PlayEffect(Effect effect) override;
    void ShowMessage(const std::string& caption, const std::string& text) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    std::string AskHighScoreName() override { return name_; }
    void ShowHighScores() override;
    std::string TodayText() override;
    void CloseMainWindow() override;

  private:
    std::ostream& out_;
    bool playAgain_;
    std::string name_;
    const Game* game_ = nullptr;
    bool enabled_ = true;
    int interval_ = 600;
    bool closed_ = false;
};

// A carriage return inside a message is written as the two characters \r.
std::string EscapeLineBreaks(const std::string& text);

}  // namespace zorvane
