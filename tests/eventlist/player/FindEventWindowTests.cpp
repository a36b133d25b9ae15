#include <gtest/gtest.h>

#include "eventlist/player/DoubleClick.h"
#include "eventlist/player/FindEventWindow.h"
#include "platform/sim/SimPlatform.h"

namespace xd::test {
namespace {

class FindEventWindowTest : public ::testing::Test {
protected:
    WindowHandle Add(WindowHandle parent, const std::string& title = "", const std::string& className = "") {
        sim::WindowSpec spec;
        spec.parent = parent;
        spec.title = title;
        spec.className = className;
        return sim.desktop.AddWindow(spec);
    }
    RecordedEvent Recorded(const std::string& title, const std::string& className, std::string path = "") {
        RecordedEvent e;
        e.windowTitle = sim.codePage.Utf8ToAnsi(title) + std::string(2, '\0');
        e.windowClass = sim.codePage.Utf8ToAnsi(className) + std::string(2, '\0');
        e.childPath = std::move(path);
        return e;
    }
    WindowSearch Search() { return WindowSearch{sim.desktop, sim.boxes, sim.codePage}; }

    sim::SimPlatform sim;
    AbortState abort = AbortState::None;
};

TEST_F(FindEventWindowTest, ChildPathOneThreeReachesTheThirdChildOfTheFirstChild) {
    const WindowHandle top = Add(kNoWindow, "记事本", "Notepad");
    const WindowHandle first = Add(top);
    Add(top);
    Add(first);
    Add(first);
    const WindowHandle third = Add(first);
    EXPECT_EQ(FindEventWindow(Search(), Recorded("记事本", "Notepad", "\x01\x03"), abort), third);
    EXPECT_EQ(FindEventWindow(Search(), Recorded("记事本", "Notepad", ""), abort), top);
    // A zero byte ends the walk (a path read as the string table's last entry).
    EXPECT_EQ(FindEventWindow(Search(), Recorded("记事本", "Notepad", std::string("\x01\0\x03", 3)), abort), first);
    // No fourth child, no child below the second: nothing, silently.
    EXPECT_EQ(FindEventWindow(Search(), Recorded("记事本", "Notepad", "\x01\x04"), abort), kNoWindow);
    EXPECT_EQ(FindEventWindow(Search(), Recorded("记事本", "Notepad", "\x02\x01"), abort), kNoWindow);
    EXPECT_EQ(sim.boxes.Count(), 0u);
}

TEST_F(FindEventWindowTest, TitleAndClassAreMatchedAsTheirTextWithoutTheStoredZeroBytes) {
    const WindowHandle other = Add(kNoWindow, "记事本", "Other");
    const WindowHandle top = Add(kNoWindow, "记事本", "Notepad");
    EXPECT_EQ(FindEventWindow(Search(), Recorded("记事本", "Notepad"), abort), top);
    EXPECT_EQ(FindEventWindow(Search(), Recorded("记事本", "Other"), abort), other);
    EXPECT_EQ(sim.boxes.Count(), 0u);
}

// "✓" is not in the code page: the title was stored as "完成 ? 清单", which names no
// window when converted back. The windows' own titles, converted the same way, do.
TEST_F(FindEventWindowTest, TitleWithCharactersTheCodePageLacksIsFoundByItsStoredBytes) {
    const WindowHandle other = Add(kNoWindow, "完成 ✓ 清单", "Other");
    const WindowHandle top = Add(kNoWindow, "完成 ✓ 清单", "Notepad");
    const WindowHandle child = Add(top);
    ASSERT_EQ(sim.codePage.Utf8ToAnsi("完成 ✓ 清单"), sim.codePage.Utf8ToAnsi("完成 ? 清单"));
    EXPECT_EQ(FindEventWindow(Search(), Recorded("完成 ✓ 清单", "Notepad", "\x01"), abort), child);
    EXPECT_EQ(FindEventWindow(Search(), Recorded("完成 ✓ 清单", "Other"), abort), other);
    EXPECT_EQ(sim.boxes.Count(), 0u);

    // The class must match too.
    sim.boxes.QueueAnswer(id::kIgnore);
    EXPECT_EQ(FindEventWindow(Search(), Recorded("完成 ✓ 清单", "Frame"), abort), kNoWindow);
    EXPECT_EQ(sim.boxes.Count(), 1u);
}

TEST_F(FindEventWindowTest, MissingWindowAsksAbortRetryIgnoreWithTheRecordedNames) {
    sim.boxes.QueueAnswer(id::kAbort);
    EXPECT_EQ(FindEventWindow(Search(), Recorded("计算器", "CalcFrame"), abort), kNoWindow);
    EXPECT_EQ(abort, AbortState::Aborted);
    const auto boxes = sim.boxes.Shown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "无法找到录制时的目标软件窗口\r\n窗口名：计算器\r\n类名　：CalcFrame\r\n【中止】结束本次操作\r\n"
              "【重试】开启目标软件后点这里再试试\r\n【忽略】忽略它，后面全部不提示。\r\n请选择？");
    EXPECT_EQ(boxes[0].caption, "迅点小侠");
    EXPECT_EQ(boxes[0].flags, 0x22u);  // Abort/Retry/Ignore, question icon
    // Aborted: no more questions.
    EXPECT_EQ(FindEventWindow(Search(), Recorded("别的", "X"), abort), kNoWindow);
    EXPECT_EQ(sim.boxes.Count(), 1u);
}

TEST_F(FindEventWindowTest, IgnoreStopsAskingAndRetryLooksAgain) {
    sim.boxes.QueueAnswer(id::kIgnore);
    EXPECT_EQ(FindEventWindow(Search(), Recorded("计算器", "CalcFrame"), abort), kNoWindow);
    EXPECT_EQ(abort, AbortState::IgnoreAll);
    EXPECT_EQ(FindEventWindow(Search(), Recorded("画图", "MSPaint"), abort), kNoWindow);
    EXPECT_EQ(sim.boxes.Count(), 1u);

    abort = AbortState::None;
    WindowHandle started = kNoWindow;
    sim.boxes.SetResponder([&](const sim::MessageBoxRecord&) -> std::optional<int> {
        if (started == kNoWindow) started = Add(kNoWindow, "计算器", "CalcFrame");
        return id::kRetry;
    });
    EXPECT_EQ(FindEventWindow(Search(), Recorded("计算器", "CalcFrame"), abort), started);
    EXPECT_EQ(abort, AbortState::None);
    EXPECT_EQ(sim.boxes.Count(), 2u);
}

RecordedEvent At(std::int32_t message, int x, int y, std::int32_t delayMs) {
    RecordedEvent e;
    e.message = message;
    e.x = x;
    e.y = y;
    e.delayMs = delayMs;
    return e;
}

TEST(DoubleClick, ASecondDownWithinTimeAndRectangleCompletesOne) {
    const DoubleClickMetrics metrics{500, Point{4, 4}};
    std::vector<RecordedEvent> events{At(evmsg::kLeftDown, 10, 10, 100), At(evmsg::kLeftUp, 10, 10, 100),
                                      At(evmsg::kLeftDown, 14, 6, 0)};
    EXPECT_TRUE(CompletesDoubleClick(events, 2, metrics));
    EXPECT_FALSE(CompletesDoubleClick(events, 0, metrics));
    EXPECT_FALSE(CompletesDoubleClick(events, 1, metrics));  // k ≤ 1
    EXPECT_FALSE(CompletesDoubleClick(events, 3, metrics));  // out of range

    events[2].x = 15;  // one pixel outside the rectangle
    EXPECT_FALSE(CompletesDoubleClick(events, 2, metrics));
    events[2].x = 10;
    events[0].delayMs = 401;  // 501 ms in all
    EXPECT_FALSE(CompletesDoubleClick(events, 2, metrics));
    events[0].delayMs = 400;  // exactly the double-click time
    EXPECT_TRUE(CompletesDoubleClick(events, 2, metrics));
}

TEST(DoubleClick, TheWalkStopsAtTheTimeLimitBeforeReachingAnEarlierDown) {
    const DoubleClickMetrics metrics{500, Point{4, 4}};
    // Two long moves in between: the limit is passed before the first down is met.
    std::vector<RecordedEvent> events{At(evmsg::kRightDown, 10, 10, 10), At(evmsg::kMove, 10, 10, 300),
                                      At(evmsg::kMove, 10, 10, 300), At(evmsg::kRightDown, 10, 10, 0)};
    EXPECT_FALSE(CompletesDoubleClick(events, 3, metrics));
    events[1].delayMs = 100;
    EXPECT_TRUE(CompletesDoubleClick(events, 3, metrics));
    // A huge untrusted delay does not overflow into a pass.
    events[1].delayMs = 0x7FFFFFFF;
    events[2].delayMs = 0x7FFFFFFF;
    EXPECT_FALSE(CompletesDoubleClick(events, 3, metrics));
}

}  // namespace
}  // namespace xd::test
