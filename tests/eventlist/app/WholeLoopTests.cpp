// The whole loop as the user goes through it: record on another program's
// nested window, edit the list, save and reopen, play in both modes, lose the
// window mid-playback and stop with Esc; all on the simulated desktop in virtual time.
#include <algorithm>

#include "eventlist/recording/LineDrawing.h"
#include "tests/eventlist/app/EventAppFixture.h"

namespace xd::test {
namespace {

class WholeLoopTest : public EventAppTest {
protected:
    // The user's gestures, with the pauses between them.
    void Record() {
        OnRecordCommand(context);
        sim.user.MoveTo(Point{300, 115});  // the title bar: no event before the first click
        sim.clock.Advance(200);
        sim.user.Click(sim::SimButton::Left);
        sim.clock.Advance(300);
        sim.user.MoveTo(Point{400, 170});  // the nested button
        sim.clock.Advance(100);
        sim.user.Press(sim::SimButton::Left);
        sim.clock.Advance(80);
        sim.user.Release(sim::SimButton::Left);
        sim.clock.Advance(500);
        sim.user.MoveTo(Point{150, 200});  // a drag in the left pane
        sim.clock.Advance(100);
        sim.user.Press(sim::SimButton::Left);
        sim.clock.Advance(50);
        sim.user.MoveTo(Point{170, 210});
        sim.clock.Advance(50);
        sim.user.MoveTo(Point{200, 220});
        sim.clock.Advance(50);
        sim.user.Release(sim::SimButton::Left);
        sim.clock.Advance(300);
        sim.user.Wheel(120);  // two notches where the drag ended
        sim.clock.Advance(100);
        sim.user.Wheel(120);
        sim.clock.Advance(400);
        sim.user.MoveTo(Point{420, 180});  // a right double click on the button
        sim.clock.Advance(100);
        sim.user.Click(sim::SimButton::Right);
        sim.clock.Advance(150);
        sim.user.Click(sim::SimButton::Right);
        sim.clock.Advance(1000);
        sim.user.Key(114);  // F3: the hook posts the toggle to the main window
        PumpMainWindow();
    }
};

// One posted message as the test expects it, at a virtual time from the start.
struct Posted {
    WindowHandle window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    std::int64_t atMs;
    friend bool operator==(const Posted&, const Posted&) = default;
};

std::vector<Posted> PostedSince(const sim::SimDesktop& desktop, std::vector<WindowHandle> windows,
                                std::int64_t startMicros) {
    std::vector<Posted> out;
    std::vector<sim::MessageRecord> all;
    for (const WindowHandle w : windows)
        for (const auto& m : desktop.MessagesTo(w))
            if (!m.sent && m.micros >= startMicros) all.push_back(m);
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.micros < b.micros; });
    for (const auto& m : all)
        out.push_back(Posted{m.window, m.message, m.wParam, m.lParam, (m.micros - startMicros) / 1000});
    return out;
}

