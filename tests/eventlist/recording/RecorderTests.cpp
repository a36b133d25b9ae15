#include "RecordingFixture.h"
#include "eventlist/recording/RecordingStatus.h"

namespace xd::test {
namespace {

using sim::SimButton;
namespace svk = sim::vk;

TEST_F(RecordingTest, FreshStartAsksToSaveClearsAndDisablesTheWindow) {
    events.push_back(Ev(evmsg::kLeftDown));
    RebuildGroups(groups, events, view);
    groups.nextNumber = 7;
    mainWindow.hintShown = true;
    StartFresh();
    EXPECT_TRUE(recorder.Recording());
    EXPECT_EQ(document.asks, 1);
    EXPECT_EQ(document.clears, 1);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(groups.lines.empty());
    EXPECT_EQ(groups.nextNumber, 1);
    EXPECT_EQ(view.items, 0);
    EXPECT_TRUE(mainWindow.recordActive);
    EXPECT_FALSE(mainWindow.playEnabled);
    EXPECT_FALSE(mainWindow.saveEnabled);
    EXPECT_FALSE(mainWindow.editingEnabled);
    EXPECT_FALSE(mainWindow.hintShown);
}

TEST_F(RecordingTest, CancelledSaveQuestionLeavesTheScriptAlone) {
    events.push_back(Ev(evmsg::kLeftDown));
    document.askAnswer = false;
    StartFresh();
    EXPECT_FALSE(recorder.Recording());
    EXPECT_EQ(events.size(), 1u);
    EXPECT_EQ(document.clears, 0);
}

TEST_F(RecordingTest, StopEnablesPlayAndSaveAsTheListAndDocumentSay) {
    StartFresh();
    recorder.ToggleEventRecording(true);  // any argument stops
    EXPECT_FALSE(recorder.Recording());
    EXPECT_FALSE(mainWindow.recordActive);
    EXPECT_FALSE(mainWindow.playEnabled);
    EXPECT_FALSE(mainWindow.saveEnabled);
    EXPECT_TRUE(mainWindow.editingEnabled);

    StartFresh();
    ClickAt({200, 200});
    recorder.ToggleEventRecording(false);
    EXPECT_TRUE(mainWindow.playEnabled);
    EXPECT_TRUE(mainWindow.saveEnabled);
}

TEST_F(RecordingTest, MovesBeforeTheFirstPressAreNotRecordedAndLaterOnesAre) {
    StartFresh();
    sim.user.MoveTo({150, 200});
    sim.user.MoveTo({160, 210});
    EXPECT_TRUE(events.empty());
    sim.user.Press(SimButton::Left);
    sim.user.MoveTo({170, 220});
    sim.user.Release(SimButton::Left);
    EXPECT_EQ(Messages(), (std::vector<std::int32_t>{evmsg::kLeftDown, evmsg::kMove, evmsg::kLeftUp}));
    EXPECT_EQ(events[1].x, 170);
    EXPECT_EQ(events[1].y, 220);
    EXPECT_EQ(events[1].displayText, "移动,170,220");
    EXPECT_EQ(events[1].keyFlags, evflag::kLeft);  // the button held during the move
}

TEST_F(RecordingTest, NoMovesOptionDropsEveryMove) {
    options.noMoves = true;
    StartFresh();
    sim.user.MoveTo({150, 200});
    sim.user.Press(SimButton::Left);
    sim.user.MoveTo({170, 220});
    sim.user.Release(SimButton::Left);
    EXPECT_EQ(Messages(), (std::vector<std::int32_t>{evmsg::kLeftDown, evmsg::kLeftUp}));
}

TEST_F(RecordingTest, KeyFlagsTakeTheOtherHeldButtonsAndTheModifiers) {
    StartFresh();
    sim.user.MoveTo({200, 200});
    sim.user.Press(SimButton::Right);
    sim.user.Press(SimButton::Left);
    sim.user.Release(SimButton::Right);  // left still held
    sim.user.KeyDown(svk::kShift);
    sim.user.Press(SimButton::Middle);
    sim.user.Release(SimButton::Left);
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].keyFlags, 2);         // right press alone
    EXPECT_EQ(events[1].keyFlags, 1 | 2);     // left press while right held
    EXPECT_EQ(events[2].keyFlags, 1);         // right release: the other held button only
    EXPECT_EQ(events[3].keyFlags, 0x10 | 1 | 4);
    EXPECT_EQ(events[4].keyFlags, 0x10 | 4);  // left release keeps the middle and Shift
}

