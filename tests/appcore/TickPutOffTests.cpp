#include <cstdint>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "appcore/playback/TickPutOff.h"

namespace xd {
namespace {

TEST(StatusTickDelay, ATickDueJustBeforeAnActionWaitsUntilJustAfterIt) {
    constexpr std::int64_t now = 1'000'000;
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {0, 0},                    // no action yet
        {now + 25'001, 0},         // far enough ahead
        {now + 25'000, 30'000},    // the tick's work would reach into the action
        {now + 1'000, 6'000},
        {now, 5'000},              // due now: a foreground injection may still wait on the hooks
        {now - 4'999, 1},
        {now - 5'000, 0},          // over
        {now - 500'000, 0},
    };
    for (const auto& [next, delay] : cases) EXPECT_EQ(TickDelayMicros(now, next), delay) << next - now;
}

TEST(StatusTickDelay, ATickPutOffRunsWithinOnePeriodWhateverFollows) {
    // Actions every 20 ms: the tick waits past each one it would run into, but not past 100 ms in all;
    // the tick after that is put off afresh.
    constexpr std::int64_t base = 1'000'000;
    const auto nextAction = [](std::int64_t t) {  // the first at 10 ms that is not over
        std::int64_t a = base + 10'000;
        while (a + kResumeAfterActionMicros <= t) a += 20'000;
        return a;
    };
    TickPutOff putOff;
    std::int64_t t = base;
    std::vector<std::int64_t> waits;
    for (std::int64_t d = putOff.DelayMicros(t, nextAction(t)); d != 0; d = putOff.DelayMicros(t, nextAction(t))) {
        waits.push_back(d);
        t += d;
    }
    EXPECT_EQ(waits, (std::vector<std::int64_t>{15'000, 20'000, 20'000, 20'000, 20'000}));
    EXPECT_EQ(t, base + 95'000);  // runs here rather than 115 ms late
    EXPECT_EQ(putOff.DelayMicros(base + 193'000, base + 210'000), 22'000);
}

}  // namespace
}  // namespace xd
