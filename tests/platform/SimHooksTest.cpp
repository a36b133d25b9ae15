// The simulated hook chain: what synthesized input, SetCursorPos and the user's
// hand deliver to low-level hooks, and the button and key state they leave.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/sim/SimPlatform.h"

namespace xd::sim {
namespace {

struct MouseSeen {
    std::uint32_t message;
    Point point;
    std::uint32_t mouseData;
    std::uint32_t flags;
    std::uint32_t time;
    friend bool operator==(const MouseSeen&, const MouseSeen&) = default;
};

struct KeySeen {
    std::uint32_t message;
    std::uint32_t key;
    std::uint32_t flags;
    friend bool operator==(const KeySeen&, const KeySeen&) = default;
};

class SimHooksTest : public ::testing::Test {
protected:
    SimHooksTest() {
        sim.desktop.SetScreenSize({1280, 800});
        sim.clock.SetTickCount(5000);
    }

    // A hook that keeps every mouse event, with what GetCursorPos said inside it.
    void WatchMouse() {
        sim.hooks.InstallMouseHook([this](int code, const LowLevelMouseEvent& e, std::uintptr_t extra) {
            EXPECT_EQ(code, 0);
            EXPECT_EQ(extra, 0u);
            mouse.push_back({e.message, e.point, e.mouseData, e.flags, e.time});
            cursorInside.push_back(sim.input.GetCursorPos());
        });
    }
    void WatchKeys() {
        sim.hooks.InstallKeyboardHook([this](const LowLevelKeyEvent& e) { keys.push_back(e); });
    }
    static MouseInputRecord Absolute(int x, int y, std::uint32_t more = 0) {
        return MouseInputRecord{(x * 65536 + 1279) / 1280, (y * 65536 + 799) / 800, 0,
                                mouseevent::kMove | mouseevent::kAbsolute | more, 0};
    }

    SimPlatform sim;
    std::vector<MouseSeen> mouse;
    std::vector<Point> cursorInside;
    std::vector<LowLevelKeyEvent> keys;
};

TEST_F(SimHooksTest, LatestHookIsCalledFirstAndEveryHookSeesEveryEvent) {
    std::string order;
    const auto a = sim.hooks.InstallMouseHook([&](int, const LowLevelMouseEvent&, std::uintptr_t) { order += 'a'; });
    const auto b = sim.hooks.InstallMouseHook([&](int, const LowLevelMouseEvent&, std::uintptr_t) {
        order += 'b';
        // Installed during a delivery: takes part from the next event.
        if (order.size() == 1) sim.hooks.InstallMouseHook([&](int, const LowLevelMouseEvent&, std::uintptr_t) {
                order += 'c';
            });
    });
    sim.user.MoveTo({10, 10});
    sim.user.MoveTo({11, 10});
    EXPECT_EQ(order, "bacba");
    EXPECT_EQ(sim.hooks.MouseHookCount(), 3u);

    EXPECT_TRUE(sim.hooks.Remove(b));
    EXPECT_FALSE(sim.hooks.Remove(b));
    EXPECT_FALSE(sim.hooks.Remove(0));
    order.clear();
    sim.user.Click(SimButton::Left);
    EXPECT_EQ(order, "caca");
    EXPECT_TRUE(sim.hooks.Remove(a));
    EXPECT_EQ(sim.hooks.KeyboardHookCount(), 0u);
    sim.user.Key(vk::kEscape);  // no keyboard hook: nothing to call, the state still follows
    EXPECT_EQ(sim.desktop.KeyState(vk::kEscape), 1);
}

TEST_F(SimHooksTest, TimedOutHookIsGoneUnannouncedWhileTheSystemStillTakesInput) {
    WatchKeys();
    const auto mouseHook = sim.hooks.InstallMouseHook([](int, const LowLevelMouseEvent&, std::uintptr_t) {});
    EXPECT_TRUE(sim.hooks.TimeOut(mouseHook));
    EXPECT_FALSE(sim.hooks.Remove(mouseHook));  // its owner's handle removes nothing now
    sim.clock.Advance(30);
    sim.user.MoveTo({10, 10});
    EXPECT_EQ(sim.hooks.LastInputTick(), 5030u);
    sim.hooks.TimeOutAll();
    sim.clock.Advance(30);
    sim.user.Key(vk::kEscape);
    EXPECT_TRUE(keys.empty());
    EXPECT_EQ(sim.hooks.LastInputTick(), 5060u);
}

TEST_F(SimHooksTest, SendInputArrivesInjectedInTheSystemsOrderAtTheNewPoint) {
    WatchMouse();
    sim.input.PlaceCursor({5, 5});
    // One record with move, both left flags and the wheel; then a button alone,
    // a time of its own, and a negative wheel delta as the injector passes it.
    const std::uint32_t minus120 = static_cast<std::uint32_t>(-120);
    ASSERT_EQ(sim.input.SendMouseInput(
                  {Absolute(640, 400, mouseevent::kLeftDown | mouseevent::kLeftUp | mouseevent::kWheel),
                   MouseInputRecord{0, 0, 0, mouseevent::kAbsolute | mouseevent::kRightDown, 777},
                   MouseInputRecord{0, 0, minus120, mouseevent::kWheel, 0}}),
              3u);
    sim.input.DeliverHeldInput();
    const std::vector<MouseSeen> expected{
        {msg::kMouseMove, {640, 400}, 0, llhook::kMouseInjected, 5000},
        {msg::kLButtonDown, {640, 400}, 0, llhook::kMouseInjected, 5000},
        {msg::kLButtonUp, {640, 400}, 0, llhook::kMouseInjected, 5000},
        {msg::kMouseWheel, {640, 400}, 0, llhook::kMouseInjected, 5000},  // the record's own data is 0
        {msg::kRButtonDown, {640, 400}, 0, llhook::kMouseInjected, 777},
        {msg::kMouseWheel, {640, 400}, 0xFF880000u, llhook::kMouseInjected, 5000},
    };
    EXPECT_EQ(mouse, expected);
    // Inside the hook the pointer has not moved yet.
    EXPECT_EQ(cursorInside.front(), (Point{5, 5}));
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{640, 400}));

