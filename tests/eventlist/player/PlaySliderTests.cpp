#include <gtest/gtest.h>

#include "eventlist/player/EventPlayback.h"
#include "eventlist/PlaySliders.h"

namespace xd::test {
namespace {

TEST(PlaySliders, RepeatLabelSaysEndlessForZeroAndTheCountOtherwise) {
    EXPECT_EQ(EventRepeatLabel(0), "回放次数：无限");
    EXPECT_EQ(EventRepeatLabel(1), "回放次数：1次");
    EXPECT_EQ(EventRepeatLabel(1000), "回放次数：1000次");
}

TEST(PlaySliders, SpeedLabelShowsTheFactorInItsShortestDecimalForm) {
    EXPECT_EQ(EventSpeedLabel(0), "回放速度：正常");
    EXPECT_EQ(EventSpeedLabel(5), "回放速度：1.5倍");
    EXPECT_EQ(EventSpeedLabel(10), "回放速度：2倍");
    EXPECT_EQ(EventSpeedLabel(29), "回放速度：3.9倍");
    EXPECT_EQ(EventSpeedLabel(30), "回放速度：4倍");
    EXPECT_EQ(EventSpeedLabel(200), "回放速度：174倍");
}

TEST(PlaySliders, WaitsAreTheDelayDividedByTheFactorRoundedToNearest) {
    EXPECT_EQ(EventWaitMs(30, 10), 15);   // factor 2
    EXPECT_EQ(EventWaitMs(700, 40), 50);  // factor 14
    EXPECT_EQ(EventWaitMs(700, 0), 700);
    EXPECT_EQ(EventWaitMs(100, 5), 67);  // 66.67
    EXPECT_EQ(EventWaitMs(5, 10), 2);    // 2.5: halves to even
    EXPECT_EQ(EventWaitMs(0, 10), 0);
    EXPECT_EQ(EventWaitMs(-40, 0), 1);  // a negative delay waits 1 ms
}

TEST(PlaySliders, PositionsOutsideTheSlidersAreClampedNotDividedByZero) {
    EXPECT_EQ(EventWaitMs(100, -10), 100);
    EXPECT_EQ(EventWaitMs(1740, 5000), 10);
    EXPECT_EQ(EventSpeedLabel(-3), "回放速度：正常");
    EXPECT_EQ(EventRepeatLabel(-1), "回放次数：无限");
}

TEST(PlaySliders, PlayingStatusNamesRunLineHotkeyAndArrowFrame) {
    EXPECT_EQ(EventPlayingStatusText(2, 4, 9, 113, 2), "回放中..第2次:5/9，按【F2】或 Esc 键停止.↗");
    EXPECT_EQ(EventPlayingStatusText(1, 0, 1, 123, 7), "回放中..第1次:1/1，按【F12】或 Esc 键停止.←");
    EXPECT_EQ(EventPlayingStatusText(1, 0, 1, 112, 8), "回放中..第1次:1/1，按【F1】或 Esc 键停止.↖");
}

}  // namespace
}  // namespace xd::test
