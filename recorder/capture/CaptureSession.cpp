#include "recorder/capture/CaptureSession.h"

namespace xd {

CaptureSession::CaptureSession(AppContext& context, std::function<void()> wakeMainThread)
    : context_(context),
      writes_(std::move(wakeMainThread)),
      recorder_(context.platform.windows, writes_),
      mouse_{context.platform.windows, recorder_, {}} {}

EditorTarget CaptureSession::Target() {
    return EditorTarget{context_.editor, context_.platform.windows, context_.view.Handle()};
}

void CaptureSession::PlugInto(MainWindowHooks& hooks) {
    hooks.resetRecorder = [this] {
        // Lines of an earlier recording must not land in the new script.
        static_cast<void>(writes_.TakePending());
        recorder_.Reset(context_.model.options.exclusiveMode != 0);
    };
    hooks.flushRecorder = [this](std::uint32_t tick) {
        recorder_.Stop(tick);
        static_cast<void>(ApplyEditorWrites());
    };
}

void CaptureSession::OnKeyboardHook(const LowLevelKeyEvent& event) {
    // Judged before the hotkeys act, under the state the key arrived in.
    const std::uint8_t modifiers = modifiers_.Follow(event);
    const AppModel& model = context_.model;
    const KeyCaptureSettings settings{
        model.window.buttons[kRecordButton].state == kButtonActive && !model.window.recordingStoppedAt,
        model.options.recordKeyboard != 0, model.window.recordKey, model.window.playKey};
    CapturedKeyEvent captured;
    if (DecideKeyCapture(event, settings) && CaptureKeyEvent(context_.platform.windows, event, modifiers, captured))
        static_cast<void>(recorder_.HandOver(captured));
    RunKeyboardHook(context_, event);
}

std::size_t CaptureSession::ApplyEditorWrites() { return writes_.ApplyPending(Target()); }

std::function<void()> PostApplyWrites(IWindowSystem& windows, WindowHandle mainWindow) {
    return [&windows, mainWindow] {
        static_cast<void>(windows.PostMessage(mainWindow, capturemsg::kApplyRecorderWrites, 0, 0));
    };
}

}  // namespace xd
