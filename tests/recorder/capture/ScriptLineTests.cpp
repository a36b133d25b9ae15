#include <gtest/gtest.h>

#include "platform/sim/SimPlatform.h"
#include "recorder/capture/Gesture.h"
#include "recorder/capture/MouseEventQueue.h"
#include "recorder/capture/TargetWindowLine.h"

namespace xd {
namespace {

class TargetWindowLineTest : public ::testing::Test {
protected:
    WindowHandle Add(WindowHandle parent, const std::string& title, const std::string& className) {
        sim::WindowSpec spec;
        spec.parent = parent;
        spec.title = title;
        spec.className = className;
        return sim.desktop.AddWindow(spec);
    }
    sim::SimPlatform sim;
};

TEST_F(TargetWindowLineTest, NamesTheTopLevelWindowAndThePathDown) {
    const WindowHandle dialog = Add(kNoWindow, "设置", "#32770");
    const WindowHandle panel1 = Add(dialog, "", "Panel");
    const WindowHandle panel2 = Add(dialog, "", "Panel");
    Add(panel2, "OK", "Button");
    Add(panel2, "Cancel", "Button");
    const WindowHandle apply = Add(panel2, "Apply", "Button");
    const WindowHandle untitled = Add(kNoWindow, "", "Frame");
    const WindowHandle quoted = Add(kNoWindow, "say \"hi\"", "Q\"Class");
    const WindowHandle twoLines = Add(kNoWindow, "第一行\r\n第二行\r", "A\nB");
    const WindowHandle gone = Add(kNoWindow, "Gone", "Gone");
    ASSERT_TRUE(sim.desktop.DestroyWindow(gone));

    struct Case {
        WindowHandle window;
        const char* line;
    } cases[] = {
        {apply, "目标窗口(\"设置\",\"#32770\",\"2,3\")"},
        {panel1, "目标窗口(\"设置\",\"#32770\",\"1\")"},
        {dialog, "目标窗口(\"设置\",\"#32770\",\"0\")"},
        {untitled, "目标窗口(\"\",\"Frame\",\"0\")"},
        {quoted, "目标窗口(\"say \"\"hi\"\"\",\"Q\"\"Class\",\"0\")"},
        {twoLines, "目标窗口(\"第一行  第二行 \",\"A B\",\"0\")"},  // the line stays one line
        {gone, "目标窗口(\"\",\"\",\"0\")"},
    };
    for (const Case& c : cases) EXPECT_EQ(BuildTargetWindowLine(sim.desktop, c.window), c.line) << c.line;
}

TEST(GestureMergeTest, OnlySameDeltaNearTheFirstNotchMerges) {
    const Gesture wheel{GestureKind::Wheel, 0, 120, {100, 100}, {}, 2, 0, 0};
    EXPECT_TRUE(MergesInto(wheel, {TokenKind::Wheel, 0, 120}, {104, 96}));
    EXPECT_FALSE(MergesInto(wheel, {TokenKind::Wheel, 0, 120}, {105, 100}));
    EXPECT_FALSE(MergesInto(wheel, {TokenKind::Wheel, 0, 12}, {100, 100}));  // not a text prefix match
    EXPECT_FALSE(MergesInto(wheel, {TokenKind::Wheel, 0, -120}, {100, 100}));
    const Gesture drag{GestureKind::Drag, 1, 0, {100, 100}, {200, 200}, 0, 10, 0};
    EXPECT_FALSE(MergesInto(drag, {TokenKind::Drag, 1, 0}, {100, 100}));
}

TEST(MouseEventQueueTest, GrowsWithoutReorderingAndCountsWhatItRefuses) {
    MouseEventQueue queue(2, 4);
    for (std::uint32_t i = 0; i < 6; ++i) {
        if (i == 1) {
            ASSERT_TRUE(queue.TryPop());  // wrap the ring before it grows
        }
        EXPECT_EQ(queue.Push(CapturedMouseEvent{.time = i}), i < 5) << i;
    }
    EXPECT_EQ(queue.Lost(), 1u);
    for (std::uint32_t i = 1; i < 5; ++i) EXPECT_EQ(std::get<CapturedMouseEvent>(*queue.TryPop()).time, i);
    EXPECT_FALSE(queue.TryPop());
}

}  // namespace
}  // namespace xd