TEST_F(RecordingTest, CtrlWheelStoresTheDeltaHighAndCtrlLow) {
    StartFresh();
    sim.user.MoveTo({200, 200});
    sim.user.KeyDown(svk::kControl);
    sim.user.Wheel(120);
    sim.user.Wheel(-120);
    sim.user.KeyUp(svk::kControl);
    sim.input.UserInput(MouseInputRecord{0, 0, static_cast<std::uint32_t>(-240), mouseevent::kHWheel, 0});
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].keyFlags, (120 << 16) | 8);
    EXPECT_EQ(WheelDelta(events[1].keyFlags), -120);
    EXPECT_EQ(events[1].keyFlags & 0xFFFF, 8);
    EXPECT_EQ(events[1].displayText, "向后滚轮,200,200");
    EXPECT_EQ(events[2].message, evmsg::kHWheel);
    EXPECT_EQ(events[2].keyFlags, static_cast<std::int32_t>(0xFF100000u));
    EXPECT_EQ(events[2].displayText, "向左滚轮,200,200");
}

TEST_F(RecordingTest, DelaysAreTheMultimediaClockBetweenEvents) {
    sim.clock.SetMultimediaTime(0xFFFFFF00u);  // across the wrap
    StartFresh();
    sim.clock.Advance(5000);  // before the first event: not counted anywhere
    sim.user.MoveTo({200, 200});
    sim.user.Press(SimButton::Left);
    EXPECT_EQ(recorder.LastEventTime(), 0xFFFFFF00u + 5000u);
    sim.clock.Advance(300);
    sim.user.Release(SimButton::Left);
    sim.clock.Advance(45);
    sim.user.Wheel(120);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].delayMs, 300);
    EXPECT_EQ(events[1].delayMs, 45);
    EXPECT_EQ(events[2].delayMs, 0);
}

TEST_F(RecordingTest, PauseBeforeContinuingAddsNothing) {
    StartFresh();
    ClickAt({200, 200});
    recorder.ToggleEventRecording(false);
    const std::size_t before = events.size();
    sim.clock.Advance(10000);
    recorder.ToggleEventRecording(true);
    EXPECT_EQ(document.asks, 1);  // continuing neither asks nor clears
    EXPECT_EQ(document.clears, 1);
    EXPECT_EQ(events.size(), before);
    sim.clock.Advance(70);
    ClickAt({220, 220});
    ASSERT_EQ(events.size(), before + 3);
    EXPECT_EQ(events[before - 1].delayMs, 70);
}

TEST_F(RecordingTest, DedicatedModeIgnoresOtherProgramsAndKeepsTheClock) {
    options.dedicatedMode = true;
    StartFresh();
    ClickAt({200, 200});  // app, process 200
    const std::uint32_t last = recorder.LastEventTime();
    sim.clock.Advance(500);
    ClickAt({700, 200});  // the second program
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(recorder.LastEventTime(), last);
    EXPECT_EQ(events[1].delayMs, 0);
    sim.clock.Advance(300);
    ClickAt({400, 300});  // app again, another child: a move, a press, a release
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[1].delayMs, 800);
}

// A list read from a file holds no windows: continuing it in dedicated mode follows
// the program clicked first in this recording, instead of shutting out every program.
TEST_F(RecordingTest, DedicatedModeAfterOpeningFollowsTheFirstProgramClicked) {
    options.dedicatedMode = true;
    StartFresh();
    ClickAt({200, 200});
    recorder.ToggleEventRecording(false);
    for (RecordedEvent& e : events) e.window = kNoWindow;  // as opened from a file
    const std::size_t opened = events.size();
    recorder.ToggleEventRecording(true);
    ClickAt({700, 200});  // the second program, reached first this time: a move, a press, a release
    ASSERT_EQ(events.size(), opened + 3);
    sim.clock.Advance(100);
    ClickAt({200, 200});  // the app is another program now
    EXPECT_EQ(events.size(), opened + 3);
    ClickAt({700, 210});
    EXPECT_EQ(events.size(), opened + 6);
}

