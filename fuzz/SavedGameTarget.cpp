// Fuzz target: a saved game opened over a running game, then a few moves.
// Input: the file's bytes, then optionally a NUL, one set-up byte and up to
// 20 action bytes. The set-up byte seeds the game; modulo 3 it picks the
// board height, bit 0x80 answers "play again" with yes, bit 0x40 asks for
// the check at the end. Saving and opening the game again must give the
// same game.

#include <algorithm>

#include "engine/Game.h"
#include "engine/QuietHost.h"
#include "fuzz/FuzzSupport.h"

namespace {

using namespace zorvane;
using fuzz::Require;

constexpr std::size_t kMaxActions = 20;

bool SameSavedGame(const SavedGame& a, const SavedGame& b, int rows) {
    if (a.Score != b.Score || a.Level != b.Level || a.RowsDone != b.RowsDone ||
        a.ClearedCount != b.ClearedCount) {
        return false;
    }
    for (int col = 0; col < kSavedColumns; ++col) {
        for (int row = 0; row < rows; ++row) {
            if (a.Cells[col][row] != b.Cells[col][row]) {
                return false;
            }
        }
    }
    return true;
}

// Only the rows of the running board are written, so only they come back.
void CheckSaveAndReopen(Game& game, const std::string& path) {
    const SavedGame before = game.CurrentSavedGame();
    Require(game.SaveGameTo(path), "a game in the scratch folder cannot be saved");
    Require(game.LoadGameFrom(path), "a game just saved cannot be opened");
    Require(SameSavedGame(before, game.CurrentSavedGame(), game.NumRows()),
            "saving and opening again changed the game");
}

// Saving and reopening costs as much as the rest of a run, so it happens
// once per input: at its first request, or at the end when the set-up byte asks.
void Act(Game& game, QuietHost& host, std::uint8_t action, const std::string& savePath,
         bool& reopened) {
    if (action < 160) {
        // A board cell, folded onto the running board's rows.
        const int col = action % 10;
        const int row = (action / 10) % game.NumRows();
        game.Num1Click({true, row * 10 + col});
    } else if (action < 224) {
        // 1..64 clock ticks, delivered only while the clock runs.
        for (int i = 0; i <= action - 160 && !host.Closed(); ++i) {
            if (host.ClockEnabled()) {
                game.DXTimer1Timer();
            }
        }
    } else if (action < 240) {
        game.BtnPauseClick();
    } else if (action < 248) {
        game.UndoSubMenuClick();
    } else if (action < 252) {
        game.NewSubMenuClick();
    } else if (!reopened) {
        CheckSaveAndReopen(game, savePath);
        reopened = true;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* end = data + size;
    const auto* nul = std::find(data, end, std::uint8_t{0});
    const std::string& folder = fuzz::ScratchFolder();
    const std::string loadPath = folder + "/input.SAV";
    const std::string savePath = folder + "/saved.SAV";
    if (!fuzz::WriteBytes(loadPath, data, static_cast<std::size_t>(nul - data))) {
        fuzz::Fail("cannot write the scratch file");
    }
    const std::uint8_t setup = nul + 1 < end ? nul[1] : 0;
    const std::uint8_t* actions = nul + 1 < end ? nul + 2 : end;
    const std::size_t actionCount =
        std::min(kMaxActions, static_cast<std::size_t>(end - std::min(actions, end)));

    static constexpr int kHeights[] = {9, 12, 16};
    Settings settings = DefaultSettings("");
    settings.NumRows = settings.NumRowsSetting = kHeights[setup % 3];
    QuietHost host;
    host.answerYes = (setup & 0x80) != 0;
    RandomSource random(setup);
    HighScoreTable scores("01/01/26");
    Game game(settings, host, random, scores);
    game.StartUp();
    game.BtnPauseClick();  // the clock runs, as in a game being played

    game.LoadGameFrom(loadPath);
    bool reopened = false;
    for (std::size_t i = 0; i < actionCount && !host.Closed(); ++i) {
        Act(game, host, actions[i], savePath, reopened);
    }
    // A closed window ends the program: nothing more to check.
    if (!host.Closed() && !reopened && (setup & 0x40) != 0) {
        CheckSaveAndReopen(game, savePath);
    }
    return 0;
}
