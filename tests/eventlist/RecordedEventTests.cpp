#include <gtest/gtest.h>

#include "eventlist/RecordedEvent.h"

namespace xd {
namespace {

RecordedEvent Event(std::int32_t message, std::int32_t keyFlags, int x, int y) {
    RecordedEvent e;
    e.message = message;
    e.keyFlags = keyFlags;
    e.x = x;
    e.y = y;
    return e;
}

TEST(RecordedEvent, DisplayTextNamesTheKindAndThePosition) {
    EXPECT_EQ(EventDisplayText(Event(0x201, 1, 100, 200)), "按下左键,100,200");
    EXPECT_EQ(EventDisplayText(Event(0x200, 0, -5, 7)), "移动,-5,7");
    EXPECT_EQ(EventDisplayText(Event(0x205, 0, 0, 0)), "释放右键,0,0");
    EXPECT_EQ(EventDisplayText(Event(0x208, 0, 1, 1)), "释放中键,1,1");
}

TEST(RecordedEvent, WheelDirectionFollowsTheSignOfTheDeltaInTheHighHalf) {
    EXPECT_EQ(EventDescription(0x20A, (120 << 16) | 8), "向前滚轮");
    EXPECT_EQ(EventDescription(0x20A, 0), "向前滚轮");
    EXPECT_EQ(EventDescription(0x20A, static_cast<std::int32_t>(0xFF880000u)), "向后滚轮");
    EXPECT_EQ(EventDescription(0x20E, static_cast<std::int32_t>(0xFF880000u)), "向左滚轮");
    EXPECT_EQ(EventDescription(0x20E, 120 << 16), "向右滚轮");
    EXPECT_EQ(WheelDelta(static_cast<std::int32_t>(0xFF880004u)), -120);
    EXPECT_EQ(EventDescription(0x203, 0), "");
}

}  // namespace
}  // namespace xd
