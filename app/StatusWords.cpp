#include "app/StatusWords.h"

namespace zorvane {

QString StatusWords::Level(const StatusPanel& status) {
    return tr("Level: %1").arg(status.LevelNumber);
}

QString StatusWords::Bonus(const StatusPanel& status) {
    return tr("Bonus: %1").arg(status.BonusPoints);
}

QString StatusWords::Percent(const StatusPanel& status) {
    return tr("Percent of level completed: %1").arg(status.Percent);
}

QString StatusWords::RowsDone(const StatusPanel& status) {
    return tr("Rows Done: %1").arg(status.RowsDoneCount);
}

QString StatusWords::PauseButton(const StatusPanel& status) {
    // The engine names the button's two captions; anything else shows as it is.
    if (status.BtnPause == "Start") {
        return tr("Start", "the pause button of a paused game");
    }
    if (status.BtnPause == "Pause") {
        return tr("Pause", "the pause button of a running game");
    }
    return QString::fromStdString(status.BtnPause);
}

}  // namespace zorvane
