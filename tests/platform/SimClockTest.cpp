#include "platform/sim/SimClock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/Ticks.h"

namespace xd::sim {
namespace {

TEST(SimClock, TickCountWrapsAndDifferencesStayCorrect) {
    SimClock clock(0xFFFFFFF0u);
    std::uint32_t before = clock.TickCount();
    clock.Advance(0x20);
    std::uint32_t after = clock.TickCount();
    EXPECT_EQ(after, 0x10u);
    EXPECT_EQ(TickDiff(after, before), 0x20u);
    EXPECT_EQ(clock.MonotonicMicros(), 0x20 * 1000);
}

TEST(SimClock, SleepAdvancesAllClocksTogether) {
    SimClock clock(100, 5000);
    clock.Sleep(800);
    EXPECT_EQ(clock.TickCount(), 900u);
    EXPECT_EQ(clock.MultimediaTime(), 5800u);
    EXPECT_EQ(clock.MonotonicMicros(), 800'000);
}

TEST(SimClock, SleepUntilReachesDeadlineButNeverGoesBack) {
    SimClock clock;
    clock.SleepUntil(1'500);
    EXPECT_EQ(clock.MonotonicMicros(), 1'500);
    clock.SleepUntil(1'000);  // already past
    EXPECT_EQ(clock.MonotonicMicros(), 1'500);
    clock.AdvanceMicros(-5'000);
    EXPECT_EQ(clock.MonotonicMicros(), 1'500);
    ASSERT_EQ(clock.Sleeps().size(), 2u);
    EXPECT_EQ(clock.Sleeps()[1].fromMicros, clock.Sleeps()[1].toMicros);
}

TEST(SimClock, SubMillisecondStepsAccumulateIntoTicks) {
    SimClock clock;
    for (int i = 0; i < 4; ++i) clock.AdvanceMicros(250);
    EXPECT_EQ(clock.TickCount(), 1u);
}

TEST(SimClock, CoarseTickGranularityStepsLikeTheRealCounter) {
    SimClock clock;
    clock.SetTickGranularity(16);
    clock.Advance(15);
    EXPECT_EQ(clock.TickCount(), 0u);
    clock.Advance(1);
    EXPECT_EQ(clock.TickCount(), 16u);
    EXPECT_EQ(clock.MultimediaTime(), 16u);
    clock.Advance(7);
    clock.SetTickCount(0xFFFFFFFFu);
    EXPECT_EQ(clock.TickCount(), 0xFFFFFFFFu);
    clock.Advance(16);
    EXPECT_EQ(clock.TickCount(), 15u);
}

TEST(SimClock, SleepHookCanStopARunnerAfterSomeSleeps) {
    SimClock clock;
    std::atomic<bool> stop{false};
    clock.SetSleepHook([&](const SleepRecord&) {
        if (clock.SleepCount() >= 3) stop = true;
    });
    int loops = 0;
    while (!stop && loops < 100) {
        clock.Sleep(10);
        ++loops;
    }
    EXPECT_EQ(loops, 3);
    EXPECT_EQ(clock.TickCount(), 30u);
}

TEST(SimClock, RunnerThreadSleepsWhileTestThreadReads) {
    SimClock clock(0xFFFFFF00u);
    std::thread runner([&] {
        for (int i = 0; i < 1000; ++i) clock.Sleep(1);
    });
    std::int64_t last = 0;
    for (int i = 0; i < 1000; ++i) {
        std::int64_t now = clock.MonotonicMicros();
        EXPECT_GE(now, last);
        last = now;
    }
    runner.join();
    EXPECT_EQ(clock.TickCount(), 0xFFFFFF00u + 1000u);
    EXPECT_EQ(clock.SleepCount(), 1000u);
}

}  // namespace
}  // namespace xd::sim
