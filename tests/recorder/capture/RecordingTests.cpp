// Whole recordings on the simulated desktop, compared as the script text a
// user would save.
#include <thread>

#include "CaptureFixture.h"

namespace xd::test {
namespace {

struct Step {
    enum Kind { Press, Release, Wheel } kind;
    Point client;  // in the editor app's client area
    std::uint32_t afterMs;
    Button button = Button::Left;
    int delta = 0;
};

struct SequenceCase {
    const char* name;
    std::vector<Step> steps;
    std::uint32_t stopAfterMs;
    std::vector<std::string> lines;  // after the target-window line
    friend void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.name; }
};

class SequenceTest : public CaptureTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(SequenceTest, WritesTheseLinesAfterTheTargetWindow) {
    const SequenceCase& c = GetParam();
    StartRecording();
    for (const Step& s : c.steps) {
        const Point p = InNotes(s.client.x, s.client.y);
        switch (s.kind) {
            case Step::Press: Press(p, s.afterMs, s.button); break;
            case Step::Release: Release(p, s.afterMs, s.button); break;
            case Step::Wheel: Wheel(p, s.delta, s.afterMs); break;
        }
    }
    EXPECT_EQ(StopAndText(c.stopAfterMs), Header() + Lines({NotesLine()}) + Lines(c.lines));
}

using S = Step;
constexpr Button R = Button::Right;
constexpr Button M = Button::Middle;

INSTANTIATE_TEST_SUITE_P(
    Gestures, SequenceTest,
    ::testing::Values(
        // A click stands where its button came up.
        SequenceCase{"ReleaseFourAwayIsClickWaitingFromPress",
                     {{S::Press, {100, 200}, 1000}, {S::Release, {104, 196}, 150}},
                     500,
                     {"鼠标点击(1,104,196,1,650)"}},
        SequenceCase{"ReleaseFiveAwayIsDragWaitingFromRelease",
                     {{S::Press, {100, 200}, 1000}, {S::Release, {105, 200}, 300}},
                     400,
                     {"鼠标拖移(1,100,200,105,200,300,400)"}},
        SequenceCase{"LongPressWithoutMovementIsClick",
                     {{S::Press, {7, 8}, 10}, {S::Release, {7, 8}, 5000}},
                     0,
                     {"鼠标点击(1,7,8,1,5000)"}},
        SequenceCase{"RightAndMiddleClicks",
                     {{S::Press, {10, 20}, 100, R}, {S::Release, {10, 20}, 50, R},
                      {S::Press, {30, 40}, 250, M}, {S::Release, {31, 41}, 60, M}},
                     100,
                     {"鼠标点击(2,10,20,1,300)", "鼠标点击(3,31,41,1,160)"}},
        SequenceCase{"RightDrag",
                     {{S::Press, {10, 20}, 100, R}, {S::Release, {60, 20}, 400, R}},
                     20,
                     {"鼠标拖移(2,10,20,60,20,400,20)"}},
        // Every press flushes the gesture before it, so a double click is two
        // clicks, the second after the short wait between the presses.
        SequenceCase{"DoubleClickIsTwoSingleClicks",
                     {{S::Press, {50, 60}, 100}, {S::Release, {50, 60}, 80},
                      {S::Press, {50, 60}, 90}, {S::Release, {50, 60}, 70}},
                     1000,
                     {"鼠标点击(1,50,60,1,170)", "鼠标点击(1,50,60,1,1070)"}},
        SequenceCase{"WheelNotchesMergeUntilTheWheelTurnsBack",
                     {{S::Wheel, {200, 150}, 100, {}, 120}, {S::Wheel, {202, 151}, 40, {}, 120},
                      {S::Wheel, {196, 154}, 40, {}, 120}, {S::Wheel, {200, 150}, 300, {}, -120}},
                     500,
                     {"鼠标滚轮(120,200,150,3,380)", "鼠标滚轮(-120,200,150,1,500)"}},
        SequenceCase{"NotchFiveAwayStartsNewRun",
                     {{S::Wheel, {200, 150}, 100, {}, 120}, {S::Wheel, {205, 150}, 30, {}, 120}},
                     10,
                     {"鼠标滚轮(120,200,150,1,30)", "鼠标滚轮(120,205,150,1,10)"}},
        SequenceCase{"NotchFlushesPendingClickWithWaitUpToIt",
                     {{S::Press, {10, 10}, 100}, {S::Release, {10, 10}, 50}, {S::Wheel, {10, 10}, 200, {}, 120}},
                     100,
                     {"鼠标点击(1,10,10,1,250)", "鼠标滚轮(120,10,10,1,100)"}},
        SequenceCase{"PressAfterNotchesEndsTheRun",
                     {{S::Wheel, {10, 10}, 100, {}, -120}, {S::Press, {10, 10}, 60}, {S::Release, {10, 10}, 40},
                      {S::Wheel, {10, 10}, 10, {}, -120}},
                     5,
                     {"鼠标滚轮(-120,10,10,1,60)", "鼠标点击(1,10,10,1,50)", "鼠标滚轮(-120,10,10,1,5)"}},
        // Unusual button sequences make no gesture and leave no placeholder.
        SequenceCase{"CrossedButtonsLeaveNothing",
                     {{S::Press, {10, 10}, 100}, {S::Press, {10, 10}, 10, R}, {S::Release, {10, 10}, 10},
                      {S::Release, {10, 10}, 10, R}},
                     100,
                     {}},
        SequenceCase{"StopWhileHeldLeavesNothing", {{S::Press, {10, 10}, 100}}, 100, {}},
        SequenceCase{"StopWhileHeldAfterGestureKeepsGesture",
                     {{S::Press, {1, 2}, 100}, {S::Release, {1, 2}, 100}, {S::Press, {9, 9}, 100}},
                     100,
                     {"鼠标点击(1,1,2,1,200)"}},
        SequenceCase{"PressWithoutGestureThenClickGivesOneLine",
                     {{S::Press, {5, 5}, 100}, {S::Press, {50, 50}, 100, R}, {S::Release, {50, 50}, 100, R}},
                     100,
                     {"鼠标点击(2,50,50,1,200)"}},
        SequenceCase{"ReleaseWithoutPressIsIgnored",
                     {{S::Release, {10, 10}, 100}, {S::Press, {20, 20}, 100}, {S::Release, {20, 20}, 100}},
                     100,
                     {"鼠标点击(1,20,20,1,200)"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaptureTest, ClickOnTheLeftOfTheClientAreaHasNegativeCoordinates) {
    StartRecording();
    Press({102, 120}, 100);  // on the frame and title bar
    Release({102, 120}, 100);
    EXPECT_EQ(StopAndText(100), Header() + Lines({NotesLine(), "鼠标点击(1,-6,-11,1,200)"}));
}

TEST_F(CaptureTest, ExclusiveModeOffWritesNewTargetLineForEachProgram) {
    model.options.exclusiveMode = 0;
    StartRecording();
    Press(InNotes(10, 10), 100);
    Release(InNotes(10, 10), 100);
    Press(InBrowser(30, 40), 300);
    Release(InBrowser(30, 40), 100);
    Wheel(InNotes(10, 10), 120, 100);
    EXPECT_EQ(StopAndText(50), Header() + Lines({NotesLine(), "鼠标点击(1,10,10,1,400)",
                                                 "目标窗口(\"Start \"\"Page\"\"\",\"BrowserFrame\",\"0\")",
                                                 "鼠标点击(1,30,40,1,200)", NotesLine(),
                                                 "鼠标滚轮(120,10,10,1,50)"}));
}

TEST_F(CaptureTest, ExclusiveModeIgnoresEveryProgramButTheFirst) {
    StartRecording();
    Wheel(InBrowser(5, 5), 120, 100);  // the first event decides the program
    Press(InNotes(10, 10), 100);
    Release(InNotes(10, 10), 100);
    Wheel(InBrowser(5, 5), 120, 1000);
    EXPECT_EQ(StopAndText(50),
              Header() + Lines({"目标窗口(\"Start \"\"Page\"\"\",\"BrowserFrame\",\"0\")", "鼠标滚轮(120,5,5,2,1250)"}));
}

TEST_F(CaptureTest, OwnWindowsAreNeverRecordedButShowTheClickEffect) {
    StartRecording();
    const Point toolbar{1510, 10};
    Press(toolbar, 100);
    Release(toolbar, 100);
    EXPECT_EQ(StopAndText(50), Header());
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0].point, toolbar);
    EXPECT_EQ(effects[0].message, msg::kLButtonDown);
}

TEST_F(CaptureTest, EventsOverNoWindowAreLeftOutAndDragsEndingThereStillEnd) {
    StartRecording();
    const Point nowhere{-50, 922};  // left of the only screen
    Press(nowhere, 100);
    Release(nowhere, 100);
    Press(Point{-50, -50}, 100);
    Press(InNotes(10, 10), 100);
    Release(InNotes(200, 10), 400);  // a drag in the editor app...
    Press(InNotes(20, 20), 600);
    Release(nowhere, 500);  // ...and one that ends off the screen, relative to where it began
    EXPECT_EQ(StopAndText(50), Header() + Lines({NotesLine(), "鼠标拖移(1,10,10,200,10,400,600)",
                                                 "鼠标拖移(1,20,20,-158,791,500,50)"}));
}

TEST_F(CaptureTest, IdleClickShowsTheEffectAndRecordsNothing) {
    const std::string before = editor.GetEditorText();
    Press(InNotes(1, 1), 10, Button::Middle);
    Release(InNotes(1, 1), 10, Button::Middle);
    EXPECT_EQ(session.recorder().Queued(), 0u);
    EXPECT_EQ(editor.GetEditorText(), before);
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0].message, msg::kMButtonDown);
}