TEST_F(RecordingTest, EventsOverTheProgramsOwnWindowsAreIgnoredEntirely) {
    StartFresh();
    ClickAt({200, 200});
    sim.clock.Advance(100);
    ClickAt({50, 30});  // own main window
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].delayMs, 0);
    EXPECT_EQ(view.items, 1);
}

TEST_F(RecordingTest, CaptureStoresAnsiTextsAndTheChildPath) {
    StartFresh();
    ClickAt({400, 170});  // the button inside the second pane
    ASSERT_EQ(events.size(), 2u);
    const RecordedEvent& e = events[0];
    EXPECT_EQ(e.window, button);
    EXPECT_EQ(e.childPath, std::string("\x02\x01", 2));
    EXPECT_EQ(e.windowTitle, std::string("\xBC\xC7\xCA\xC2\xB1\xBE\0\0", 8));  // 记事本 in GBK
    EXPECT_EQ(e.windowClass, std::string("Notepad\0\0", 9));
    EXPECT_EQ(HighHalf(e.offsetX), 300);  // from the top-level window
    EXPECT_EQ(LowHalf(e.offsetX), 50);    // from the button
    EXPECT_EQ(HighHalf(e.offsetY), 70);
    EXPECT_EQ(LowHalf(e.offsetY), 20);
    EXPECT_EQ(events[1].childPath, e.childPath);  // the same window: strings reused
}

TEST_F(RecordingTest, TopLevelWindowHasAnEmptyPathAndTitlesAreCachedPerHandle) {
    StartFresh();
    ClickAt({700, 200});
    EXPECT_TRUE(events[0].childPath.empty());
    ASSERT_TRUE(sim.desktop.SetTitle(other, "新标题"));
    ClickAt({200, 200});  // another window in between, so the next capture runs again
    ClickAt({710, 210});
    ASSERT_EQ(events.size(), 8u);
    EXPECT_EQ(events[5].window, other);
    EXPECT_EQ(events[5].windowTitle, events[0].windowTitle);  // the handle's first title
}

// The cache lasts one recording: a window renamed since is recorded under its new
// title by a fresh recording and by a continued one alike.
TEST_F(RecordingTest, EachRecordingTakesTitlesAfresh) {
    StartFresh();
    ClickAt({700, 200});
    recorder.ToggleEventRecording(false);
    ASSERT_TRUE(sim.desktop.SetTitle(other, "新标题"));
    recorder.ToggleEventRecording(true);
    ClickAt({710, 210});
    recorder.ToggleEventRecording(false);
    ASSERT_GT(events.size(), 2u);
    for (std::size_t i = 2; i < events.size(); ++i) {
        EXPECT_EQ(events[i].windowTitle, sim.codePage.Utf8ToAnsi("新标题") + std::string(2, '\0')) << i;
    }

    ASSERT_TRUE(sim.desktop.SetTitle(other, "又改了"));
    StartFresh();
    ClickAt({700, 200});
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].windowTitle, sim.codePage.Utf8ToAnsi("又改了") + std::string(2, '\0'));
}

TEST_F(RecordingTest, DeleteLastDropsATrailingGroupOfMovesButNotASingleMove) {
    StartFresh();
    ClickAt({200, 200});
    sim.user.MoveTo({210, 200});
    recorder.ToggleEventRecording(false);
    EXPECT_EQ(events.size(), 3u);  // a single move stays
    EXPECT_EQ(view.items, 2);

    StartFresh();
    ClickAt({200, 200});
    for (int i = 1; i <= 3; ++i) sim.user.MoveTo({200 + i, 200});
    ASSERT_EQ(groups.lines.size(), 2u);
    EXPECT_EQ(groups.lines[1].name, "2：移动鼠标_3");
    recorder.ToggleEventRecording(false);
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(groups.lines.size(), 1u);
    EXPECT_EQ(view.items, 1);
    // Numbering goes on from the kept groups.
    recorder.ToggleEventRecording(true);
    sim.user.Click(SimButton::Right);
    EXPECT_EQ(groups.lines.back().name, "2：单击右键_203,200");
}

