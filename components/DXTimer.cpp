#include "components/DXTimer.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

namespace zorvane {

namespace {

bool ApplicationIsActive() {
    // Without a GUI application there is nothing to switch away from.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return true;
    }
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

}  // namespace

TDXTimer::TDXTimer(QObject* parent, Clock clock)
    : QObject(parent),
      clock_(std::move(clock)),
      core_(std::make_shared<DXTimerCore>(ApplicationIsActive())),
      wake_(new QTimer(this)) {
    elapsed_.start();
    wake_->setSingleShot(true);
    wake_->setTimerType(Qt::PreciseTimer);
    connect(wake_, &QTimer::timeout, this, &TDXTimer::Wake);

    // Copies of the handlers: one may reassign itself or delete this timer.
    core_->OnTimer = [this] {
        if (auto handler = OnTimer) {
            handler();
        }
    };
    core_->OnActivate = [this] {
        if (auto handler = OnActivate) {
            handler();
        }
    };
    core_->OnDeactivate = [this] {
        if (auto handler = OnDeactivate) {
            handler();
        }
    };

    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::applicationStateChanged, this,
                &TDXTimer::ApplicationStateChanged);
    }
}

TDXTimer::~TDXTimer() {
    // A core kept alive by a call in progress must not reach back into us.
    core_->OnTimer = nullptr;
    core_->OnActivate = nullptr;
    core_->OnDeactivate = nullptr;
}

void TDXTimer::SetActiveOnly(bool value) {
    core_->SetActiveOnly(value, Now());
    Reschedule();
}

void TDXTimer::SetEnabled(bool value) {
    core_->SetEnabled(value, Now());
    Reschedule();
}

void TDXTimer::SetInterval(int32_t value) {
    core_->SetInterval(value);
    Reschedule();
}

void TDXTimer::Loaded() {
    core_->Loaded(Now());
    Reschedule();
}

void TDXTimer::ApplicationStateChanged(Qt::ApplicationState state) {
    const QPointer<TDXTimer> self(this);
    const std::shared_ptr<DXTimerCore> core = core_;
    if (state == Qt::ApplicationActive) {
        core->ApplicationActivated(Now());
    } else {
        core->ApplicationDeactivated();
    }
    if (self) {
        Reschedule();
    }
}

uint32_t TDXTimer::Now() const {
    if (clock_) {
        return clock_();
    }
    // Truncation wraps the clock, which the tick rule allows for.
    return static_cast<uint32_t>(elapsed_.elapsed());
}

void TDXTimer::Wake() {
    const QPointer<TDXTimer> self(this);
    const std::shared_ptr<DXTimerCore> core = core_;
    core->IdleCheck(Now());
    if (self) {
        Reschedule();
    }
}

void TDXTimer::Reschedule() {
    const std::optional<uint32_t> due = core_->MillisecondsUntilDue(Now());
    if (!due) {
        wake_->stop();
        return;
    }
    // Fits: the wait never exceeds Interval, an int32.
    wake_->start(static_cast<int>(*due));
}

}  // namespace zorvane
