#include "platform/SpinMargin.h"

#include <gtest/gtest.h>

namespace xd {
namespace {

void RecordMany(SpinMargin& m, std::size_t n, std::int64_t lateness) {
    for (std::size_t i = 0; i < n; ++i) m.Record(lateness);
}

TEST(SpinMargin, StaysWidestUntilEnoughWakeUpsAreKnown) {
    SpinMargin m;
    EXPECT_EQ(m.Micros(), SpinMargin::kMaxMicros);
    RecordMany(m, SpinMargin::kWarmUp - 1, 150);
    EXPECT_EQ(m.Micros(), SpinMargin::kMaxMicros);
    m.Record(150);
    EXPECT_EQ(m.Micros(), 150 + SpinMargin::kHeadroomMicros);
}

TEST(SpinMargin, FollowsThe99thPercentileWithinBounds) {
    SpinMargin m;
    // 127 wake-ups 200 µs late and one 900 µs late: the stray one is past the 99th percentile.
    RecordMany(m, SpinMargin::kWindow - 1, 200);
    m.Record(900);
    EXPECT_EQ(m.Micros(), 200 + SpinMargin::kHeadroomMicros);
    // A second one is not: two in 128 is more than one in a hundred.
    m.Record(900);
    EXPECT_EQ(m.Micros(), 900 + SpinMargin::kHeadroomMicros);

    SpinMargin onTime;
    RecordMany(onTime, SpinMargin::kWindow, -30);  // early counts as on time
    EXPECT_EQ(onTime.Micros(), SpinMargin::kMinMicros);
    SpinMargin busy;
    RecordMany(busy, SpinMargin::kWindow, 5000);
    EXPECT_EQ(busy.Micros(), SpinMargin::kMaxMicros);
}

TEST(SpinMargin, NarrowsAgainOnceLateWakeUpsLeaveTheWindow) {
    SpinMargin m;
    RecordMany(m, SpinMargin::kWindow, 3000);  // a busy spell
    EXPECT_EQ(m.Micros(), SpinMargin::kMaxMicros);
    RecordMany(m, SpinMargin::kWindow - 2, 120);
    EXPECT_EQ(m.Micros(), SpinMargin::kMaxMicros);  // two busy wake-ups still remembered
    m.Record(120);
    EXPECT_EQ(m.Micros(), 120 + SpinMargin::kHeadroomMicros);
}

}  // namespace
}  // namespace xd
