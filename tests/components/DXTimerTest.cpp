#include "components/DXTimer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

using zorvane::TDXTimer;

namespace {

// A timer on a clock the test moves by hand. The QTimer that wakes it is
// real, so ticks still arrive through Qt's event loop.
class DXTimerTest : public ::testing::Test {
  protected:
    DXTimerTest() { Make(); }

    void Make() {
        timer = std::make_unique<TDXTimer>(nullptr, [this] { return now; });
        timer->ApplicationStateChanged(Qt::ApplicationActive);  // whatever the platform said
        timer->OnTimer = [this] { ++ticks; };
        timer->OnActivate = [this] { events += 'A'; };
        timer->OnDeactivate = [this] { events += 'D'; };
    }

    QTimer* Wake() const { return timer->findChild<QTimer*>(); }

    // Moves the clock on, then lets Qt run until `count` ticks have come.
    bool AdvanceAndWait(uint32_t ms, int count) {
        now += ms;
        return QTest::qWaitFor([&] { return ticks >= count; }, 1000);
    }

    uint32_t now = 1000;
    std::unique_ptr<TDXTimer> timer;
    int ticks = 0;
    std::string events;
};

TEST_F(DXTimerTest, WakeIsScheduledForTheNextDueTick) {
    timer->SetInterval(600);
    EXPECT_FALSE(Wake()->isActive());  // nothing runs before the settings are loaded
    timer->Loaded();
    ASSERT_TRUE(Wake()->isActive());
    EXPECT_TRUE(Wake()->isSingleShot());
    EXPECT_EQ(Wake()->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(Wake()->interval(), 600);

    now = 1400;
    timer->SetInterval(500);  // the last tick stays: due 100 ms from now
    EXPECT_EQ(Wake()->interval(), 100);
    timer->SetEnabled(false);
    EXPECT_FALSE(Wake()->isActive());
    now = 5000;
    timer->SetEnabled(true);  // a full interval after re-enabling
    EXPECT_EQ(Wake()->interval(), 500);
    EXPECT_EQ(ticks, 0);
}

TEST_F(DXTimerTest, TicksComeAtTheIntervalOnceWhenLateAndWithoutPolling) {
    timer->SetInterval(10);
    timer->Loaded();
    ASSERT_TRUE(AdvanceAndWait(10, 1));
    ASSERT_TRUE(AdvanceAndWait(25, 2));  // a late wake: two whole intervals, one tick
    // With the clock standing still, wakes find nothing due and sleep a full
    // interval again rather than spinning.
    QTest::qWait(40);
    EXPECT_EQ(ticks, 2);
    EXPECT_TRUE(Wake()->isActive());
    EXPECT_EQ(Wake()->interval(), 10);
}

TEST_F(DXTimerTest, RealClockTicksNoEarlierThanTheInterval) {
    QElapsedTimer watch;
    watch.start();
    TDXTimer real;
    real.ApplicationStateChanged(Qt::ApplicationActive);
    real.SetInterval(20);
    bool ticked = false;
    real.OnTimer = [&] { ticked = true; };
    real.Loaded();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticked; }, 1000));
    EXPECT_GE(watch.elapsed(), 20);
}

TEST_F(DXTimerTest, ActivationStopsAndResumesTicks) {
    timer->SetInterval(10);
    timer->Loaded();
    timer->ApplicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(events, "D");
    EXPECT_FALSE(Wake()->isActive());
    now += 100;
    QTest::qWait(30);
    EXPECT_EQ(ticks, 0);

    // Qt's own notice reaches the timer too.
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(events, "DA");
    EXPECT_EQ(Wake()->interval(), 10);  // a full interval after coming back
    ASSERT_TRUE(AdvanceAndWait(10, 1));

    // Hidden is a deactivation too; without ActiveOnly the clock keeps going.
    timer->SetActiveOnly(false);
    timer->ApplicationStateChanged(Qt::ApplicationHidden);
    EXPECT_EQ(events, "DAD");
    EXPECT_TRUE(Wake()->isActive());
    ASSERT_TRUE(AdvanceAndWait(10, 2));
}

TEST_F(DXTimerTest, CallbacksMayChangeOrDeleteTheTimer) {
    timer->SetInterval(10);
    timer->OnTimer = [this] {
        ++ticks;
        timer->SetEnabled(false);
    };
    timer->Loaded();
    ASSERT_TRUE(AdvanceAndWait(10, 1));
    EXPECT_FALSE(timer->Enabled());
    EXPECT_FALSE(Wake()->isActive());

    timer->OnTimer = [this] {
        ++ticks;
        timer->SetInterval(30);
    };
    timer->SetEnabled(true);
    ASSERT_TRUE(AdvanceAndWait(10, 2));
    EXPECT_EQ(Wake()->interval(), 30);

    timer->OnTimer = [this] { timer.reset(); };
    now += 30;
    EXPECT_TRUE(QTest::qWaitFor([this] { return timer == nullptr; }, 1000));

    Make();
    timer->Loaded();
    timer->OnDeactivate = [this] { timer.reset(); };
    TDXTimer* const doomed = timer.get();
    doomed->ApplicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(timer, nullptr);
}

}  // namespace
