// Any script text played through on the simulated desktop, in virtual time: the playback must end by itself
// or at the stop the harness requests after a bounded number of sleeps (or of messages: keys typed in the
// foreground need no target and may repeat without a wait), close its pointer overlay, and never leave a
// button or a key down (every press it posted or injected has its release).
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "appcore/playback/ClickEffects.h"
#include "engine/CheckScript.h"
#include "engine/playback/Playback.h"
#include "engine/playback/ScriptRunner.h"
#include "platform/sim/SimPlatform.h"
#include "tests/support/SimOverlayWindows.h"

namespace {

constexpr std::size_t kMaxScriptBytes = 4096;
constexpr int kMaxSleeps = 3000;
constexpr int kMaxMessages = 20000;
constexpr char kHeader[] = "'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改\r\n";

struct ButtonPair {
    std::uint32_t down, up;
};
constexpr std::array<ButtonPair, 6> kPostedPairs{{{xd::msg::kLButtonDown, xd::msg::kLButtonUp},
                                                  {xd::msg::kRButtonDown, xd::msg::kRButtonUp},
                                                  {xd::msg::kMButtonDown, xd::msg::kMButtonUp},
                                                  {xd::msg::kNcLButtonDown, xd::msg::kNcLButtonUp},
                                                  {xd::msg::kNcRButtonDown, xd::msg::kNcRButtonUp},
                                                  {xd::msg::kNcMButtonDown, xd::msg::kNcMButtonUp}}};
constexpr std::array<ButtonPair, 3> kInjectedPairs{{{xd::mouseevent::kLeftDown, xd::mouseevent::kLeftUp},
                                                    {xd::mouseevent::kRightDown, xd::mouseevent::kRightUp},
                                                    {xd::mouseevent::kMiddleDown, xd::mouseevent::kMiddleUp}}};

// Repetitions of nothing but configuration never sleep, so the harness could not stop an endless or a
// very long run of them; the program refuses to play a script without a mouse line anyway.
bool Spins(const std::string& text) {
    xd::ScriptConfig scratch;
    const xd::ScriptCheck check = xd::CheckScript(text, scratch);
    if (check.status != xd::ScriptCheckStatus::Passed) return false;
    for (const auto& c : check.commands)
        if (c.kind != xd::CommandKind::Config) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxScriptBytes) return 0;
    const std::string text = kHeader + std::string(reinterpret_cast<const char*>(data), size);
    if (Spins(text)) return 0;

    xd::sim::SimPlatform sim;
    sim.desktop.SetCurrentProcessId(7);
    xd::sim::WindowSpec spec;
    spec.rect = xd::Rect{100, 100, 500, 400};
    spec.clientInsets = xd::sim::Insets{0, 30, 0, 0};
    spec.title = "记事本";
    spec.className = "Notepad";
    const xd::WindowHandle top = sim.desktop.AddWindow(spec);
    for (int i = 0; i < 2; ++i) {
        xd::sim::WindowSpec child;
        child.parent = top;
        child.rect = xd::Rect{120 + 100 * i, 150, 200 + 100 * i, 250};
        child.className = "Edit";
        const xd::WindowHandle edit = sim.desktop.AddWindow(child);
        if (i == 1) sim.desktop.SetFocus(edit);
    }
    sim.desktop.SetForegroundWindow(top);
    sim.input.PlaceCursor(xd::Point{700, 600});

    xd::ScriptConfig config;
    config.speed = 1.0f;
    config.repeatCount = 1;
    std::atomic<bool> stop{false};
    xd::PlaybackState state{stop};
    xd::sim::SimOverlayWindows overlays{sim.desktop};
    xd::ClickEffectSlots slots;
    std::mutex slotsGuard;
    xd::DeviceScale scale;
    xd::PlaybackServices services{config,   state,    sim.desktop, sim.input, sim.clock, sim.boxes,
                                  overlays, {slots, slotsGuard}, scale, xd::kNoWindow};
    xd::CreateClickEffectWindows(services.effects, overlays);
    int sleeps = 0;
    sim.clock.SetSleepHook([&](const xd::sim::SleepRecord&) {
        if (++sleeps == kMaxSleeps) stop = true;
    });
    std::atomic<int> seen{0};
    sim.desktop.SetMessageObserver([&](const xd::sim::MessageRecord&) {
        if (++seen == kMaxMessages) stop = true;
    });

    const int started = xd::RunScript(services, text, [](std::function<void()> work) {
        work();
        return true;
    });
    if (started == 0 && sim.desktop.IsWindow(state.current->pointerOverlay.load())) __builtin_trap();
    if (!stop.load()) __builtin_trap();

    const auto messages = sim.desktop.Messages();
    for (const ButtonPair& pair : kPostedPairs) {
        long balance = 0;
        for (const auto& m : messages) balance += (m.message == pair.down) - (m.message == pair.up);
        if (balance != 0) __builtin_trap();
    }
    // Keys by the generic key the messages carry: each down has its up.
    std::array<long, 256> keys{};
    for (const auto& m : messages) {
        const bool down = m.message == xd::msg::kKeyDown || m.message == xd::msg::kSysKeyDown;
        const bool up = m.message == xd::msg::kKeyUp || m.message == xd::msg::kSysKeyUp;
        if (down || up) keys[m.wParam & 0xFF] += down ? 1 : -1;
    }
    for (const long balance : keys)
        if (balance != 0) __builtin_trap();
    for (const int key : {0x10, 0x11, 0x12, 0x5B})
        if (sim.desktop.KeyState(key) & 0x8000) __builtin_trap();
    const auto records = sim.input.AllRecords();
    for (const ButtonPair& pair : kInjectedPairs) {
        long balance = 0;
        for (const auto& r : records) balance += ((r.flags & pair.down) != 0) - ((r.flags & pair.up) != 0);
        if (balance != 0) __builtin_trap();
    }
    return 0;
}