TEST_F(CaptureTest, DragEndingOverAnotherWindowStaysRelativeToItsStart) {
    model.options.exclusiveMode = 0;
    StartRecording();
    Press(InNotes(500, 300), 100);
    Mouse(msg::kMouseMove, {750, 250}, 100);  // moves never reach the recorder
    EXPECT_EQ(session.recorder().Queued(), 0u);
    Release({900, 200}, 100);  // over the browser
    EXPECT_EQ(StopAndText(30), Header() + Lines({NotesLine(), "鼠标拖移(1,500,300,792,69,200,30)"}));
}

TEST_F(CaptureTest, AtHighDpiPositionsAreLogicalAndSixPixelsIsStillAClick) {
    sim.desktop.SetDpi(144, 144);
    StartRecording();
    Press(InNotes(150, 300), 100);
    Release(InNotes(156, 294), 100);  // 4 logical pixels away
    Press(InNotes(3, 9), 100);
    Release(InNotes(11, 9), 100);  // 8 pixels, 5 logical: a drag
    EXPECT_EQ(StopAndText(10), Header() + Lines({NotesLine(), "鼠标点击(1,104,196,1,200)",
                                                 "鼠标拖移(1,2,6,7,6,100,10)"}));
}

// The browser sits on a second monitor at 144 DPI, the notes on the primary at 96: each point is logical in
// its own window's scale, and so is the end of a drag that ends over the other monitor.
TEST_F(CaptureTest, OnTwoMonitorsEachPointTakesItsWindowsDpi) {
    model.options.exclusiveMode = 0;
    sim.desktop.AddMonitor({{1920, 0, 3840, 1080}, 144});
    ASSERT_TRUE(sim.desktop.SetWindowRect(browserApp, {2000, 100, 2600, 550}));
    ASSERT_TRUE(sim.desktop.SetClientInsets(browserApp, {0, 30, 0, 0}));  // client origin (2000, 130)
    StartRecording();
    Press(InNotes(150, 300), 100);
    Release(InNotes(150, 300), 100);
    Press({2150, 430}, 100);
    Release({2156, 424}, 100);  // 6 pixels, 4 logical: still a click, at its release
    Wheel({2003, 139}, 120, 100);
    Press({2003, 139}, 100);
    Release(InNotes(150, 300), 100);  // over the notes: relative to the browser, in its scale
    EXPECT_EQ(StopAndText(10),
              Header() + Lines({NotesLine(), "鼠标点击(1,150,300,1,200)",
                                "目标窗口(\"Start \"\"Page\"\"\",\"BrowserFrame\",\"0\")",
                                "鼠标点击(1,104,196,1,200)", "鼠标滚轮(120,2,6,1,100)",
                                "鼠标拖移(1,2,6,-1161,201,100,10)"}));
}