TEST_F(WholeLoopTest, RecordEditSaveReopenAndPlay) {
    // The start animation has tests of its own; without it every time below is exact.
    model.options.moveToStart = false;
    OnEventOptionsChanged(context);

    // --- record ------------------------------------------------------------------
    Record();
    EXPECT_FALSE(context.Recording());
    ASSERT_EQ(model.document.events.size(), 17u);
    const std::vector<std::pair<std::string, std::uint32_t>> shown{
        {"1：单击左键_300,115", 0xFF0000}, {"2：移动,400,170", 0},        {"3：单击左键_400,170", 0xFF0000},
        {"4：移动,150,200", 0},            {"5：左键拖动_4", 0xB400B0},  {"6：上下滚轮_2", 0x5FA0FF},
        {"7：移动,420,180", 0},            {"8：单击右键_420,180", 0xFF6200}, {"9：单击右键_420,180", 0xFF6200}};
    ASSERT_EQ(model.groups.lines.size(), shown.size());
    EXPECT_EQ(listView.items, 9);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const LineDrawFacts f = DrawEventLine(model.groups.lines[i], model.document.events, false);
        EXPECT_EQ(f.text, shown[i].first) << i;
        EXPECT_EQ(f.colour, shown[i].second) << i;
    }
    const RecordedEvent& onButton = model.document.events[3];
    EXPECT_EQ(onButton.window, button);
    EXPECT_EQ(onButton.childPath.size(), 2u);  // the right pane, then the button in it
    EXPECT_EQ(onButton.windowTitle, sim.codePage.Utf8ToAnsi("记事本") + std::string(2, '\0'));
    EXPECT_TRUE(documentView.saveEnabled);
    EXPECT_EQ(documentView.caption, "新脚本 *");

    // --- edit: open the wheel group, its second notch turns backward and waits 250 ms
    OnListDoubleClick(context, 5);
    ASSERT_EQ(listView.items, 11);
    listView.Select(7);
    OnListSelectionChanged(context);
    ASSERT_TRUE(listView.detailsShown);
    EXPECT_EQ(listView.details.kindOption, static_cast<int>(EventKindOption::WheelForward));
    OnKindOption(context, EventKindOption::WheelBackward);
    OnDelayText(context, "250");
    EXPECT_EQ(model.document.events[11].keyFlags, static_cast<std::int32_t>(0xFF880000u));
    EXPECT_EQ(model.document.events[11].delayMs, 250);
    OnListSelectionChanged(context);  // shown again as edited
    EXPECT_EQ(listView.details.kindOption, static_cast<int>(EventKindOption::WheelBackward));
    EXPECT_EQ(listView.details.delayMs, 250);

    // --- save, reopen, save again: the same bytes ---------------------------------
    sim.dialogs.QueueAnswer("C:/脚本/loop.mkx");
    ASSERT_EQ(OnSaveCommand(context), EventSaveOutcome::Saved);
    EXPECT_EQ(documentView.caption, "loop");
    const std::string saved = sim.files.ReadFile("C:/脚本/loop.mkx", 1 << 20).bytes;
    sim.dialogs.QueueAnswer("C:/脚本/loop.mkx");
    ASSERT_TRUE(OnOpenCommand(context));
    EXPECT_EQ(listView.items, 9);  // all groups closed again
    EXPECT_EQ(model.document.events[3].window, kNoWindow);
    ASSERT_EQ(OnSaveCommand(context), EventSaveOutcome::Saved);
    EXPECT_EQ(sim.files.ReadFile("C:/脚本/loop.mkx", 1 << 20).bytes, saved);

    // --- play once in the background -------------------------------------------------
    OnRepeatSlider(context, 1);
    std::int64_t start = sim.clock.MonotonicMicros();
    ASSERT_EQ(OnPlayCommand(context), PlaybackToggle::Started);
    PumpMainWindow();
    EXPECT_FALSE(context.Playing());
    const std::vector<Posted> background{
        {notepad, 0xA1, 2, Packed(300, 115), 0},  // the title bar: non-client, HTCAPTION
        {notepad, 0xA2, 2, Packed(300, 115), 0},
        {button, 0x200, 0, Packed(50, 20), 300},
        {button, 0x201, 1, Packed(50, 20), 400},
        {button, 0x202, 0, Packed(50, 20), 480},
        {leftPane, 0x200, 0, Packed(50, 70), 980},
        {leftPane, 0x201, 1, Packed(50, 70), 1080},
        {leftPane, 0x200, 1, Packed(70, 80), 1130},
        {leftPane, 0x200, 1, Packed(100, 90), 1180},
        {leftPane, 0x202, 0, Packed(100, 90), 1230},
        {leftPane, 0x20A, 0x00780000, Packed(200, 220), 1530},  // wheels: screen coordinates
        {leftPane, 0x20A, 0xFF880000, Packed(200, 220), 1630},
        {button, 0x200, 0, Packed(70, 30), 1880},
        {button, 0x204, 2, Packed(70, 30), 1980},
        {button, 0x205, 0, Packed(70, 30), 1980},
        {button, 0x206, 2, Packed(70, 30), 2130},  // the second press completes a double click
        {button, 0x205, 0, Packed(70, 30), 2130}};
    EXPECT_EQ(PostedSince(sim.desktop, {notepad, leftPane, rightPane, button}, start), background);
    // The windows found are the main list's now.
    EXPECT_EQ(model.document.events[0].window, notepad);
    EXPECT_EQ(model.document.events[3].window, button);
    EXPECT_EQ(model.document.events[6].window, leftPane);
    EXPECT_EQ(playerView.selected.back(), 8);

    // --- play once in the foreground -------------------------------------------------
    OnModeCommand(context);
    sim.input.Clear();
    start = sim.clock.MonotonicMicros();
    ASSERT_EQ(OnPlayCommand(context), PlaybackToggle::Started);
    PumpMainWindow();
    std::vector<Point> moves;
    for (const sim::CursorMove& m : sim.input.CursorMoves()) moves.push_back(m.point);
    // The pointer stays at each event; only a move warps there, a button's or wheel's input carries its point.
    std::vector<Point> points;
    for (const RecordedEvent& e : model.document.events)
        if (e.message == evmsg::kMove) points.push_back(Point{e.x, e.y});
    EXPECT_EQ(moves, points);
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> injected{
        {0xC003, 0}, {0xC005, 0}, {0xC003, 0}, {0xC005, 0}, {0xC003, 0},          {0xC005, 0},
        {0xC801, 120}, {0xC801, static_cast<std::uint32_t>(-120)}, {0xC009, 0}, {0xC011, 0}, {0xC009, 0}, {0xC011, 0}};
    const std::vector<std::int64_t> injectedAtMs{0, 0, 400, 480, 1080, 1230, 1530, 1630, 1980, 1980, 2130, 2130};
    const auto batches = sim.input.Batches();
    ASSERT_EQ(batches.size(), injected.size());
    for (std::size_t i = 0; i < batches.size(); ++i) {
        ASSERT_EQ(batches[i].records.size(), 1u);
        EXPECT_EQ(batches[i].records[0].flags, injected[i].first) << i;
        EXPECT_EQ(batches[i].records[0].mouseData, injected[i].second) << i;
        EXPECT_EQ((batches[i].micros - start) / 1000, injectedAtMs[i]) << i;
    }
    OnModeCommand(context);  // back to the background

    // --- the program closes mid-playback; Retry once it is back ----------------------
    const WindowHandle oldButton = button;
    bool closed = false;
    sim.clock.SetSleepHook([&](const sim::SleepRecord&) {
        if (!closed && sim.clock.MonotonicMicros() - start >= 600'000) {
            closed = true;
            sim.desktop.DestroyWindow(notepad);
        }
    });
    sim.boxes.SetResponder([&](const sim::MessageBoxRecord&) -> std::optional<int> {
        AddNotepad();
        return 4;  // Retry
    });
    start = sim.clock.MonotonicMicros();
    ASSERT_EQ(OnPlayCommand(context), PlaybackToggle::Started);
    PumpMainWindow();
    ASSERT_EQ(sim.boxes.Count(), 1u);
    const sim::MessageBoxRecord box = sim.boxes.Shown()[0];
    EXPECT_EQ(box.caption, "迅点小侠");
    EXPECT_EQ(box.flags & 0xF, 2u);  // Abort, Retry, Ignore
    EXPECT_EQ(box.text,
              "无法找到录制时的目标软件窗口\r\n窗口名：记事本\r\n类名　：Notepad\r\n【中止】结束本次操作\r\n"
              "【重试】开启目标软件后点这里再试试\r\n【忽略】忽略它，后面全部不提示。\r\n请选择？");
    ASSERT_NE(button, oldButton);
    // From the drag on, the events go to the program's new windows, on time.
    const std::vector<Posted> after = PostedSince(sim.desktop, {leftPane, button}, start);
    ASSERT_EQ(after.size(), 12u);
    EXPECT_EQ(after.front(), (Posted{leftPane, 0x200, 0, Packed(50, 70), 980}));
    EXPECT_EQ(after.back(), (Posted{button, 0x205, 0, Packed(70, 30), 2130}));
    EXPECT_EQ(model.document.events[16].window, button);
    sim.clock.SetSleepHook(nullptr);

    // --- Esc during an endless playback stops it within 50 ms ------------------------
    OnRepeatSlider(context, 0);
    std::int64_t escAt = 0;
    sim.clock.SetSleepHook([&](const sim::SleepRecord&) {
        if (escAt == 0 && sim.clock.MonotonicMicros() - start >= 3'333'000) {
            escAt = sim.clock.MonotonicMicros();
            sim.user.Key(27);
        }
    });
    start = sim.clock.MonotonicMicros();
    ASSERT_EQ(OnPlayCommand(context), PlaybackToggle::Started);
    PumpMainWindow();
    ASSERT_NE(escAt, 0);
    EXPECT_FALSE(context.Playing());
    EXPECT_LE(sim.clock.MonotonicMicros() - escAt, 50'000);
    EXPECT_EQ(playerView.playButton.back(), PlayButtonState::Ready);
    sim.clock.SetSleepHook(nullptr);
}

}  // namespace
}  // namespace xd::test
