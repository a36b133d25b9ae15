// A playback on the simulated desktop: one target window, the overlays, the
// shared state, and a runner that plays on the test thread in virtual time.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

#include "engine/playback/Playback.h"
#include "platform/sim/SimPlatform.h"
#include "tests/support/SimOverlayWindows.h"

namespace xd::test {

// Target: window at (100, 100)–(500, 400) with a 30-pixel title bar, so the
// client origin is (100, 130) and the client area 400 × 270.
inline constexpr Point kClientOrigin{100, 130};

class PlaybackFixture : public ::testing::Test {
protected:
    PlaybackFixture() {
        sim.desktop.SetCurrentProcessId(7);
        sim::WindowSpec spec;
        spec.rect = Rect{100, 100, 500, 400};
        spec.clientInsets = sim::Insets{0, 30, 0, 0};
        spec.title = "记事本";
        spec.className = "Notepad";
        target = sim.desktop.AddWindow(spec);
        config.speed = 1.0f;
        run.pointerOverlay = overlays.CreatePointerOverlay();
        sim.input.PlaceCursor(Point{700, 600});
    }

    // The window a 目标窗口 statement would have chosen.
    void ChooseTarget() { run.targetWindow = target; }

    // Moves posted to the target, in order.
    std::vector<sim::MessageRecord> MessagesTo(std::uint32_t message) const {
        std::vector<sim::MessageRecord> out;
        for (const auto& m : sim.desktop.MessagesTo(target))
            if (m.message == message) out.push_back(m);
        return out;
    }

    // Everything but the moves, to see the button traffic.
    std::vector<sim::MessageRecord> ButtonTraffic() const {
        std::vector<sim::MessageRecord> out;
        for (const auto& m : sim.desktop.MessagesTo(target))
            if (m.message != msg::kMouseMove) out.push_back(m);
        return out;
    }

    // Lets the fixture runner play again after a stop it has seen.
    void ClearStop() {
        stopFlag = false;
        run.stopped = false;
    }

    // Sets the stop flag once the clock has slept `sleeps` times.
    // (The clock copies its hook for each call, so the count lives here.)
    void StopAfterSleeps(int sleeps) {
        sleepsSeen = 0;
        sim.clock.SetSleepHook([this, sleeps](const sim::SleepRecord&) {
            if (++sleepsSeen == sleeps) stopFlag = true;
        });
    }

    static std::intptr_t Packed(int x, int y) {
        return static_cast<std::intptr_t>((static_cast<std::uint32_t>(x) & 0xFFFF) |
                                          ((static_cast<std::uint32_t>(y) & 0xFFFF) << 16));
    }

    sim::SimPlatform sim;
    ScriptConfig config;
    std::atomic<bool> stopFlag{false};
    PlaybackState state{stopFlag};
    sim::SimOverlayWindows overlays{sim.desktop};
    ClickEffectSlots slots;
    std::mutex slotsGuard;
    DeviceScale scale;
    PlaybackServices services{config,   state,    sim.desktop, sim.input, sim.clock, sim.boxes,
                              overlays, {slots, slotsGuard}, scale, kNoWindow};
    Runner runner{services};
    PlaybackRun& run = *runner.run;  // the fixture runner's own state
    WindowHandle target = kNoWindow;
    std::atomic<int> sleepsSeen{0};
};

}  // namespace xd::test
