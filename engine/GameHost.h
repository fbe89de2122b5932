#pragma once
// Everything the rules need from the platform. The main window implements
// it; tests and the replay tool implement it without any window.

#include <string>

#include "engine/GameMessage.h"
#include "persistence/Settings.h"

namespace zorvane {

// The four sound effects are the four effect slots of the settings.
using Effect = EffectSlot;

class GameHost {
  public:
    virtual ~GameHost() = default;

    // The game clock: running or stopped, and its interval in milliseconds.
    virtual void SetClockEnabled(bool enabled) = 0;
    virtual bool ClockEnabled() const = 0;
    virtual void SetClockInterval(int milliseconds) = 0;

    // Let pending events run (repaints, queued clicks and ticks). The engine
    // guards itself against what arrives meanwhile.
    virtual void ProcessMessages() = 0;

    // Called only when the effect's switch is on.
    virtual void PlayEffect(Effect effect) = 0;

    // Modal message box with an OK button.
    virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
    // Modal question with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;

    // The game's own messages and questions, named: a host that words them
    // in another language overrides these; by default they are shown in
    // English through the two above.
    virtual void ShowGameMessage(const GameMessage& message) {
        ShowMessage(EnglishCaption(message.kind), EnglishText(message));
    }
    virtual bool AskGameQuestion(const GameMessage& question) {
        return AskYesNo(EnglishCaption(question.kind), EnglishText(question));
    }

    // End of a game that entered the table: ask the name, then show the table.
    virtual std::string AskHighScoreName() = 0;
    virtual void ShowHighScores() = 0;

    // Today's date in the system's short format, for a new high score.
    virtual std::string TodayText() = 0;

    virtual void CloseMainWindow() = 0;

    // The board, the preview strip or the status panel changed.
    virtual void StateChanged() {}

    // A game begins afresh: New Game, playing again after the end, or a saved
    // game opened. Called before the StateChanged that shows it.
    virtual void GameBegun() {}

    // A click on the cell was no move (its sound, if on, has been played).
    virtual void BadMove(int /*row*/, int /*col*/) {}
};

}  // namespace zorvane
