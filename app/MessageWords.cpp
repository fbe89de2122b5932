#include "app/MessageWords.h"

#include "components/ReasonWords.h"

namespace zorvane {

QString MessageWords::Error() {
    return tr("Error");
}

QString MessageWords::Confirm() {
    return tr("Confirm");
}

QString MessageWords::Caption(MessageKind kind) {
    switch (kind) {
        case MessageKind::kGameOver:
        case MessageKind::kPlayAgain:
            return Confirm();
        case MessageKind::kBoardCleared:
        case MessageKind::kBoardClearedAgain:
            return tr("Congratulations!");
        case MessageKind::kNextLevel:
        case MessageKind::kNextLevelRelief:
            return tr("Congratulations", "a new level");
        case MessageKind::kScoresNotSaved:
        case MessageKind::kFileError:
            return Error();
    }
    return Error();
}

QString MessageWords::Text(const GameMessage& message) {
    const QString first = QString::fromStdString(message.Arg(0));
    const QString second = QString::fromStdString(message.Arg(1));
    switch (message.kind) {
        case MessageKind::kGameOver:
            return tr("The game is over!");
        case MessageKind::kPlayAgain:
            return tr("Would you like to play again?");
        case MessageKind::kBoardCleared:
            return tr("You cleared the board!") + "\r" + tr("You get a %1 point bonus!").arg(first);
        case MessageKind::kBoardClearedAgain:
            return tr("You cleared the board %1 times!").arg(first) + "\r" +
                   tr("You get a %1 point bonus!").arg(second);
        case MessageKind::kNextLevel:
            return tr("You have proceeded to the next level!");
        case MessageKind::kNextLevelRelief:
            return tr("You have proceeded to the next level") + "\r" +
                   tr("and earned a temporary speed relief!");
        case MessageKind::kScoresNotSaved: {
            QString text = tr("These high scores could not be saved in %1 (%2):")
                               .arg(first, ReasonWords::Reason(message.Arg(1)));
            for (std::size_t i = 2; i < message.args.size(); ++i) {
                text += "\r" + QString::fromStdString(message.args[i]);
            }
            return text;
        }
        case MessageKind::kFileError:
            return ReasonWords::Named(first, ReasonWords::Reason(message.Arg(1)));
    }
    return {};
}

}  // namespace zorvane
