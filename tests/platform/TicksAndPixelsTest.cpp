#include <gtest/gtest.h>

#include "platform/Pixels.h"
#include "platform/Ticks.h"

namespace xd {
namespace {

struct PixelCase {
    int dpi;
    int logical;
    int screen;
};

TEST(Pixels, LogicalToScreenRoundsHalvesToEven) {
    const PixelCase cases[] = {
        {144, 3, 4},    // 4.5
        {144, 5, 8},    // 7.5
        {144, 1, 2},    // 1.5
        {144, -3, -4},  // -4.5
        {144, -1, -2},  // -1.5
        {120, 2, 2},    // 2.5
        {96, 37, 37},
        {192, -7, -14},
        {0, 5, 5},  // unknown DPI: unchanged
    };
    for (const auto& c : cases) EXPECT_EQ(LogicalToScreen(c.logical, c.dpi), c.screen) << c.dpi << " " << c.logical;
}

TEST(Pixels, ScreenToLogicalRoundsHalvesToEven) {
    const PixelCase cases[] = {
        {192, 0, 1},    // 0.5
        {192, 2, 3},    // 1.5
        {192, -2, -3},  // -1.5
        {192, 2, 5},    // 2.5
        {144, 2, 3},
        {144, -3, -5},  // -3.33
        {120, 4, 5},
        {-1, 9, 9},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScreenToLogical(c.screen, c.dpi), c.logical) << c.dpi << " " << c.screen;
}

TEST(Ticks, DifferenceAcrossTheWrapIsTheElapsedTime) {
    EXPECT_EQ(TickDiff(0x00000010u, 0xFFFFFFF0u), 0x20u);
    EXPECT_EQ(TickDiff(5u, 5u), 0u);
    EXPECT_EQ(SignedTickDiff(0x00000010u, 0xFFFFFFF0u), 0x20);
    EXPECT_EQ(SignedTickDiff(0xFFFFFFF0u, 0x00000010u), -0x20);
    EXPECT_EQ(SignedTickDiff(100u, 900u), -800);
}

}  // namespace
}  // namespace xd