TEST_F(CaptureTest, WaitsStayPositiveAcrossTheTickCounterWrap) {
    sim.clock.SetTickCount(0xFFFFFF00u);
    StartRecording();
    Press(InNotes(1, 1), 0);
    Release(InNotes(1, 1), 0x80);
    EXPECT_EQ(StopAndText(0x100), Header() + Lines({NotesLine(), "鼠标点击(1,1,1,1,384)"}));
}

TEST_F(CaptureTest, PlaceholderStandsWhileTheButtonIsDown) {
    StartRecording();
    Press(InNotes(1, 1), 10);
    EXPECT_EQ(editor.GetEditorText(), Header() + Lines({NotesLine(), "正在记录鼠标点击和行为判断中..."}));
    const auto posted = sim.desktop.MessagesTo(view.handle);
    ASSERT_EQ(posted.size(), 1u);  // the first target line does not scroll
    EXPECT_EQ(posted[0].message, appmsg::kScrollEditorToEnd);

    Release(InNotes(1, 1), 10);
    EXPECT_EQ(StopAndText(10), Header() + Lines({NotesLine(), "鼠标点击(1,1,1,1,20)"}));
    EXPECT_EQ(sim.desktop.MessagesTo(view.handle).size(), 3u);  // the release's scroll, then Esc's stop
}

