// Any stream of mouse and key events through the recording path (the hooks, the queue, the worker's gesture
// building, the editor writes, Esc), at 96 or 144 DPI, in or out of exclusive mode, with 录制键盘 on or off,
// with the worker keeping up or falling behind, across the tick count's wrap, while windows open and close
// and the focus moves: whatever the hand does, the script left in the editor must pass the check a
// playback runs.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/CheckScript.h"
#include "platform/sim/SimPlatform.h"
#include "recorder/app/Activities.h"
#include "recorder/app/MainWindowEvents.h"
#include "recorder/capture/CaptureSession.h"
#include "tests/support/MainWindowView.h"
#include "tests/support/MemoryEditor.h"
#include "tests/support/MemoryScriptControls.h"

namespace {

constexpr std::uint32_t kOwnProcess = 1;
constexpr int kMaxEvents = 300;
constexpr int kIdNo = 7;

// Modifiers of both sides, keys that type text with and without Shift, keys that type none, the hotkeys,
// an input method's key, VK_PACKET and the ends of the range.
constexpr std::array<int, 24> kKeys{0x10, 0x11, 0x12, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0x5B, 0x5C, 'A',
                                    'Z', '7', 0xDE, 0x20, 0x0D, 0x09, 0x08, 0x71, 0x72, 0xE5, 0xE7, 0xFE};

xd::WindowHandle AddWindow(xd::sim::SimDesktop& desktop, std::uint32_t process, xd::Rect rect, xd::sim::Insets insets,
                           std::string title, std::string className, xd::WindowHandle parent = xd::kNoWindow) {
    xd::sim::WindowSpec spec;
    spec.processId = process;
    spec.parent = parent;
    spec.rect = rect;
    spec.clientInsets = insets;
    spec.title = std::move(title);
    spec.className = std::move(className);
    return desktop.AddWindow(spec);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    xd::sim::SimPlatform sim;
    sim.boxes.SetDefaultAnswer(kIdNo);  // a new recording over an unsaved one discards it
    sim.desktop.SetCurrentProcessId(kOwnProcess);
    sim.desktop.SetScreenSize({1920, 1080});
    if (in.ConsumeBool()) sim.desktop.SetDpi(144, 144);
    sim.clock.Advance(in.ConsumeIntegral<std::uint32_t>());  // anywhere in the tick count's range

    xd::test::RecordingMainWindowView view;
    view.handle = AddWindow(sim.desktop, kOwnProcess, {1500, 0, 1775, 76}, {}, "岚榕_迅点小侠", "迅点小侠4_Form1");
    const xd::WindowHandle notes =
        AddWindow(sim.desktop, 200, {100, 100, 700, 500}, {8, 31, 8, 8}, "无标题 - 记事本", "Notepad");
    AddWindow(sim.desktop, 200, {150, 200, 400, 300}, {2, 2, 2, 2}, "", "Edit", notes);
    AddWindow(sim.desktop, 300, {800, 100, 1200, 400}, {0, 20, 0, 0}, "Start \"Page\"\"", "Browser\"", xd::kNoWindow);
    AddWindow(sim.desktop, 400, {0, 600, 1920, 1080}, {}, "", "");

    xd::MemoryEditor editor;
    xd::MemoryScriptControls controls;
    xd::AppModel model;
    model.options.exclusiveMode = in.ConsumeBool() ? 1 : 0;
    model.options.recordKeyboard = in.ConsumeBool() ? 1 : 0;
    xd::AppContext context{model, editor, controls, view, sim.platform(), {}};
    xd::CaptureSession session{context, {}};
    session.PlugInto(context.hooks);
    sim.hooks.InstallKeyboardHook([&session](const xd::LowLevelKeyEvent& e) { session.OnKeyboardHook(e); });
    sim.desktop.SetForegroundWindow(notes);

    // The main window's turn: what was posted to it since its last turn (Esc's stop among it), in order.
    std::size_t dispatched = 0;
    auto mainWindowTurn = [&] {
        const auto posted = sim.desktop.MessagesTo(view.handle);
        for (; dispatched < posted.size(); ++dispatched) {
            static_cast<void>(xd::HandleCustomMessage(context, posted[dispatched].message, posted[dispatched].wParam));
        }
    };
    const auto esc = [&] {
        session.OnKeyboardHook(xd::LowLevelKeyEvent{0, xd::msg::kKeyDown, 27, 1, 0, sim.clock.TickCount()});
    };

    xd::ToggleRecording(context, false);
    bool keepUp = true;
    for (int i = 0; i < kMaxEvents && in.remaining_bytes() > 0; ++i) {
        const int op = in.ConsumeIntegralInRange(0, 17);
        const std::uint32_t afterMs = in.ConsumeBool() ? in.ConsumeIntegralInRange<std::uint32_t>(0, 3000)
                                                       : in.ConsumeIntegral<std::uint32_t>();
        const xd::Point at{in.ConsumeIntegralInRange(-50, 1970), in.ConsumeIntegralInRange(-50, 1130)};
        sim.clock.Advance(afterMs);
        std::uint32_t message = 0, mouseData = 0;
        switch (op) {
            case 0: message = xd::msg::kLButtonDown; break;
            case 1: message = xd::msg::kLButtonUp; break;
            case 2: message = xd::msg::kRButtonDown; break;
            case 3: message = xd::msg::kRButtonUp; break;
            case 4: message = xd::msg::kMButtonDown; break;
            case 5: message = xd::msg::kMButtonUp; break;
            case 6:
                message = xd::msg::kMouseWheel;
                mouseData = static_cast<std::uint32_t>(in.ConsumeIntegral<std::uint16_t>()) << 16;
                break;
            case 7: message = xd::msg::kMouseMove; break;
            case 8: keepUp = !keepUp; break;
            case 9: session.recorder().DrainNow(); break;
            case 10: esc(); break;  // the stop waits for the main window's turn; events meanwhile are not taken
            case 13:
                // The main window's turn; idle after it, a new or a continued recording starts.
                mainWindowTurn();
                if (model.window.buttons[xd::kRecordButton].state == xd::kButtonEnabled) {
                    xd::ToggleRecording(context, in.ConsumeBool());
                }
                break;
            case 11: session.ApplyEditorWrites(); break;
            case 14: {
                // A key of the hand, one some program sent, or any key code at all.
                const int key = in.ConsumeBool() ? kKeys[in.ConsumeIntegralInRange<std::size_t>(0, kKeys.size() - 1)]
                                                 : in.ConsumeIntegralInRange(1, 254);
                const bool down = in.ConsumeBool();
                if (in.ConsumeIntegralInRange(0, 7) == 0) {
                    const auto vk = static_cast<std::uint16_t>(key);
                    static_cast<void>(sim.input.SendKeyInput({{vk, 0, down ? 0u : xd::keyevent::kKeyUp, 0}}));
                } else if (down) {
                    sim.user.KeyDown(key);
                } else {
                    sim.user.KeyUp(key);
                }
                break;
            }
            case 15:
                // The focus moves to the window at a point (perhaps a child, perhaps the program's own).
                sim.desktop.SetForegroundWindow(sim.desktop.WindowFromPoint(at));
                sim.desktop.SetFocus(sim.desktop.WindowFromPoint(at));
                break;
            case 16: sim.user.Key(kKeys[in.ConsumeIntegralInRange<std::size_t>(11, 17)]); break;  // typing
            case 12:
                // A window closes (perhaps under a press still being handled), or a new one opens.
                if (in.ConsumeBool()) {
                    sim.desktop.DestroyWindow(sim.desktop.WindowFromPoint(at));
                } else {
                    AddWindow(sim.desktop, in.ConsumeIntegralInRange<std::uint32_t>(200, 203),
                              {at.x, at.y, at.x + 300, at.y + 200}, {0, 20, 0, 0}, in.ConsumeRandomLengthString(40),
                              in.ConsumeRandomLengthString(20));
                }
                break;
            default: message = xd::msg::kLButtonDown; break;
        }
        if (message != 0) {
            session.OnMouseHook(0, xd::LowLevelMouseEvent{message, at, mouseData, 0, sim.clock.TickCount()}, 0);
        }
        if (keepUp) {
            session.recorder().DrainNow();
            session.ApplyEditorWrites();
        }
    }
    esc();
    mainWindowTurn();

    const std::string text = editor.GetEditorText();
    xd::ScriptConfig config;
    const xd::ScriptCheck check = xd::CheckScript(text, config);
    if (check.status != xd::ScriptCheckStatus::Passed) {
        std::fprintf(stderr, "recorded script fails the check: %s\n%s\n", check.message.c_str(), text.c_str());
        __builtin_trap();
    }
    return 0;
}