    mouse.clear();
    sim.input.SetBlocked(true);
    EXPECT_EQ(sim.input.SendMouseInput({Absolute(1, 1, mouseevent::kLeftDown)}), 0u);
    EXPECT_TRUE(mouse.empty());
    EXPECT_EQ(sim.desktop.AsyncKeyState(vk::kLButton), 0);
}

// The system's queue at its worst: SendInput's records wait for the caller's next SetCursorPos, injection or
// sleep, or the user's hand; what has no point of its own acts wherever the pointer is by then.
TEST_F(SimHooksTest, InjectedInputIsTakenLateAndOnlyItsOwnPointIsSure) {
    WatchMouse();
    sim.input.PlaceCursor({5, 5});
    const auto injected = [&](std::uint32_t flags) { return MouseInputRecord{0, 0, 0, flags, 0}; };
    ASSERT_EQ(sim.input.SendMouseInput({injected(mouseevent::kAbsolute | mouseevent::kRightDown)}), 1u);
    EXPECT_TRUE(mouse.empty());
    EXPECT_TRUE(sim.input.SetCursorPos({300, 200}));
    ASSERT_EQ(sim.input.SendMouseInput({Absolute(640, 400, mouseevent::kRightUp)}), 1u);
    EXPECT_TRUE(sim.input.SetCursorPos({1, 2}));
    ASSERT_EQ(sim.input.SendMouseInput({injected(mouseevent::kMiddleDown)}), 1u);
    ASSERT_EQ(sim.input.SendMouseInput({injected(mouseevent::kMiddleUp)}), 1u);  // the last call's go first
    sim.clock.Sleep(1);
    ASSERT_EQ(sim.input.SendMouseInput({Absolute(10, 20, mouseevent::kLeftDown)}), 1u);
    sim.user.MoveTo({30, 40});  // the hand's move queues behind it
    ASSERT_EQ(sim.input.SendMouseInput({Absolute(50, 60, mouseevent::kLeftUp)}), 1u);
    sim.input.DeliverHeldInput();
    constexpr std::uint32_t in = llhook::kMouseInjected;
    const std::vector<MouseSeen> expected{
        {msg::kMouseMove, {300, 200}, 0, 0, 5000},   {msg::kRButtonDown, {300, 200}, 0, in, 5000},
        {msg::kMouseMove, {1, 2}, 0, 0, 5000},       {msg::kMouseMove, {640, 400}, 0, in, 5000},
        {msg::kRButtonUp, {640, 400}, 0, in, 5000},  {msg::kMButtonDown, {640, 400}, 0, in, 5000},
        {msg::kMButtonUp, {640, 400}, 0, in, 5000},  {msg::kMouseMove, {10, 20}, 0, in, 5001},
        {msg::kLButtonDown, {10, 20}, 0, in, 5001},  {msg::kMouseMove, {30, 40}, 0, 0, 5001},
        {msg::kMouseMove, {50, 60}, 0, in, 5001},    {msg::kLButtonUp, {50, 60}, 0, in, 5001},
    };
    EXPECT_EQ(mouse, expected);
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{50, 60}));
}

