// Hooks the system dropped: the status tick's check puts them back, and a
// recording is told once that it may have missed input.
#include "CaptureFixture.h"
#include "platform/common/HookWatchdog.h"
#include "platform/sim/SimInputHooks.h"
#include "recorder/StatusTick.h"

namespace xd::test {
namespace {

constexpr int kF3 = 114;

class HookHealTest : public CaptureTest {
protected:
    HookHealTest() {
        // As the program installs them when its window is created.
        EXPECT_TRUE(hooks.Install(
            [this](int code, const LowLevelMouseEvent& e, std::uintptr_t extra) { session.OnMouseHook(code, e, extra); },
            [this](const LowLevelKeyEvent& e) { session.OnKeyboardHook(e); }));
    }

    // One 100 ms status tick with the watchdog's check, as the main window runs it.
    bool Tick() {
        sim.clock.Advance(100);
        StatusTickInput input;
        input.hooksReinstalled = watchdog.Check(sim.clock.TickCount());
        static_cast<void>(StatusTick(model.window, input));
        return input.hooksReinstalled;
    }
    std::size_t RecordHotkeysPosted() {
        std::size_t n = 0;
        for (const auto& m : sim.desktop.MessagesTo(view.handle)) n += m.message == appmsg::kRecordHotkey ? 1 : 0;
        return n;
    }

    sim::SimInputHooks hooks{sim.hooks, sim.clock};
    HookWatchdog watchdog{hooks, sim.clock.TickCount()};
};

TEST_F(HookHealTest, DroppedHooksAreBackAfterOneCheckAndTheHotkeyWorksAgain) {
    sim.clock.Advance(5000);
    sim.hooks.TimeOutAll();
    sim.user.Key(kF3);  // the system takes it, our hooks do not
    EXPECT_EQ(RecordHotkeysPosted(), 0u);
    EXPECT_TRUE(Tick());
    EXPECT_EQ(hooks.Reinstalls(), 1);
    EXPECT_EQ(sim.hooks.KeyboardHookCount(), 1u);
    EXPECT_EQ(sim.hooks.MouseHookCount(), 1u);
    sim.user.Key(kF3);
    EXPECT_EQ(RecordHotkeysPosted(), 1u);
    // Working hooks are left alone.
    for (int i = 0; i < 50; ++i) EXPECT_FALSE(Tick());
    EXPECT_EQ(hooks.Reinstalls(), 1);
}

TEST_F(HookHealTest, NoReinstallWhileTheSystemSeesNoInputOrOurHooksHearIt) {
    sim.hooks.TimeOutAll();
    for (int i = 0; i < 100; ++i) EXPECT_FALSE(Tick());  // ten quiet seconds: nothing to tell
    EXPECT_EQ(hooks.Reinstalls(), 0);
    // A dropped hook with a quiet user is found at the first input after it.
    sim.user.MoveTo(Point{10, 10});
    EXPECT_TRUE(Tick());

    // Input our hooks hear keeps them in place however long the pauses.
    for (int i = 0; i < 10; ++i) {
        sim.clock.Advance(3000);
        sim.user.MoveTo(Point{20 + i, 10});
        EXPECT_FALSE(Tick());
    }
    EXPECT_EQ(hooks.Reinstalls(), 1);
}

TEST_F(HookHealTest, ARecordingIsToldOnceThatInputMayHaveBeenMissed) {
    StartRecording();
    Tick();
    EXPECT_EQ(model.window.statusIdle.rfind("录制鼠标操作中..", 0), 0u);
    sim.clock.Advance(2000);
    sim.hooks.TimeOutAll();
    sim.user.Click(sim::SimButton::Left);  // lost
    ASSERT_TRUE(Tick());
    EXPECT_EQ(model.window.statusIdle, kHooksReinstalledNote);
    EXPECT_EQ(model.window.statusText, kHooksReinstalledNote);
    for (int i = 1; i < kHooksNoteTicks; ++i) Tick();
    EXPECT_EQ(model.window.statusIdle, kHooksReinstalledNote);
    Tick();
    EXPECT_EQ(model.window.statusIdle.rfind("录制鼠标操作中..", 0), 0u);

    // A second loss in the same recording puts the hooks back without telling again.
    sim.clock.Advance(2000);
    sim.hooks.TimeOutAll();
    sim.user.Click(sim::SimButton::Left);
    ASSERT_TRUE(Tick());
    EXPECT_EQ(model.window.statusIdle.rfind("录制鼠标操作中..", 0), 0u);

    // The next recording is told again.
    StopAndText(100);
    Tick();
    StartRecording();
    sim.clock.Advance(2000);
    sim.hooks.TimeOutAll();
    sim.user.Click(sim::SimButton::Left);
    ASSERT_TRUE(Tick());
    EXPECT_EQ(model.window.statusIdle, kHooksReinstalledNote);
}

TEST_F(HookHealTest, AReinstallOutsideARecordingTellsNothing) {
    sim.clock.Advance(2000);
    sim.hooks.TimeOutAll();
    sim.user.Key('A');
    ASSERT_TRUE(Tick());
    EXPECT_EQ(model.window.statusIdle, model.window.applicationTitle);
    StartRecording();
    Tick();
    EXPECT_EQ(model.window.statusIdle.rfind("录制鼠标操作中..", 0), 0u);
}

TEST_F(HookHealTest, HooksThatCouldNotBeInstalledAreToldInTheIdleAndRecordingStatusButNotAPlaybacks) {
    model.window.hooksNotice.SetInstalled(false);
    Tick();
    EXPECT_EQ(model.window.statusIdle, kHooksMissingNote);
    EXPECT_EQ(model.window.statusText, kHooksMissingNote);
    StartRecording();
    Tick();
    EXPECT_EQ(model.window.statusIdle, kHooksMissingNote);
    StopAndText(100);
    // A playback's own status says more than the note, and its stop button works without the hooks.
    model.window.buttons[kPlayButton].state = kButtonActive;
    Tick();
    EXPECT_EQ(model.window.statusIdle.rfind("回放中..", 0), 0u);
    model.window.buttons[kPlayButton].state = kButtonEnabled;
    model.window.hooksNotice.SetInstalled(true);
    Tick();
    EXPECT_EQ(model.window.statusIdle, model.window.applicationTitle);
}

}  // namespace
}  // namespace xd::test
