#pragma once
// The messages and questions of the game, each named with what it shows,
// so that a host can word it in the player's language. The English wording
// is here: the replay tool and every host without a window show it, and a
// window in English shows exactly the same.

#include <array>
#include <string>
#include <vector>

namespace zorvane {

enum class MessageKind {
    kGameOver,           // no arguments
    kPlayAgain,          // the question after a game; no arguments
    kBoardCleared,       // the first time: {bonus}
    kBoardClearedAgain,  // {times cleared, bonus}
    kNextLevel,          // no arguments
    kNextLevelRelief,    // level 20's, with its slower clock; no arguments
    kScoresNotSaved,     // at quit: {path, reason, one line per change lost...}
    kFileError,          // {path, reason}
};

inline constexpr std::array kMessageKinds = {
    MessageKind::kGameOver,          MessageKind::kPlayAgain, MessageKind::kBoardCleared,
    MessageKind::kBoardClearedAgain, MessageKind::kNextLevel, MessageKind::kNextLevelRelief,
    MessageKind::kScoresNotSaved,    MessageKind::kFileError,
};

struct GameMessage {
    MessageKind kind = MessageKind::kGameOver;
    // Numbers as decimal text, paths and reasons as they are; a missing
    // argument reads as empty.
    std::vector<std::string> args;

    const std::string& Arg(std::size_t i) const;
};

// The box's caption and its text in English; lines break with a carriage
// return.
std::string EnglishCaption(MessageKind kind);
std::string EnglishText(const GameMessage& message);

}  // namespace zorvane