TEST_F(SimHooksTest, SetCursorPosIsAnUnflaggedMoveAndPlaceCursorIsSilent) {
    WatchMouse();
    sim.input.PlaceCursor({1, 2});
    sim.clock.Advance(16);
    EXPECT_TRUE(sim.input.SetCursorPos({300, 200}));
    ASSERT_EQ(mouse.size(), 1u);
    EXPECT_EQ(mouse[0], (MouseSeen{msg::kMouseMove, {300, 200}, 0, 0, 5016}));
    EXPECT_EQ(cursorInside[0], (Point{1, 2}));
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{300, 200}));
    EXPECT_EQ(sim.input.CursorMoves().size(), 1u);
}

TEST_F(SimHooksTest, UsersHandIsUnflaggedAndStampedWithTheTick) {
    WatchMouse();
    sim.user.MoveTo({-40, 900});  // off the only screen: not clamped
    sim.clock.Advance(3);
    sim.user.Press(SimButton::Middle);
    sim.user.Release(SimButton::Middle);
    sim.user.Wheel(-120);
    sim.user.Click(SimButton::Right);
    const std::vector<MouseSeen> expected{
        {msg::kMouseMove, {-40, 900}, 0, 0, 5000},   {msg::kMButtonDown, {-40, 900}, 0, 0, 5003},
        {msg::kMButtonUp, {-40, 900}, 0, 0, 5003},   {msg::kMouseWheel, {-40, 900}, 0xFF880000u, 0, 5003},
        {msg::kRButtonDown, {-40, 900}, 0, 0, 5003}, {msg::kRButtonUp, {-40, 900}, 0, 0, 5003},
    };
    EXPECT_EQ(mouse, expected);
    EXPECT_TRUE(sim.input.Batches().empty());
    EXPECT_TRUE(sim.input.CursorMoves().empty());
}

TEST_F(SimHooksTest, ButtonStateChangesAfterTheHooksSawTheEvent) {
    std::vector<std::int16_t> leftInside;
    sim.hooks.InstallMouseHook([&](int, const LowLevelMouseEvent&, std::uintptr_t) {
        leftInside.push_back(sim.desktop.AsyncKeyState(vk::kLButton));
    });
    sim.input.SendMouseInput({Absolute(10, 10, mouseevent::kLeftDown)});
    sim.input.DeliverHeldInput();
    EXPECT_EQ(static_cast<std::uint16_t>(sim.desktop.AsyncKeyState(vk::kLButton)), 0x8000u);
    EXPECT_EQ(static_cast<std::uint16_t>(sim.desktop.KeyState(vk::kLButton)), 0x8001u);  // toggled by the press
    sim.user.Press(SimButton::Right);
    sim.user.Press(SimButton::Middle);
    for (int key : {vk::kRButton, vk::kMButton}) EXPECT_NE(sim.desktop.AsyncKeyState(key), 0);
    sim.input.SendMouseInput({MouseInputRecord{0, 0, 0, mouseevent::kLeftUp, 0}});
    sim.user.Release(SimButton::Right);
    EXPECT_EQ(sim.desktop.AsyncKeyState(vk::kLButton), 0);
    EXPECT_EQ(sim.desktop.KeyState(vk::kLButton), 1);  // up, toggle kept
    EXPECT_EQ(sim.desktop.AsyncKeyState(vk::kRButton), 0);
    EXPECT_NE(sim.desktop.AsyncKeyState(vk::kMButton), 0);
    // Move, down, press, press, up, release: each hook call saw the state before its event.
    const std::vector<std::int16_t> expected{0, 0, static_cast<std::int16_t>(0x8000), static_cast<std::int16_t>(0x8000),
                                             static_cast<std::int16_t>(0x8000), 0};
    EXPECT_EQ(leftInside, expected);
}

