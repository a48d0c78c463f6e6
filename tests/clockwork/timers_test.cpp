// The timer model and the scheduler, in virtual time.
#include "clockwork/timers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zx {
namespace {

struct Recorder {
    Scheduler s;
    std::vector<std::pair<Millis, std::string>> ticks;
    void record(TimerId id, std::function<void()> extra = {}) {
        s.setHandler(id, [this, id, extra] {
            ticks.emplace_back(s.now(), std::string(timerName(id)));
            if (extra) extra();
        });
    }
    // Steps through every deadline up to t, as a punctual host would.
    void runUntil(Millis t) {
        while (auto d = s.nextDeadline()) {
            if (*d > t) break;
            s.advance_to(*d);
        }
        s.advance_to(t);
    }
};

TEST(Timers, CreatedDisabledWithOneMillisecond) {
    Scheduler s;
    for (int i = 0; i < kTimerCount; ++i) {
        EXPECT_FALSE(s[TimerId(i)].enabled());
        EXPECT_EQ(s[TimerId(i)].interval(), 1);
    }
    EXPECT_FALSE(s.nextDeadline());
}

TEST(Timers, FirstTickOneIntervalAfterEnablingThenPeriodic) {
    Recorder r;
    r.record(TimerId::Shot);
    r.s.advance_to(100);
    r.s[TimerId::Shot].setInterval(250);
    r.s[TimerId::Shot].setEnabled(true);
    r.runUntil(1100);
    ASSERT_EQ(r.ticks.size(), 4u);
    EXPECT_EQ(r.ticks[0].first, 350);
    EXPECT_EQ(r.ticks[3].first, 1100);
}

TEST(Timers, SettingSameValuesChangesNothing) {
    Recorder r;
    r.record(TimerId::Clock);
    Timer& t = r.s[TimerId::Clock];
    t.setInterval(1000);
    t.setEnabled(true);
    r.runUntil(700);
    t.setInterval(1000);  // same interval: no restart
    t.setEnabled(true);   // already enabled: no restart
    r.runUntil(1000);
    ASSERT_EQ(r.ticks.size(), 1u);
    EXPECT_EQ(r.ticks[0].first, 1000);
}

TEST(Timers, NewIntervalRestartsThePeriod) {
    Recorder r;
    r.record(TimerId::Enemy_Move);
    Timer& t = r.s[TimerId::Enemy_Move];
    t.setInterval(1000);
    t.setEnabled(true);
    r.runUntil(600);
    t.setInterval(500);
    r.runUntil(2200);
    ASSERT_EQ(r.ticks.size(), 3u);
    EXPECT_EQ(r.ticks[0].first, 1100);
    EXPECT_EQ(r.ticks[1].first, 1600);
    EXPECT_EQ(r.ticks[2].first, 2100);
}

TEST(Timers, DisableAndReenableStartsAFreshPeriod) {
    Recorder r;
    r.record(TimerId::Hit);
    Timer& t = r.s[TimerId::Hit];
    t.setInterval(300);
    t.setEnabled(true);
    r.runUntil(200);
    t.setEnabled(false);
    t.setEnabled(true);
    r.runUntil(600);
    ASSERT_EQ(r.ticks.size(), 1u);
    EXPECT_EQ(r.ticks[0].first, 500);
}

TEST(Timers, HandlerChangingItsOwnIntervalSetsTheNextTick) {
    Recorder r;
    Timer& t = r.s[TimerId::Clock];
    r.record(TimerId::Clock, [&] { t.setInterval(1000); });
    t.setEnabled(true);  // 1 ms
    r.runUntil(3001);
    ASSERT_EQ(r.ticks.size(), 4u);
    EXPECT_EQ(r.ticks[0].first, 1);
    EXPECT_EQ(r.ticks[1].first, 1001);
    EXPECT_EQ(r.ticks[3].first, 3001);
}

TEST(Timers, TimerDisabledByAnotherHandlerAtTheSameInstantDoesNotTick) {
    Recorder r;
    r.record(TimerId::Miss, [&] { r.s[TimerId::Bonus].setEnabled(false); });
    r.record(TimerId::Bonus);
    r.s[TimerId::Miss].setInterval(100);
    r.s[TimerId::Bonus].setInterval(100);
    r.s[TimerId::Miss].setEnabled(true);  // armed first: runs first at the tie
    r.s[TimerId::Bonus].setEnabled(true);
    r.s.advance_to(100);
    ASSERT_EQ(r.ticks.size(), 1u);
    EXPECT_EQ(r.ticks[0].second, "Timer_Miss");
}

TEST(Timers, TiesFireInArmingOrder) {
    Recorder r;
    r.record(TimerId::Shot);
    r.record(TimerId::Enemy_Helper);
    r.s[TimerId::Shot].setInterval(50);
    r.s[TimerId::Enemy_Helper].setInterval(50);
    r.s[TimerId::Enemy_Helper].setEnabled(true);
    r.s[TimerId::Shot].setEnabled(true);
    r.s.advance_to(50);
    ASSERT_EQ(r.ticks.size(), 2u);
    EXPECT_EQ(r.ticks[0].second, "Timer_Enemy_Helper");
    EXPECT_EQ(r.ticks[1].second, "Timer_Shot");
}

TEST(Timers, NoCatchUpBurstAfterAStall) {
    Recorder r;
    r.record(TimerId::Enemy_Attack);
    Timer& t = r.s[TimerId::Enemy_Attack];
    t.setInterval(100);
    t.setEnabled(true);
    r.s.advance_to(1050);  // the host stalled for ten periods
    ASSERT_EQ(r.ticks.size(), 1u);
    EXPECT_EQ(r.ticks[0].first, 100);
    EXPECT_EQ(t.deadline(), 1150);  // the period resumes from the late tick
    r.runUntil(1250);
    EXPECT_EQ(r.ticks.size(), 3u);
}

TEST(Timers, StepMachinesResumeAtTheirOwnPaceAfterAStall) {
    // A step machine that sets its next interval on every tick, like the
    // game's animations, and starts a second timer on its second step.
    Recorder r;
    Timer& miss = r.s[TimerId::Miss];
    Timer& move = r.s[TimerId::Enemy_Move];
    int step = 0;
    r.record(TimerId::Miss, [&] {
        ++step;
        miss.setInterval(step == 1 ? 480 : 700);
        if (step == 2) move.setEnabled(true);
        if (step == 3) miss.setEnabled(false);
    });
    r.record(TimerId::Enemy_Move);
    move.setInterval(320);
    miss.setEnabled(true);  // 1 ms
    r.s.advance_to(5000);   // stalled: the first tick is 4999 ms late
    ASSERT_EQ(r.ticks.size(), 1u);
    EXPECT_EQ(miss.deadline(), 5480);  // 480 ms from the present, not from 1 ms
    r.s.advance_to(9000);              // stalled again before the second step
    ASSERT_EQ(r.ticks.size(), 2u);
    EXPECT_EQ(miss.deadline(), 9700);
    EXPECT_EQ(move.deadline(), 9320);  // a timer it armed also counts from now
    r.runUntil(9700);
    const std::vector<std::pair<Millis, std::string>> after = {
        {9320, "Timer_Enemy_Move"}, {9640, "Timer_Enemy_Move"}, {9700, "Timer_Miss"}};
    EXPECT_EQ(std::vector(r.ticks.begin() + 2, r.ticks.end()), after);
}

TEST(Timers, IntervalsBelowAMillisecondAreRaisedToOne) {
    Recorder r;
    r.record(TimerId::Hit);
    for (int ms : {0, -5}) {
        r.s[TimerId::Hit].setInterval(ms);
        EXPECT_EQ(r.s[TimerId::Hit].interval(), 1);
    }
    r.s[TimerId::Hit].setEnabled(true);
    r.s.advance_to(10);  // would never return with a zero period
    EXPECT_EQ(r.ticks.size(), 1u);
}

TEST(Timers, SlightlyLateTicksKeepTheirPhase) {
    Recorder r;
    r.record(TimerId::Date);
    Timer& t = r.s[TimerId::Date];
    t.setInterval(100);
    t.setEnabled(true);
    r.s.advance_to(103);
    EXPECT_EQ(t.deadline(), 200);
}

TEST(Timers, HostIsToldWhenTheEarliestDeadlineMoves) {
    Scheduler s;
    int calls = 0;
    s.setOnReschedule([&] { ++calls; });
    s[TimerId::Startup].setInterval(30000);
    EXPECT_EQ(calls, 0);  // disabled: nothing to aim at
    s[TimerId::Startup].setEnabled(true);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(s.nextDeadline(), 30000);
    s.advance_to(10);
    EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace zx
