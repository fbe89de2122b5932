#include "app/MoveMotion.h"

#include <QWidget>
#include <algorithm>

namespace zorvane {

MoveMotion::MoveMotion(QWidget* board, QObject* parent) : QObject(parent), board_(board) {
    frames_.setInterval(16);  // about sixty frames a second
    frames_.setTimerType(Qt::PreciseTimer);
    connect(&frames_, &QTimer::timeout, this, [this] { Frame(); });
}

void MoveMotion::Start(BoardAnimation plan) {
    plan_ = std::move(plan);
    clock_.start();
    frames_.start();
    board_->update();
}

void MoveMotion::Finish() {
    if (!plan_) {
        return;
    }
    frames_.stop();
    plan_.reset();
    board_->update();
}

qreal MoveMotion::Progress() const {
    if (!plan_) {
        return 1.0;
    }
    return std::min<qreal>(1.0, static_cast<qreal>(clock_.elapsed()) / kAnimationMs);
}

void MoveMotion::Frame() {
    if (Progress() >= 1.0) {
        Finish();
    } else {
        board_->update();
    }
}

}  // namespace zorvane