// A press still held at the stop leaves no line; the removal is that line's
// alone, so a zero byte earlier in the script keeps what follows it.
TEST_F(CaptureTest, HeldPressAtTheStopTakesOutJustThePlaceholderLine) {
    const std::string script = Header() + std::string("\r\n'a\0b\r\n'after the zero", 23);
    editor.SetEditorText(script);
    StartRecording(true);
    Press(InNotes(1, 1), 10);
    const std::string held = script + Lines({NotesLine(), std::string(kRecordingPlaceholder)});
    ASSERT_EQ(editor.GetEditorText(), held);

    EXPECT_EQ(StopAndText(10), script + Lines({NotesLine()}));
    const auto step = editor.NextUndoStep();
    ASSERT_TRUE(step.has_value());
    EXPECT_EQ(step->position, script.size() + 2 + NotesLine().size());
    EXPECT_EQ(step->removed, "\r\n" + std::string(kRecordingPlaceholder));
    EXPECT_EQ(step->inserted, "");
    editor.Undo();
    EXPECT_EQ(editor.GetEditorText(), held);
}

TEST_F(CaptureTest, ContinuedRecordingAppendsAfterTheScriptWithANewTargetLine) {
    StartRecording();
    Press(InNotes(1, 1), 10);
    Release(InNotes(1, 1), 10);
    const std::string first = StopAndText(10);
    StartRecording(true);
    Wheel(InNotes(2, 2), -120, 1000);
    EXPECT_EQ(StopAndText(10), first + Lines({NotesLine(), "鼠标滚轮(-120,2,2,1,10)"}));
    EXPECT_TRUE(first.starts_with(Header()));
}

TEST_F(CaptureTest, FreshRecordingStartsFromTheHeaderAgain) {
    StartRecording();
    Press(InNotes(1, 1), 10);
    const std::string held = StopAndText(10);
    sim.boxes.QueueAnswer(id::kNo);  // the recording made the script modified
    StartRecording();
    EXPECT_EQ(StopAndText(10), Header());
    EXPECT_EQ(held, Header() + Lines({NotesLine()}));
}

// The hook thread stands in for the system: a burst while the worker runs.
TEST_F(CaptureTest, BurstFromAnotherThreadIsWrittenCompleteAndInOrder) {
    constexpr int kEvents = 3000;
    keepUp = false;
    ASSERT_TRUE(session.recorder().StartWorker());
    StartRecording();
    const std::uint32_t start = sim.clock.TickCount();
    std::thread hook([&] {
        for (int i = 0; i < kEvents; ++i) {
            const Point p = InNotes((i % 50) * 10, (i / 50) * 5);
            CapturedMouseEvent e{editorApp, msg::kMouseWheel, p.x, p.y, 120u << 16, 0,
                                 start + static_cast<std::uint32_t>(i), 0};
            EXPECT_TRUE(session.recorder().HandOver(e));
        }
    });
    hook.join();
    sim.clock.Advance(kEvents + 100);

    std::vector<std::string> lines{NotesLine()};
    for (int i = 0; i < kEvents; ++i) {
        const int wait = i + 1 < kEvents ? 1 : 101;
        lines.push_back("鼠标滚轮(120," + std::to_string((i % 50) * 10) + "," + std::to_string((i / 50) * 5) +
                        ",1," + std::to_string(wait) + ")");
    }
    EXPECT_EQ(StopAndText(0), Header() + Lines(lines));
    EXPECT_EQ(session.recorder().LostEvents(), 0u);
    session.recorder().StopWorker();
}

TEST_F(CaptureTest, EventsTheQueueRefusedAreReportedInTheScript) {
    EditorWriteQueue writes;
    Recorder small(sim.desktop, writes, 2);
    small.Reset(true);
    for (std::uint32_t i = 0; i < 3; ++i) {
        const Point p = InNotes(10 * static_cast<int>(i), 0);
        static_cast<void>(
            small.HandOver(CapturedMouseEvent{editorApp, msg::kMouseWheel, p.x, p.y, 120u << 16, 0, i, 0}));
    }
    small.Stop(10);
    editor.SetEditorText(Header());
    static_cast<void>(writes.ApplyPending({editor, sim.desktop, view.handle}));
    EXPECT_EQ(editor.GetEditorText(), Header() + Lines({NotesLine(), "鼠标滚轮(120,0,0,1,1)", "鼠标滚轮(120,10,0,1,9)",
                                                        "'录制时有 1 个鼠标事件来不及记录"}));
    ScriptConfig config;
    EXPECT_EQ(CheckScript(editor.GetEditorText(), config).status, ScriptCheckStatus::Passed);
}

}  // namespace
}  // namespace xd::test
