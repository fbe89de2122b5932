#pragma once
// The status panel's captions in the player's language, worded from the
// numbers the engine keeps beside its English captions; with no translation
// installed each is exactly the engine's caption.

#include <QCoreApplication>
#include <QString>

#include "engine/StatusPanel.h"

namespace zorvane {

class StatusWords {
    Q_DECLARE_TR_FUNCTIONS(StatusWords)

  public:
    static QString Level(const StatusPanel& status);
    static QString Bonus(const StatusPanel& status);
    static QString Percent(const StatusPanel& status);
    static QString RowsDone(const StatusPanel& status);
    // The pause button: "Start" or "Pause".
    static QString PauseButton(const StatusPanel& status);
};

}  // namespace zorvane
