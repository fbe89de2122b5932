#pragma once
// The game clock's tick rule, with no window system and no clock of its own:
// every call that needs the time takes the millisecond clock value `now`
// (any free-running uint32 clock; wrap-around past 0xFFFFFFFF is harmless).
//
// The window-side TDXTimer owns one of these. It forwards the application's
// activation changes, and instead of polling it asks MillisecondsUntilDue()
// after every call into this class (including from inside the callbacks) and
// sleeps until then, calling IdleCheck() when it wakes.
//
// States: stopped (Started false), started and attached (ticking), or started
// and detached (application inactive while ActiveOnly). Enabled moves between
// stopped and started; activation changes move between attached and detached.
//
// Callbacks run on the caller's thread from inside the calls named below, and
// may change Enabled, Interval or ActiveOnly of this same timer, or reassign
// the callbacks themselves.

#include <cstdint>
#include <functional>
#include <optional>

namespace zorvane {

class DXTimerCore {
  public:
    // Starts with ActiveOnly and Enabled true, Interval 1000, stopped, and in
    // the loading phase: Enabled does not start anything until Loaded().
    explicit DXTimerCore(bool applicationActive = true);

    // Ends the loading phase once the stored settings are in place: starts
    // ticking if Enabled. Later calls do nothing.
    void Loaded(uint32_t now);

    // Enabled: the timer is wanted. A change after Loaded() starts ticking
    // (first tick one full Interval after `now`) or stops it; no change, no effect.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value, uint32_t now);

    // Interval in ms, stored as max(v, 0).
    // A running timer keeps the time of its last tick, so the next tick is
    // due Interval ms after the last one.
    void SetInterval(int32_t value);

    // ActiveOnly: tick only while the application is active. Changed while
    // started, attachment is re-evaluated at once: attaching starts a full
    // Interval from `now`; staying attached keeps the time of the last tick.
    void SetActiveOnly(bool value, uint32_t now);

    // The application became active / inactive. A change raises OnActivate /
    // OnDeactivate first, then attaches (first tick a full Interval from
    // `now`) or detaches if Started and ActiveOnly. A repeated report of the
    // current state is ignored, so a chatty platform cannot postpone ticks.
    void ApplicationActivated(uint32_t now);
    void ApplicationDeactivated();

    // One idle check. If attached and at least Interval ms have passed since
    // the last tick: this is the last tick now, and OnTimer is raised once
    // however late it comes (missed ticks are not caught up). Returns whether
    // it ticked. Does nothing while detached.
    bool IdleCheck(uint32_t now);

    // How long to sleep before the next IdleCheck: 0 when due now, empty
    // while not attached (stopped, or detached while inactive). Assumes `now`
    // is not before the last tick or attach.
    std::optional<uint32_t> MillisecondsUntilDue(uint32_t now) const;

    // Raised, when set, by the calls above.
    std::function<void()> OnTimer;
    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;

  private:
    void StartTicking(uint32_t now);
    void StopTicking();
    void AttachIdle(uint32_t now);
    void DetachIdle();
    void FireTimer();
    void FireActivate();
    void FireDeactivate();

    bool activeOnly_ = true;
    bool enabled_ = true;
    int32_t interval_ = 1000;
    bool started_ = false;
    bool attached_ = false;
    bool loading_ = true;
    bool applicationActive_;
    uint32_t lastTickTime_ = 0;  // the last tick, or the last attach
};

}  // namespace zorvane
