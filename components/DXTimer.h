#pragma once
// The game clock on Qt: DXTimerCore's tick rule, woken by a precise
// single-shot QTimer set for the moment the next tick is due, so the game
// sleeps between ticks instead of polling. Nothing is scheduled while the
// clock is stopped or detached (application inactive with ActiveOnly).
//
// Callbacks run on the GUI thread from the event loop. A callback may change
// Enabled, Interval or ActiveOnly of this timer, reassign the callbacks, or
// delete the timer; the next wake is scheduled after it returns. A callback
// that runs a nested event loop may see further ticks inside it.

#include <QElapsedTimer>
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

#include "components/DXTimerCore.h"

class QTimer;

namespace zorvane {

class TDXTimer : public QObject {
    Q_OBJECT

  public:
    // Any free-running millisecond clock; wrap-around is harmless.
    using Clock = std::function<uint32_t()>;

    // Starts like the core: ActiveOnly and Enabled true, Interval 1000, not
    // ticking before Loaded(). An empty clock means the time since construction.
    // Follows the application's activation from here on.
    explicit TDXTimer(QObject* parent = nullptr, Clock clock = {});
    ~TDXTimer() override;

    void SetActiveOnly(bool value);
    bool Enabled() const { return core_->Enabled(); }
    void SetEnabled(bool value);
    void SetInterval(int32_t value);
    // Call once the settings above are in place: starts ticking if Enabled.
    void Loaded();

    // Active -> activated; Inactive, Hidden, Suspended -> deactivated. Wired to
    // QGuiApplication::applicationStateChanged; public so tests can drive it.
    void ApplicationStateChanged(Qt::ApplicationState state);

    std::function<void()> OnTimer;
    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;

  private:
    uint32_t Now() const;
    void Wake();
    void Reschedule();

    Clock clock_;
    QElapsedTimer elapsed_;
    // Shared so that a call into the core outlives a callback deleting us.
    std::shared_ptr<DXTimerCore> core_;
    QTimer* wake_;  // child of this
};

}  // namespace zorvane
