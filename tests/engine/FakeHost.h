#pragma once
// A host for engine tests: the quiet host's clock and answers, every sound,
// message and question recorded in order, and a hook that runs inside
// ProcessMessages.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/CellText.h"
#include "engine/Game.h"
#include "engine/QuietHost.h"
#include "tests/support/BoardRows.h"

namespace zorvane::test {

class FakeHost : public QuietHost {
  public:
    FakeHost() {
        highScoreName = "Tester";
        today = "08/12/26";
    }

    void ProcessMessages() override {
        if (duringProcessMessages) {
            duringProcessMessages();
        }
    }
    // The fall of every move starts by stopping the clock, while the cells
    // the move took still carry their marks.
    void SetClockEnabled(bool enabled) override {
        if (!enabled && duringClockStop) {
            duringClockStop();
        }
        QuietHost::SetClockEnabled(enabled);
    }
    void PlayEffect(Effect effect) override {
        events.push_back(std::string("sound: ") + EffectName(effect));
    }
    void ShowMessage(const std::string& caption, const std::string& text) override {
        events.push_back("message: " + caption + ": " + text);
        if (duringMessage) {
            duringMessage();
        }
    }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        events.push_back("question: " + caption + ": " + text);
        return answerYes;
    }
    std::string AskHighScoreName() override {
        events.push_back("name?");
        return highScoreName;
    }
    void ShowHighScores() override { events.push_back("scores shown"); }
    void CloseMainWindow() override {
        events.push_back("closed");
        QuietHost::CloseMainWindow();
    }

    std::vector<std::string> events;
    std::function<void()> duringProcessMessages;
    std::function<void()> duringMessage;
    std::function<void()> duringClockStop;
};

// No cell of the running board is occupied.
inline bool BoardEmpty(const Game& g) {
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < g.NumRows(); ++row) {
            if (IsOccupied(g.State().Board[col][row])) {
                return false;
            }
        }
    }
    return true;
}

// The preview strip as cell characters, slot 0 first.
inline std::string AuxText(const Game& g) {
    std::string text;
    for (const TCell& slot : g.State().Aux) {
        text += CharFromCell(slot);
    }
    return text;
}

// Hands out queued values (0 once the queue is empty) and records every
// range asked for, so a test can check the order and number of draws.
class ScriptedRandom : public RandomSource {
  public:
    int Random(int n) override {
        asked.push_back(n);
        if (next < values.size()) {
            return values[next++];
        }
        return 0;
    }
    std::vector<int> values;
    std::size_t next = 0;
    std::vector<int> asked;
};

// A game with its own settings, host, generator and table, started as the
// program starts it.
struct GameFixture {
    explicit GameFixture(int rows = 9, unsigned seed = 1, int startRows = 3) : random(seed) {
        settings.NumRows = settings.NumRowsSetting = rows;
        settings.StartRows = startRows;
        game.emplace(settings, host, random, scores);
        game->StartUp();
        host.events.clear();
    }
    // The same with settings as a file left them.
    explicit GameFixture(const Settings& read, unsigned seed = 1) : settings(read), random(seed) {
        game.emplace(settings, host, random, scores);
        game->StartUp();
        host.events.clear();
    }

    // Rows of 10 cell characters, top row first; the board's top rows not
    // named stay empty. Clears every other board cell.
    void SetBoard(const std::vector<std::string>& rows) { game->ArrangeBoard(GridFromRows(rows)); }

    // The board as text, top row first, only the rows up to `height`.
    std::vector<std::string> BoardText(int height) const {
        std::vector<std::string> rows;
        for (int row = height - 1; row >= 0; --row) {
            std::string text;
            for (int col = 0; col < kColumns; ++col) {
                text += CharFromCell(game->State().Board[col][row]);
            }
            rows.push_back(text);
        }
        return rows;
    }

    void Click(int col, int row) { game->Num1Click({true, row * 10 + col}); }

    // A full preview strip of 10 cell characters: the next tick pushes it in.
    void FillStrip(const std::string& text) {
        game->ArrangeAux(StripFromText(text), static_cast<std::int32_t>(text.size()));
    }

    // Runs ticks only while the clock runs, as the frame timer delivers them.
    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            if (host.ClockEnabled()) {
                game->DXTimer1Timer();
            }
        }
    }

    Settings settings;
    FakeHost host;
    RandomSource random;
    HighScoreTable scores{"01/01/26"};
    std::optional<Game> game;
};

}  // namespace zorvane::test
