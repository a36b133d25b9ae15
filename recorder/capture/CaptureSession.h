// Everything input capture needs for the program's lifetime, plugged into the
// main window through MainWindowHooks. The Win32 program keeps one of these
// beside its AppContext and forwards its two hook procedures and the
// apply-writes message here.
#pragma once
#include <cstdint>
#include <functional>

#include "recorder/app/AppModel.h"
#include "recorder/capture/EditorWrites.h"
#include "recorder/capture/InputHooks.h"
#include "recorder/capture/KeyCapture.h"
#include "recorder/capture/Recorder.h"

namespace xd {

// A suggested main-window message for "recorder lines are waiting": the
// worker posts it, the window procedure calls CaptureSession::ApplyEditorWrites.
namespace capturemsg {
constexpr std::uint32_t kApplyRecorderWrites = 9826;
}

class CaptureSession {
public:
    // `wakeMainThread` runs on the worker when writes start to wait; empty when
    // the caller applies them itself (tests).
    CaptureSession(AppContext& context, std::function<void()> wakeMainThread);
    CaptureSession(const CaptureSession&) = delete;
    CaptureSession& operator=(const CaptureSession&) = delete;

    // Sets resetRecorder and flushRecorder. The stop drains the event queue,
    // writes the last gesture and applies every waiting write before it returns.
    void PlugInto(MainWindowHooks& hooks);
    void SetClickEffect(std::function<void(Point, std::uint32_t)> show) { mouse_.showClickEffect = std::move(show); }

    // The hotkeys, and with 录制键盘 on a copy of the key for the recorder, beside the mouse's events.
    void OnKeyboardHook(const LowLevelKeyEvent& event);
    void OnMouseHook(int code, const LowLevelMouseEvent& event, std::uintptr_t extra) {
        static_cast<void>(RunStopByHand(context_, code, event));
        RunMouseHook(mouse_, context_.model, code, event, extra);
    }
    // Main thread: puts the waiting lines into the editor.
    std::size_t ApplyEditorWrites();

    Recorder& recorder() { return recorder_; }

private:
    EditorTarget Target();

    AppContext& context_;
    EditorWriteQueue writes_;
    Recorder recorder_;
    MouseHookTargets mouse_;
    KeyModifierTracker modifiers_;
};

// The wake-up the Win32 program normally passes: post the apply-writes message to the main window.
[[nodiscard]] std::function<void()> PostApplyWrites(IWindowSystem& windows, WindowHandle mainWindow);

}  // namespace xd
