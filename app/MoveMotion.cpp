#include "app/MoveMotion.h"

#include <QWidget>
#include <algorithm>

namespace zorvane {

MoveMotion::MoveMotion(QWidget* board, QObject* parent) : QObject(parent), board_(board) {
    frames_.setInterval(16);  // about sixty frames a second
    frames_.setTimerType(Qt::PreciseTimer);
    connect(&frames_, &QTimer::timeout, this, [this] { Frame(); });
}

void MoveMotion::Start(std::vector<BoardAnimation> stages) {
    if (stages.empty()) {
        return;
    }
    stages_ = std::move(stages);
    clock_.start();
    frames_.start();
    board_->update();
}

void MoveMotion::Finish() {
    if (stages_.empty()) {
        return;
    }
    frames_.stop();
    stages_.clear();
    board_->update();
    emit Finished();
}

std::size_t MoveMotion::StageNow() const {
    const auto stage = static_cast<std::size_t>(clock_.elapsed() / kAnimationMs);
    return std::min(stage, stages_.size() - 1);
}

const BoardAnimation* MoveMotion::Plan() const {
    return stages_.empty() ? nullptr : &stages_[StageNow()];
}

qreal MoveMotion::Progress() const {
    if (stages_.empty()) {
        return 1.0;
    }
    const qint64 intoStage = clock_.elapsed() - static_cast<qint64>(StageNow()) * kAnimationMs;
    return std::min<qreal>(1.0, static_cast<qreal>(intoStage) / kAnimationMs);
}

void MoveMotion::Frame() {
    if (clock_.elapsed() >= static_cast<qint64>(stages_.size()) * kAnimationMs) {
        Finish();
    } else {
        board_->update();
    }
}

}  // namespace zorvane
