// Key events at playback: where the background posts them, and what a stop or a refusal leaves pressed.
#include "EventPlayerFixture.h"
#include "eventlist/KeyEvent.h"

namespace xd::test {
namespace {

constexpr std::uint8_t kLCtrl = 0xA2;

class EventKeyPlaybackTest : public EventPlayerFixture {
protected:
    EventKeyPlaybackTest() {
        settings.repeatPosition = 1;
        sim::WindowSpec spec;
        spec.parent = target;
        spec.rect = {110, 140, 490, 390};
        spec.className = "Edit";
        edit = sim.desktop.AddWindow(spec);
        sim.desktop.SetFocus(edit);
        sim.desktop.SetForegroundWindow(target);
    }
    RecordedEvent Key(std::int32_t message, std::uint8_t key, std::int32_t delayMs) {
        RecordedEvent e = EventIn(message, 50, 80, delayMs);
        e.keyFlags = EventKeyFlagsOf(EventKey{key, static_cast<std::uint8_t>(ScanOf(key)), false});
        SetEventKeyText(e, "");
        return e;
    }
    std::uint32_t ScanOf(std::uint8_t key) { return sim.desktop.ScanCode(target, key); }
    // Ctrl+S with a long hold of Ctrl before the S.
    void CtrlS() {
        events = {Key(evmsg::kKeyDown, kLCtrl, 1000), Key(evmsg::kKeyDown, 'S', 50), Key(evmsg::kKeyUp, 'S', 50),
                  Key(evmsg::kKeyUp, kLCtrl, 0)};
        GroupAs({4});
    }
    WindowHandle edit = kNoWindow;
};

TEST_F(EventKeyPlaybackTest, BackgroundPostsGoToTheFocusedControlOfTheEventsWindow) {
    CtrlS();
    events.push_back(Key(evmsg::kKeyDown, 0, 0));  // a damaged record names no key: nothing is posted
    GroupAs({4, 1});
    Play();
    EXPECT_EQ(sim.boxes.Count(), 0u);
    EXPECT_TRUE(PostedTo(target).empty());
    std::vector<std::pair<std::uint32_t, std::uintptr_t>> got;
    for (const auto& m : PostedTo(edit)) got.emplace_back(m.message, m.wParam);
    const std::vector<std::pair<std::uint32_t, std::uintptr_t>> expected{
        {msg::kKeyDown, 0x11}, {msg::kKeyDown, 'S'}, {msg::kKeyUp, 'S'}, {msg::kKeyUp, 0x11}};
    EXPECT_EQ(got, expected);
}

TEST_F(EventKeyPlaybackTest, AStopWhileAModifierIsHeldLetsItGoInTheForeground) {
    settings.foreground = true;
    CtrlS();
    sim.clock.SetSleepHook([&](const sim::SleepRecord&) {
        if (state.playing.load() && sim.clock.MonotonicMicros() >= 500'000) StopFromMainThread();
    });
    Play();
    sim.clock.SetSleepHook(nullptr);
    EXPECT_EQ(sim.desktop.KeyState(0x11) & 0x8000, 0);
    const auto batches = sim.input.KeyBatches();
    ASSERT_EQ(batches.size(), 2u);  // Ctrl down, and up again at the stop; no S
    EXPECT_EQ(batches[0].records[0].flags & keyevent::kKeyUp, 0u);
    EXPECT_EQ(batches[1].records[0].flags & keyevent::kKeyUp, keyevent::kKeyUp);
    EXPECT_EQ(batches[1].records[0].scanCode, batches[0].records[0].scanCode);
}

TEST_F(EventKeyPlaybackTest, RefusedKeyInputEndsThePlaybackWithOneBox) {
    settings.foreground = true;
    settings.repeatPosition = 0;
    CtrlS();
    // Ctrl goes in, the S is refused: the box comes once and Ctrl is let go before it.
    sim.hooks.InstallKeyboardHook([&](const LowLevelKeyEvent& e) {
        if (e.vkCode == kLCtrl && e.message == msg::kKeyDown) sim.input.FailNextInjection(0);
    });
    Play();
    ASSERT_EQ(sim.boxes.Count(), 1u);
    EXPECT_EQ(sim.boxes.Shown()[0].flags, mb::kOk | mb::kIconError);
    EXPECT_FALSE(state.playing.load());
    EXPECT_EQ(sim.desktop.KeyState(0x11) & 0x8000, 0);
}

}  // namespace
}  // namespace xd::test
