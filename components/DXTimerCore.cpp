#include "components/DXTimerCore.h"

#include <algorithm>
#include <limits>

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
    intervalDivisor_ = std::max(value, 1);
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
    // With divisor 1 a gap of over 24 days would not fit the event's int32.
    const uint32_t lag = std::clamp<uint32_t>(elapsed / static_cast<uint32_t>(intervalDivisor_), 1,
                                              std::numeric_limits<int32_t>::max());
    lastTickTime_ = now;

    if (rateTickCount_ < std::numeric_limits<int32_t>::max()) {
        ++rateTickCount_;
    }
    const uint32_t windowLength = std::max<uint32_t>(now - rateWindowStart_, 1);
    if (windowLength >= 1000) {
        // 64-bit so that a fast Interval 0 clock cannot overflow the product.
        const uint64_t scaled = static_cast<uint64_t>(rateTickCount_) * 1000 + windowLength / 2;
        ticksPerSecond_ = static_cast<int32_t>(scaled / windowLength);
        rateTickCount_ = 0;
        rateWindowStart_ = now;
    }

    // Last, so that the handler sees a consistent timer and may change it freely.
    FireTimer(static_cast<int32_t>(lag));
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
    rateWindowStart_ = now;
    attached_ = true;
}

void DXTimerCore::DetachIdle() {
    attached_ = false;
}

// Each Fire* calls a copy, so a handler may reassign its own callback safely.
void DXTimerCore::FireTimer(int32_t lagCount) {
    if (auto handler = OnTimer) {
        handler(lagCount);
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
