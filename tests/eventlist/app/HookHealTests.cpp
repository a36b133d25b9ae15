// 迅点小侠 with hooks the system dropped: the status tick's check puts them back,
// the hotkeys work again, and a recording is told once that input may be missing.
#include "platform/common/HookWatchdog.h"
#include "tests/eventlist/app/EventAppFixture.h"

namespace xd::test {
namespace {

constexpr int kF3 = 114;

class EventHookHealTest : public EventAppTest {
protected:
    // One 100 ms tick of the main window's timer, the watchdog's check first.
    EventStatusTick Tick() {
        sim.clock.Advance(100);
        reinstalled = watchdog.Check(sim.clock.TickCount());
        return OnStatusTick(context, reinstalled);
    }
    // The record hotkey through the hooks, and the main window's turn.
    void PressRecordKey() {
        sim.user.Key(kF3);
        PumpMainWindow();
    }
    void LoseTheHooks() {
        sim.clock.Advance(2000);
        sim.hooks.TimeOutAll();
        sim.user.MoveTo(Point{150, 200});  // the system sees it, we do not
    }

    HookWatchdog watchdog{inputHooks, sim.clock.TickCount()};
    bool reinstalled = false;
};

TEST_F(EventHookHealTest, DroppedHooksAreBackAfterOneCheckAndTheRecordKeyWorksAgain) {
    LoseTheHooks();
    PressRecordKey();
    EXPECT_FALSE(context.Recording());
    Tick();
    EXPECT_TRUE(reinstalled);
    EXPECT_EQ(inputHooks.Reinstalls(), 1);
    PressRecordKey();
    EXPECT_TRUE(context.Recording());
}

TEST_F(EventHookHealTest, NoReinstallWithoutInputTheSystemSawAndOurHooksMissed) {
    sim.hooks.TimeOutAll();
    for (int i = 0; i < 50; ++i) {
        Tick();
        EXPECT_FALSE(reinstalled);
    }
    // Live hooks hear the input: a long pause before it is no sign of loss.
    sim.clock.Advance(2000);
    inputHooks.Reinstall();
    watchdog.Restart(sim.clock.TickCount());
    sim.clock.Advance(5000);
    sim.user.MoveTo(Point{10, 10});
    Tick();
    EXPECT_FALSE(reinstalled);
    EXPECT_EQ(inputHooks.Reinstalls(), 1);  // the test's own
}

TEST_F(EventHookHealTest, ARecordingIsToldOnce) {
    PressRecordKey();
    ASSERT_TRUE(context.Recording());
    EXPECT_EQ(Tick().statusText->rfind("录制鼠标操作中..", 0), 0u);
    LoseTheHooks();
    EXPECT_EQ(Tick().statusText, kHooksReinstalledNote);
    for (int i = 1; i < kHooksNoteTicks; ++i) EXPECT_EQ(Tick().statusText, kHooksReinstalledNote);
    EXPECT_EQ(Tick().statusText->rfind("录制鼠标操作中..", 0), 0u);
    LoseTheHooks();
    EXPECT_EQ(Tick().statusText->rfind("录制鼠标操作中..", 0), 0u);
    EXPECT_TRUE(reinstalled);
    // The hooks are back: F3 ends the recording.
    PressRecordKey();
    EXPECT_FALSE(context.Recording());
    EXPECT_FALSE(Tick().statusText.has_value());
}

TEST_F(EventHookHealTest, HooksThatCouldNotBeInstalledAreToldOnceInABoxThenInTheStatusLine) {
    model.hooksNotice.SetInstalled(false);
    static_cast<void>(OnStartUp(context, ""));
    const auto shown = sim.boxes.Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, kHooksMissingNote);
    EXPECT_EQ(shown[0].owner, window.handle);
    EXPECT_EQ(Tick().statusText, kHooksMissingNote);
    // The record button still records, and the status keeps saying what does not work.
    OnRecordCommand(context);
    ASSERT_TRUE(context.Recording());
    EXPECT_EQ(Tick().statusText, kHooksMissingNote);
    OnRecordCommand(context);
    EXPECT_EQ(sim.boxes.Count(), 1u);

    // Installed hooks tell nothing.
    model.hooksNotice.SetInstalled(true);
    EXPECT_FALSE(Tick().statusText.has_value());
    static_cast<void>(OnStartUp(context, ""));
    EXPECT_EQ(sim.boxes.Count(), 1u);
}

}  // namespace
}  // namespace xd::test