TEST_F(RecordingTest, DeleteLastOffKeepsTheTrailingMoves) {
    options.deleteLast = false;
    StartFresh();
    ClickAt({200, 200});
    for (int i = 1; i <= 3; ++i) sim.user.MoveTo({200 + i, 200});
    recorder.ToggleEventRecording(false);
    EXPECT_EQ(events.size(), 5u);
}

TEST_F(RecordingTest, NewLinesAreSelectedWhileRecording) {
    StartFresh();
    ClickAt({200, 200});
    EXPECT_EQ(view.selection, 0);
    sim.user.Click(SimButton::Right);
    EXPECT_EQ(view.selection, 1);
    EXPECT_EQ(view.items, 2);
    EXPECT_GE(document.marks, 4);
}

// Continuing while the last group is open: the new events would otherwise be
// counted into a group whose member lines no longer cover it.
TEST_F(RecordingTest, ContinuingClosesOpenGroupsFirst) {
    StartFresh();
    ClickAt({200, 200});
    sim.user.Click(SimButton::Left);
    recorder.ToggleEventRecording(false);
    ToggleGroup(groups, 1, view);
    ToggleGroup(groups, 0, view);
    ASSERT_EQ(groups.lines.size(), 6u);
    recorder.ToggleEventRecording(true);
    EXPECT_EQ(groups.lines.size(), 2u);
    EXPECT_EQ(view.items, 2);
    sim.user.Press(SimButton::Left);
    ASSERT_EQ(groups.lines.size(), 3u);
    EXPECT_EQ(groups.lines[2].firstEvent, 4);
}

TEST_F(RecordingTest, HotkeysArePostedAndEscStopsAtOnce) {
    sim.user.Key(svk::kF1 + 2);  // F3
    sim.user.Key(svk::kF1 + 1);  // F2
    std::vector<std::uint32_t> posted;
    for (const auto& m : sim.desktop.MessagesTo(own)) posted.push_back(m.message);
    EXPECT_EQ(posted, (std::vector<std::uint32_t>{0x2A49, 0x2A4A}));

    OnEventRecordToggleMessage(recorder);
    EXPECT_TRUE(recorder.Recording());
    ClickAt({200, 200});
    sim.user.KeyDown(svk::kEscape);
    EXPECT_FALSE(recorder.Recording());
    EXPECT_TRUE(mainWindow.editingEnabled);
}

TEST_F(RecordingTest, HotkeysFollowTheOptions) {
    options.recordKey = 123;
    sim.user.Key(svk::kF1 + 2);
    EXPECT_TRUE(sim.desktop.MessagesTo(own).empty());
    sim.user.Key(svk::kF1 + 11);
    ASSERT_EQ(sim.desktop.MessagesTo(own).size(), 1u);
    EXPECT_EQ(sim.desktop.MessagesTo(own)[0].message, 0x2A49u);
}

TEST_F(RecordingTest, WhilePlayingTheRecordToggleDoesNothingAndEscStopsPlaying) {
    mainWindow.playing = true;
    OnEventRecordToggleMessage(recorder);
    recorder.ToggleEventRecording(true);
    EXPECT_FALSE(recorder.Recording());
    sim.user.Key(svk::kEscape);
    EXPECT_EQ(mainWindow.playbackStops, 1);
    sim.user.Key(svk::kEscape);
    EXPECT_EQ(mainWindow.playbackStops, 1);  // idle now: Esc does nothing
}

TEST_F(RecordingTest, ClickDemonstrationOnEveryPressAlsoWhenIdle) {
    ClickAt({200, 200});
    ClickAt({210, 200}, SimButton::Middle);
    sim.user.Wheel(120);
    EXPECT_EQ(mainWindow.clickEffects, (std::vector<ClickEffectCall>{{{200, 200}, 0x201}, {{210, 200}, 0x207}}));
    options.demoClick = false;
    ClickAt({200, 200}, SimButton::Right);
    EXPECT_EQ(mainWindow.clickEffects.size(), 2u);
}

