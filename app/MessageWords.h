#pragma once
// The words of the game's messages in the player's language: the messages
// the engine names (GameMessage.h) and their captions; the reasons in them
// are worded by ReasonWords. With no translation installed every one of
// them is exactly the English the engine writes.

#include <QCoreApplication>
#include <QString>

#include "engine/GameMessage.h"

namespace zorvane {

class MessageWords {
    Q_DECLARE_TR_FUNCTIONS(MessageWords)

  public:
    // The captions that also choose the box's icon.
    static QString Error();
    static QString Confirm();

    static QString Caption(MessageKind kind);
    static QString Text(const GameMessage& message);
};

}  // namespace zorvane