TEST_F(SimHooksTest, KeysArriveAsTheSystemReportsThemAndSetTheState) {
    WatchKeys();
    std::vector<bool> shiftInside;
    sim.hooks.InstallKeyboardHook(
        [&](const LowLevelKeyEvent&) { shiftInside.push_back(sim.desktop.KeyState(vk::kShift) < 0); });
    sim.user.Key(vk::kEscape);
    sim.user.KeyDown(vk::kShift);
    EXPECT_LT(sim.desktop.KeyState(vk::kShift), 0);
    EXPECT_LT(sim.desktop.KeyState(vk::kLShift), 0);
    sim.user.KeyDown(vk::kLShift + 1);  // right Shift too, then left let go: still held
    sim.user.KeyUp(vk::kShift);
    EXPECT_LT(sim.desktop.KeyState(vk::kShift), 0);
    sim.user.KeyUp(vk::kLShift + 1);
    EXPECT_EQ(sim.desktop.AsyncKeyState(vk::kShift), 0);
    sim.user.Key(vk::kF10);
    sim.user.KeyDown(vk::kMenu);
    sim.user.Key(vk::kF1 + 3);  // Alt+F4
    sim.user.KeyUp(vk::kMenu);
    sim.user.KeyDown(vk::kControl);
    sim.user.KeyDown(vk::kMenu);
    sim.user.Key(vk::kF1 + 2);  // Ctrl+Alt+F3: not a system key

    std::vector<KeySeen> seen;
    for (const auto& k : keys) {
        EXPECT_EQ(k.code, 0);
        EXPECT_EQ(k.time, 5000u);
        seen.push_back({k.message, k.vkCode, k.flags});
    }
    const std::vector<KeySeen> expected{
        {msg::kKeyDown, vk::kEscape, 0},           {msg::kKeyUp, vk::kEscape, 0x80},
        {msg::kKeyDown, vk::kLShift, 0},           {msg::kKeyDown, vk::kLShift + 1, 0},
        {msg::kKeyUp, vk::kLShift, 0x80},          {msg::kKeyUp, vk::kLShift + 1, 0x80},
        {msg::kSysKeyDown, vk::kF10, 0},           {msg::kSysKeyUp, vk::kF10, 0x80},
        {msg::kSysKeyDown, vk::kLMenu, 0x20},      {msg::kSysKeyDown, vk::kF1 + 3, 0x20},
        {msg::kSysKeyUp, vk::kF1 + 3, 0xA0},       {msg::kSysKeyUp, vk::kLMenu, 0xA0},
        {msg::kKeyDown, vk::kLControl, 0},         {msg::kKeyDown, vk::kLMenu, 0x20},
        {msg::kKeyDown, vk::kF1 + 2, 0x20},        {msg::kKeyUp, vk::kF1 + 2, 0xA0},
    };
    EXPECT_EQ(seen, expected);
    ASSERT_GE(shiftInside.size(), 4u);
    EXPECT_FALSE(shiftInside[2]);  // the Shift press itself does not see Shift down yet
    EXPECT_TRUE(shiftInside[3]);
    // A value set as it stands is answered as it stands.
    sim.desktop.SetKeyState(vk::kF1, static_cast<std::int16_t>(0x8001));
    EXPECT_EQ(static_cast<std::uint16_t>(sim.desktop.KeyState(vk::kF1)), 0x8001u);
    EXPECT_EQ(static_cast<std::uint16_t>(sim.desktop.AsyncKeyState(vk::kF1)), 0x8000u);
}

// The runner thread injects while the test thread inspects, and a hook calls
// back into the desktop and the input: nothing waits on a lock the other holds.
TEST_F(SimHooksTest, InjectionFromAnotherThreadWhileTheTestInspects) {
    sim::WindowSpec spec;
    spec.rect = {0, 0, 1280, 800};
    const WindowHandle window = sim.desktop.AddWindow(spec);
    std::atomic<int> seen{0};
    sim.hooks.InstallMouseHook([&](int, const LowLevelMouseEvent& e, std::uintptr_t) {
        if (sim.desktop.WindowFromPoint(e.point) == window) ++seen;
        static_cast<void>(sim.input.GetCursorPos());
    });
    constexpr int kClicks = 2000;
    std::thread runner([&] {
        for (int i = 0; i < kClicks; ++i) {
            sim.input.SendMouseInput({Absolute(i % 1280, i % 800, mouseevent::kLeftDown),
                                      MouseInputRecord{0, 0, 0, mouseevent::kLeftUp, 0}});
        }
        sim.input.DeliverHeldInput();
    });
    std::size_t looks = 0;
    while (seen.load() < 3 * kClicks && looks < 100000000) {
        static_cast<void>(sim.desktop.AsyncKeyState(vk::kLButton));
        static_cast<void>(sim.input.Batches().size());
        ++looks;
    }
    runner.join();
    EXPECT_EQ(seen.load(), 3 * kClicks);
    EXPECT_EQ(sim.input.Batches().size(), static_cast<std::size_t>(kClicks));
    EXPECT_EQ(sim.desktop.AsyncKeyState(vk::kLButton), 0);
}

}  // namespace
}  // namespace xd::sim
