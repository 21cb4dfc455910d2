#include "platform/Clock.h"
#include "platform/Timer.h"

#include <gtest/gtest.h>

namespace {

TEST(ManualClock, RunsDueCallsInOrderOfDueTime) {
    ManualClock clock;
    Clock::install(&clock);
    std::vector<int> order;
    Timer late(QStringLiteral("late"), 30);
    Timer early(QStringLiteral("early"), 10);
    late.setAction([&] { order.push_back(30); });
    early.setAction([&] { order.push_back(10); });
    late.setMode(Timer::ModeSingle);
    early.setMode(Timer::ModeSingle);
    clock.advance(29);
    EXPECT_EQ(order, std::vector<int>{10});
    clock.advance(1);
    EXPECT_EQ(order, (std::vector<int>{10, 30}));
    EXPECT_EQ(late.mode(), Timer::ModeOff);
    Clock::install(nullptr);
}

TEST(Timer, MultipleModeRepeatsUntilSwitchedOffAndASingleTimerCanTurnItselfRepeating) {
    ManualClock clock;
    Clock::install(&clock);
    Timer t(QStringLiteral("t"), 3);
    int fired = 0;
    t.setAction([&] {
        if (++fired == 5)
            t.setMode(Timer::ModeOff);
        else
            t.setMode(Timer::ModeMultiple);
    });
    t.setMode(Timer::ModeSingle);
    clock.advance(100);
    EXPECT_EQ(fired, 5);
    EXPECT_EQ(clock.pending(), 0);
    const QDateTime start = clock.now();
    clock.advance(1500);
    EXPECT_EQ(start.msecsTo(clock.now()), 1500);
    Clock::install(nullptr);
}

} // namespace
