#include "components/DXTimerCore.h"

#include <algorithm>

namespace zorvane {

DXTimerCore::DXTimerCore(bool applicationActive) : applicationActive_(applicationActive) {}

void DXTimerCore::Loaded(uint32_t now) {
    if (!loading_) {
        return;
    }
    loading_ = false;
    if (enabled_) {
        StartTicking(now);
    }
}

void DXTimerCore::SetEnabled(bool value, uint32_t now) {
    if (value == enabled_) {
        return;
    }
    enabled_ = value;
    if (loading_) {
        return;
    }
    if (value) {
        StartTicking(now);
    } else {
        StopTicking();
    }
}

void DXTimerCore::SetInterval(int32_t value) {
    if (value == interval_) {
        return;
    }
    interval_ = std::max(value, 0);
}

void DXTimerCore::SetActiveOnly(bool value, uint32_t now) {
    if (value == activeOnly_) {
        return;
    }
    activeOnly_ = value;
    if (!started_) {
        return;
    }
    const bool wanted = !activeOnly_ || applicationActive_;
    if (wanted && !attached_) {
        AttachIdle(now);
    } else if (!wanted && attached_) {
        DetachIdle();
    }
}

void DXTimerCore::ApplicationActivated(uint32_t now) {
    if (applicationActive_) {
        return;
    }
    applicationActive_ = true;
    FireActivate();
    // Checked after the event: its handler may have stopped or started us.
    if (started_ && activeOnly_) {
        AttachIdle(now);
    }
}

void DXTimerCore::ApplicationDeactivated() {
    if (!applicationActive_) {
        return;
    }
    applicationActive_ = false;
    FireDeactivate();
    if (started_ && activeOnly_) {
        DetachIdle();
    }
}

bool DXTimerCore::IdleCheck(uint32_t now) {
    if (!attached_) {
        return false;
    }
    // Unsigned difference: correct across the clock's wrap-around.
    const uint32_t elapsed = now - lastTickTime_;
    if (elapsed < static_cast<uint32_t>(interval_)) {
        return false;
    }
    lastTickTime_ = now;
    // Last, so that the handler sees a consistent timer and may change it freely.
    FireTimer();
    return true;
}

std::optional<uint32_t> DXTimerCore::MillisecondsUntilDue(uint32_t now) const {
    if (!attached_) {
        return std::nullopt;
    }
    const uint32_t elapsed = now - lastTickTime_;
    const auto interval = static_cast<uint32_t>(interval_);
    return elapsed >= interval ? 0 : interval - elapsed;
}

void DXTimerCore::StartTicking(uint32_t now) {
    StopTicking();
    if (!activeOnly_ || applicationActive_) {
        AttachIdle(now);
    }
    started_ = true;
}

void DXTimerCore::StopTicking() {
    if (started_) {
        DetachIdle();
        started_ = false;
    }
}

void DXTimerCore::AttachIdle(uint32_t now) {
    lastTickTime_ = now;
    attached_ = true;
}

void DXTimerCore::DetachIdle() {
    attached_ = false;
}

// Each Fire* calls a copy, so a handler may reassign its own callback safely.
void DXTimerCore::FireTimer() {
    if (auto handler = OnTimer) {
        handler();
    }
}

void DXTimerCore::FireActivate() {
    if (auto handler = OnActivate) {
        handler();
    }
}

void DXTimerCore::FireDeactivate() {
    if (auto handler = OnDeactivate) {
        handler();
    }
}

}  // namespace zorvane