TEST(RecordingStatusTest, TextCountsEventsNamesTheKeyAndTurnsTheArrow) {
    EXPECT_EQ(RecordingStatusText(12, 114, 2), "录制鼠标操作中..12，按【F3】或 Esc 键停止.↗");
    EXPECT_EQ(RecordingStatusText(0, 123, 7), "录制鼠标操作中..0，按【F12】或 Esc 键停止.←");
    EXPECT_EQ(NextStatusFrame(7), 0);
}

}  // namespace
}  // namespace xd::test

namespace xd::test {
namespace {

TEST(EventHookDecisionTest, MouseHookTakesTheListsMessagesOnlyWhileRecording) {
    // code, message, recording, listEmpty, noMoves, demoClick
    EXPECT_EQ(DecideEventMouseHook(0, 0x201, true, true, false, false), (EventMouseDecision{true, false}));
    EXPECT_EQ(DecideEventMouseHook(0, 0x200, true, true, false, false), (EventMouseDecision{false, false}));
    EXPECT_EQ(DecideEventMouseHook(0, 0x200, true, false, false, false), (EventMouseDecision{true, false}));
    EXPECT_EQ(DecideEventMouseHook(0, 0x200, true, false, true, false), (EventMouseDecision{false, false}));
    EXPECT_EQ(DecideEventMouseHook(0, 0x20E, true, false, true, false), (EventMouseDecision{true, false}));
    EXPECT_EQ(DecideEventMouseHook(0, 0x20B, true, false, false, true), (EventMouseDecision{false, false}));
    EXPECT_EQ(DecideEventMouseHook(0, 0x204, false, false, false, true), (EventMouseDecision{false, true}));
    EXPECT_EQ(DecideEventMouseHook(0, 0x205, true, false, false, true), (EventMouseDecision{true, false}));
    EXPECT_EQ(DecideEventMouseHook(1, 0x201, true, false, false, true), (EventMouseDecision{}));
}

TEST(EventHookDecisionTest, KeyboardHookPostsHotkeysOnKeyDownAndEscStopsOneActivity) {
    auto key = [](std::uint32_t vk, std::uint32_t message = msg::kKeyDown, int code = 0) {
        return LowLevelKeyEvent{code, message, vk, 0, 0, 0};
    };
    EXPECT_EQ(DecideEventKeyboardHook(key(114), 114, 113, false, false), (EventKeyboardDecision{true, false, EventEscape::None}));
    EXPECT_EQ(DecideEventKeyboardHook(key(113), 114, 113, true, false), (EventKeyboardDecision{false, true, EventEscape::None}));
    EXPECT_EQ(DecideEventKeyboardHook(key(114), 114, 114, false, false), (EventKeyboardDecision{true, true, EventEscape::None}));
    EXPECT_EQ(DecideEventKeyboardHook(key(114, msg::kKeyUp), 114, 113, false, false), (EventKeyboardDecision{}));
    EXPECT_EQ(DecideEventKeyboardHook(key(121, msg::kSysKeyDown), 121, 113, false, false), (EventKeyboardDecision{}));
    EXPECT_EQ(DecideEventKeyboardHook(key(114, msg::kKeyDown, 3), 114, 113, false, false), (EventKeyboardDecision{}));
    EXPECT_EQ(DecideEventKeyboardHook(key(27), 114, 113, true, true).escape, EventEscape::StopRecording);
    EXPECT_EQ(DecideEventKeyboardHook(key(27), 114, 113, false, true).escape, EventEscape::StopPlayback);
    EXPECT_EQ(DecideEventKeyboardHook(key(27), 114, 113, false, false).escape, EventEscape::None);
    // A recorded Esc or play key that the playback itself sends neither stops nor restarts it.
    const LowLevelKeyEvent injectedEsc{0, msg::kKeyDown, 27, 0, llkey::kInjected, 0};
    const LowLevelKeyEvent injectedPlay{0, msg::kKeyDown, 113, 0, llkey::kInjected, 0};
    EXPECT_EQ(DecideEventKeyboardHook(injectedEsc, 114, 113, false, true), (EventKeyboardDecision{}));
    EXPECT_EQ(DecideEventKeyboardHook(injectedPlay, 114, 113, false, true), (EventKeyboardDecision{}));
    EXPECT_TRUE(DecideEventKeyboardHook(injectedPlay, 114, 113, false, false).postPlayToggle);
}

}  // namespace
}  // namespace xd::test
