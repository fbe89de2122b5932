#pragma once
// A game on the quiet host, so a benchmark measures the rules alone. Every
// "play again?" is answered yes, so a lost game starts over.

#include <optional>

#include "engine/Game.h"
#include "engine/QuietHost.h"

namespace zorvane::bench {

struct BenchGame {
    explicit BenchGame(int rows = 16, unsigned seed = 1) : random(seed) {
        settings.NumRows = rows;
        host.answerYes = true;
        host.highScoreName = "Bench";
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
