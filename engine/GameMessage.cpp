#include "engine/GameMessage.h"

namespace zorvane {

const std::string& GameMessage::Arg(std::size_t i) const {
    static const std::string kNone;
    return i < args.size() ? args[i] : kNone;
}

std::string EnglishCaption(MessageKind kind) {
    switch (kind) {
        case MessageKind::kGameOver:
        case MessageKind::kPlayAgain:
            return "Confirm";
        case MessageKind::kBoardCleared:
        case MessageKind::kBoardClearedAgain:
            return "Congratulations!";
        case MessageKind::kNextLevel:
        case MessageKind::kNextLevelRelief:
            return "Congratulations";
        case MessageKind::kScoresNotSaved:
        case MessageKind::kFileError:
            return "Error";
    }
    return "Error";
}

std::string EnglishText(const GameMessage& message) {
    switch (message.kind) {
        case MessageKind::kGameOver:
            return "The game is over!";
        case MessageKind::kPlayAgain:
            return "Would you like to play again?";
        case MessageKind::kBoardCleared:
            return "You cleared the board!\rYou get a " + message.Arg(0) + " point bonus!";
        case MessageKind::kBoardClearedAgain:
            return "You cleared the board " + message.Arg(0) + " times!\rYou get a " +
                   message.Arg(1) + " point bonus!";
        case MessageKind::kNextLevel:
            return "You have proceeded to the next level!";
        case MessageKind::kNextLevelRelief:
            return "You have proceeded to the next level\rand earned a temporary speed relief!";
        case MessageKind::kScoresNotSaved: {
            std::string text = "These high scores could not be saved in " + message.Arg(0) + " (" +
                               message.Arg(1) + "):";
            for (std::size_t i = 2; i < message.args.size(); ++i) {
                text += "\r" + message.args[i];
            }
            return text;
        }
        case MessageKind::kFileError:
            return message.Arg(0) + ": " + message.Arg(1);
    }
    return {};
}

}  // namespace zorvane
