#pragma once
// A host that does nothing, so a benchmark measures the rules alone.

#include <optional>
#include <string>

#include "engine/Game.h"

namespace zorvane::bench {

class QuietHost : public GameHost {
  public:
    void SetClockEnabled(bool enabled) override { clock_ = enabled; }
    bool ClockEnabled() const override { return clock_; }
    void SetClockInterval(int) override {}
    void ProcessMessages() override {}
    void PlayEffect(Effect) override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return true; }
    std::string AskHighScoreName() override { return "Bench"; }
    void ShowHighScores() override {}
    std::string TodayText() override { return "01/01/26"; }
    void CloseMainWindow() override {}

  private:
    bool clock_ = true;
};

struct BenchGame {
    explicit BenchGame(int rows = 16, unsigned seed = 1) : random(seed) {
        settings.NumRows = rows;
        game.emplace(settings, host, random, scores);
        game->StartUp();
    }
    Settings settings;
    QuietHost host;
    RandomSource random;
    HighScoreTable scores;
    std::optional<Game> game;
};

}  // namespace zorvane::bench
