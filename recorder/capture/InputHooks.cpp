#include "recorder/capture/InputHooks.h"

#include "appcore/playback/StopByHand.h"
#include "recorder/app/Activities.h"

namespace xd {

KeyboardHookDecision DecideKeyboardHook(const LowLevelKeyEvent& event, int recordKey, int playKey,
                                        AppState state) noexcept {
    KeyboardHookDecision decision;
    // Key-up and system keys (Alt combinations, F10) never act.
    if (event.code != kHookAction || event.message != msg::kKeyDown) return decision;
    // A playback's own keys (a scripted Esc or F2) must not stop or restart it.
    if (state == AppState::Playing && IsInjectedKey(event)) return decision;
    const auto key = static_cast<int>(event.vkCode);
    decision.postRecordHotkey = key == recordKey;
    decision.postPlayHotkey = key == playKey;
    if (event.vkCode == kVkEscape) {
        if (state == AppState::Recording) {
            decision.escape = EscapeAction::StopRecording;
        } else if (state == AppState::Playing) {
            decision.escape = EscapeAction::StopPlayback;
        }
    }
    return decision;
}

void RunKeyboardHook(AppContext& context, const LowLevelKeyEvent& event) {
    const MainWindowState& window = context.model.window;
    const KeyboardHookDecision decision =
        DecideKeyboardHook(event, window.recordKey, window.playKey, ReadAppState(window.buttons));
    IWindowSystem& windows = context.platform.windows;
    const WindowHandle main = context.view.Handle();
    if (decision.postRecordHotkey) static_cast<void>(windows.PostMessage(main, appmsg::kRecordHotkey, 0, 0));
    if (decision.postPlayHotkey) static_cast<void>(windows.PostMessage(main, appmsg::kPlayHotkey, 0, 0));
    switch (decision.escape) {
        case EscapeAction::StopRecording: StopRecordingFromHook(context); break;
        case EscapeAction::StopPlayback: TogglePlayback(context); break;
        case EscapeAction::None: break;
    }
}

bool RunStopByHand(AppContext& context, int code, const LowLevelMouseEvent& event) {
    AppModel& model = context.model;
    const bool foregroundPlayback = ReadAppState(model.window.buttons) == AppState::Playing &&
                                    !model.stopRequested.load() && model.config.foregroundMode.load() != 0;
    if (!IsStopByHand(model.pointerTrail, code, event, foregroundPlayback, model.options.stopOnMouseMove != 0))
        return false;
    TogglePlayback(context);
    model.window.statusIdle = std::string(kStoppedByHandStatus);
    model.window.statusText = model.window.statusIdle;
    context.controls.RedrawToolbar();
    return true;
}

MouseHookDecision DecideMouseHook(int code, std::uint32_t message, bool recording, bool demoClick) noexcept {
    // Movement is by far the most frequent event: out before anything else.
    if (message == msg::kMouseMove || code != kHookAction) return {};
    MouseHookDecision decision;
    decision.handOver = recording;
    decision.showClickEffect = demoClick && (message == msg::kLButtonDown || message == msg::kRButtonDown ||
                                             message == msg::kMButtonDown);
    return decision;
}

bool CaptureMouseEvent(IWindowSystem& windows, const LowLevelMouseEvent& event, std::uintptr_t extra,
                       CapturedMouseEvent& captured) {
    const WindowHandle window = windows.WindowFromPoint(event.point);
    if (windows.ProcessId(window) == windows.CurrentProcessId()) return false;
    captured = CapturedMouseEvent{window,          event.message, event.point.x, event.point.y,
                                  event.mouseData, event.flags,   event.time,    extra};
    return true;
}

void RunMouseHook(MouseHookTargets& targets, const AppModel& model, int code, const LowLevelMouseEvent& event,
                  std::uintptr_t extra) {
    // Nothing after Esc is taken, though the stop is not finished yet.
    const bool recording =
        model.window.buttons[kRecordButton].state == kButtonActive && !model.window.recordingStoppedAt;
    const MouseHookDecision decision = DecideMouseHook(code, event.message, recording, model.options.demoClick != 0);
    if (decision.handOver) {
        CapturedMouseEvent captured;
        if (CaptureMouseEvent(targets.windows, event, extra, captured)) {
            static_cast<void>(targets.recorder.HandOver(captured));
        }
    }
    if (decision.showClickEffect && targets.showClickEffect) targets.showClickEffect(event.point, event.message);
}

}  // namespace xd
