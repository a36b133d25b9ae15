// What the two low-level hooks do, as functions of the event and the run
// state. The Win32 hook procedures only convert the hook data, call these and
// always end with CallNextHookEx: nothing here swallows or alters an event.
#pragma once
#include <cstdint>
#include <functional>

#include "appcore/window/ToolbarButton.h"
#include "platform/Types.h"
#include "platform/WindowSystem.h"
#include "recorder/app/AppModel.h"
#include "recorder/capture/CapturedMouseEvent.h"
#include "recorder/capture/Recorder.h"

namespace xd {

constexpr int kHookAction = 0;  // HC_ACTION
constexpr std::uint32_t kVkEscape = 27;

enum class EscapeAction { None, StopRecording, StopPlayback };

struct KeyboardHookDecision {
    bool postRecordHotkey = false;
    bool postPlayHotkey = false;
    EscapeAction escape = EscapeAction::None;
    friend bool operator==(const KeyboardHookDecision&, const KeyboardHookDecision&) = default;
};

[[nodiscard]] KeyboardHookDecision DecideKeyboardHook(const LowLevelKeyEvent& event, int recordKey, int playKey,
                                                      AppState state) noexcept;

// Posts the hotkey messages to the main window. Esc ends a playback inside the
// hook call; a recording stops taking events at once and the main window
// finishes its stop (StopRecordingFromHook), so a long queue never holds the
// hook past the system's time limit. Main thread only.
void RunKeyboardHook(AppContext& context, const LowLevelKeyEvent& event);

struct MouseHookDecision {
    bool handOver = false;         // copy the event to the recorder
    bool showClickEffect = false;  // the click demonstration
    friend bool operator==(const MouseHookDecision&, const MouseHookDecision&) = default;
};

[[nodiscard]] MouseHookDecision DecideMouseHook(int code, std::uint32_t message, bool recording,
                                                bool demoClick) noexcept;

// The copy the recorder gets; false when the window under the point is the
// program's own (its toolbar, editor and overlays are never recorded).
[[nodiscard]] bool CaptureMouseEvent(IWindowSystem& windows, const LowLevelMouseEvent& event, std::uintptr_t extra,
                                     CapturedMouseEvent& captured);

// Where the mouse hook sends what it decided.
struct MouseHookTargets {
    IWindowSystem& windows;
    Recorder& recorder;
    // The click-effect overlay at a screen point, for 513, 516 or 519.
    std::function<void(Point screen, std::uint32_t message)> showClickEffect;
};

// A stop by hand: the user's own mouse move during a foreground playback stops it as Esc does, and the
// status line says why. True when it stopped the playback. Main thread only.
bool RunStopByHand(AppContext& context, int code, const LowLevelMouseEvent& event);

// Main thread only (it reads the run state and options the main window owns).
void RunMouseHook(MouseHookTargets& targets, const AppModel& model, int code, const LowLevelMouseEvent& event,
                  std::uintptr_t extra);

}  // namespace xd
