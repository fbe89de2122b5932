#pragma once
// A host with no window, for everything that runs the game headless: the
// clock is a remembered flag and interval, sounds and messages go nowhere,
// questions get the answers set here. Tests, benchmarks and the replay tool
// derive from it and override only what they watch.

#include <string>

#include "engine/GameHost.h"

namespace zorvane {

class QuietHost : public GameHost {
  public:
    void SetClockEnabled(bool enabled) override { clockEnabled_ = enabled; }
    bool ClockEnabled() const override { return clockEnabled_; }
    void SetClockInterval(int milliseconds) override { clockInterval_ = milliseconds; }
    int ClockInterval() const { return clockInterval_; }

    void ProcessMessages() override {}
    void PlayEffect(Effect) override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return answerYes; }
    std::string AskHighScoreName() override { return highScoreName; }
    void ShowHighScores() override {}
    std::string TodayText() override { return today; }
    // The game asked to end; whoever drives it stops there.
    void CloseMainWindow() override { closed_ = true; }
    bool Closed() const { return closed_; }

    // The answers the game gets.
    bool answerYes = false;
    std::string highScoreName;
    std::string today = "01/01/26";

  private:
    bool clockEnabled_ = true;
    int clockInterval_ = 600;
    bool closed_ = false;
};

// The word a text host writes for an effect: bad, good, explode or row.
const char* EffectName(Effect effect);

}  // namespace zorvane
