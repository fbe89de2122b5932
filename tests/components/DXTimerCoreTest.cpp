#include "components/DXTimerCore.h"

#include <gtest/gtest.h>

#include <string>

using zorvane::DXTimerCore;

namespace {

// A loaded, active, ticking timer with the game's interval, started at `start`.
class TimerTest : public ::testing::Test {
  protected:
    void StartAt(uint32_t start, int32_t interval = 600) {
        timer.SetInterval(interval);
        timer.OnTimer = [this] { ++ticks; };
        timer.OnActivate = [this] { events.push_back('A'); };
        timer.OnDeactivate = [this] { events.push_back('D'); };
        timer.Loaded(start);
    }

    DXTimerCore timer;
    int ticks = 0;
    std::string events;
};

TEST_F(TimerTest, TickRuleAndNoCatchingUp) {
    StartAt(1000);
    EXPECT_FALSE(timer.IdleCheck(1599));
    EXPECT_TRUE(timer.IdleCheck(2450));  // 1450 ms late: one tick for two intervals
    EXPECT_EQ(ticks, 1);
    // The next period starts at the late tick; the missed ones are not replayed.
    EXPECT_FALSE(timer.IdleCheck(3049));
    EXPECT_TRUE(timer.IdleCheck(3050));
    EXPECT_TRUE(timer.IdleCheck(13050));
    EXPECT_FALSE(timer.IdleCheck(13050));
    EXPECT_EQ(ticks, 3);
}

TEST_F(TimerTest, IntervalZeroTicksOnEveryCheck) {
    StartAt(50, -5);
    EXPECT_EQ(timer.MillisecondsUntilDue(50), 0u);
    EXPECT_TRUE(timer.IdleCheck(50));
    EXPECT_TRUE(timer.IdleCheck(50));
    EXPECT_TRUE(timer.IdleCheck(57));
    EXPECT_EQ(ticks, 3);
}

TEST_F(TimerTest, ClockWrapAroundIsHarmless) {
    const uint32_t start = 0xFFFFFF00u;
    StartAt(start);
    EXPECT_EQ(timer.MillisecondsUntilDue(start), 600u);  // due at 0x158, after wrapping
    EXPECT_EQ(timer.MillisecondsUntilDue(0x10), 600u - 0x110u);
    EXPECT_FALSE(timer.IdleCheck(0x10));
    EXPECT_TRUE(timer.IdleCheck(start + 1300u));
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, LoadingEnablingAndInterval) {
    DXTimerCore fresh;
    EXPECT_FALSE(fresh.MillisecondsUntilDue(0).has_value());
    fresh.SetEnabled(false, 0);
    fresh.SetEnabled(true, 0);
    EXPECT_FALSE(fresh.MillisecondsUntilDue(0).has_value());  // still loading
    EXPECT_FALSE(fresh.IdleCheck(5000));
    fresh.SetEnabled(false, 0);
    fresh.Loaded(0);
    EXPECT_FALSE(fresh.MillisecondsUntilDue(0).has_value());
    EXPECT_FALSE(fresh.IdleCheck(5000));

    StartAt(0);
    ASSERT_EQ(timer.MillisecondsUntilDue(0), 600u);
    timer.SetEnabled(false, 300);
    // Stopped, not merely detached: coming back to the program does not
    // start it again.
    timer.ApplicationDeactivated();
    timer.ApplicationActivated(400);
    EXPECT_FALSE(timer.MillisecondsUntilDue(400).has_value());
    EXPECT_FALSE(timer.IdleCheck(5000));
    timer.SetEnabled(true, 5000);
    EXPECT_FALSE(timer.IdleCheck(5599));
    EXPECT_TRUE(timer.IdleCheck(5600));

    // A new interval counts from the last tick, not from the change.
    timer.SetInterval(200);
    EXPECT_EQ(timer.MillisecondsUntilDue(5700), 100u);
    EXPECT_TRUE(timer.IdleCheck(5800));
    EXPECT_EQ(ticks, 2);
}

TEST_F(TimerTest, ActivationWithActiveOnly) {
    StartAt(0);
    timer.ApplicationDeactivated();
    EXPECT_EQ(events, "D");
    EXPECT_FALSE(timer.MillisecondsUntilDue(9000).has_value());
    EXPECT_FALSE(timer.IdleCheck(9000));
    timer.ApplicationDeactivated();  // repeated report: no second event
    timer.ApplicationActivated(9000);
    EXPECT_EQ(events, "DA");
    EXPECT_FALSE(timer.IdleCheck(9599));
    EXPECT_TRUE(timer.IdleCheck(9600));
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, ARepeatedActivationNeitherNotifiesNorPostponesTheTick) {
    StartAt(0);
    timer.ApplicationActivated(500);
    timer.ApplicationActivated(590);
    EXPECT_EQ(events, "");
    EXPECT_EQ(timer.MillisecondsUntilDue(590), 10u);
    EXPECT_TRUE(timer.IdleCheck(600));
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, ActivationWithoutActiveOnlyAndChangingIt) {
    timer.SetActiveOnly(false, 0);
    StartAt(0);
    timer.ApplicationDeactivated();
    EXPECT_EQ(events, "D");
    EXPECT_TRUE(timer.IdleCheck(600));

    timer.SetActiveOnly(true, 700);  // inactive now: detaches
    EXPECT_FALSE(timer.MillisecondsUntilDue(700).has_value());
    timer.SetActiveOnly(false, 1000);  // attaches a full interval from the change
    EXPECT_FALSE(timer.IdleCheck(1599));
    EXPECT_TRUE(timer.IdleCheck(1600));

    // Started while inactive: waits for activation.
    DXTimerCore background(false);
    background.Loaded(0);
    EXPECT_FALSE(background.MillisecondsUntilDue(0).has_value());
    background.ApplicationActivated(40);
    EXPECT_EQ(background.MillisecondsUntilDue(40), 1000u);
}

TEST_F(TimerTest, HandlerMayStopOrRestartTheTimer) {
    StartAt(0);
    timer.OnTimer = [this] {
        ++ticks;
        timer.SetEnabled(false, 600);
    };
    EXPECT_TRUE(timer.IdleCheck(600));
    EXPECT_FALSE(timer.IdleCheck(5000));
    EXPECT_EQ(ticks, 1);

    // Stop and start inside the tick, as the game does around its dialogs.
    timer.SetEnabled(true, 5000);
    timer.OnTimer = [this] {
        timer.SetEnabled(false, 6000);
        timer.SetInterval(100);
        timer.SetEnabled(true, 6500);
        timer.OnTimer = nullptr;
    };
    EXPECT_TRUE(timer.IdleCheck(6000));
    EXPECT_EQ(timer.MillisecondsUntilDue(6550), 50u);  // a full interval from the restart
    EXPECT_EQ(timer.MillisecondsUntilDue(7000), 0u);
}

}  // namespace
