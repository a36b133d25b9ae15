#include "recorder/app/Activities.h"

#include "documents/editor/ConfigLineSync.h"
#include "documents/files/DocumentTexts.h"
#include "platform/MessageBoxes.h"
#include "recorder/app/AppBindings.h"
#include "recorder/app/ScriptHeader.h"
#include "recorder/app/ScriptState.h"

namespace xd {
namespace {

void SetButton(AppContext& context, int button, int state) { context.model.window.buttons[button].state = state; }

// Command6, the editor and the status line come back as the activity ends.
void ReturnToIdleControls(AppContext& context) {
    context.model.window.statusText = context.model.title;
    context.view.SetCommand6Enabled(true);
    context.editor.SetUserEnabled(true);
}

void StartFreshScript(AppContext& context) {
    MainWindowState& window = context.model.window;
    window.currentFile.clear();
    SetWindowTitle(context, std::string(kNewScriptTitle));
    window.suppressModified = true;
    {
        AppBindings bindings(context);
        for (Slider slider : {Slider::Repeat, Slider::Speed}) {
            bindings.controls.SetSliderPosition(slider, 0);
            ApplySlider(bindings.script, slider);  // label only: the guard is set
        }
    }
    WriteScriptHeader(context);
    context.editor.EmptyUndoBuffer();
    window.suppressModified = false;
    window.modified = false;
}

void StartRecording(AppContext& context, bool continueScript) {
    if (!continueScript && ConfirmDiscard(context)) return;
    // The buttons again after the prompt: it holds nothing else off, and only an idle window records.
    if (ReadAppState(context.model.window.buttons) != AppState::Idle) return;
    context.model.window.recordingStoppedAt.reset();
    SetButton(context, kRecordButton, kButtonActive);
    if (!continueScript) StartFreshScript(context);
    SetButton(context, kPlayButton, kButtonDisabled);
    SetButton(context, kOpenButton, kButtonDisabled);
    SetButton(context, kSaveButton, kButtonDisabled);
    context.view.SetCommand6Enabled(false);
    if (context.hooks.resetRecorder) context.hooks.resetRecorder();
    context.editor.SetUserEnabled(false);
}

void StopRecording(AppContext& context) {
    // After Esc the last gesture ends at the key, not when this thread got here.
    const std::uint32_t tick =
        context.model.window.recordingStoppedAt.value_or(context.platform.clock.TickCount());
    context.model.window.recordingStoppedAt.reset();
    SetButton(context, kRecordButton, kButtonEnabled);
    SetButton(context, kPlayButton, kButtonEnabled);
    // Idle again, so the mark and Save follow what the recording wrote.
    if (context.editor.EditorIsModified()) MarkScriptModified(context);
    if (context.model.window.modified) SetButton(context, kSaveButton, kButtonEnabled);
    if (context.hooks.flushRecorder) context.hooks.flushRecorder(tick);
    SetButton(context, kOpenButton, kButtonEnabled);
    ReturnToIdleControls(context);
}

}  // namespace

void ToggleRecording(AppContext& context, bool continueScript) {
    const int state = context.model.window.buttons[kRecordButton].state;
    if (state == kButtonEnabled) {
        // Not behind a box of the window: its answer is about the script as it stands.
        if (context.model.prompts.Any()) return;
        StartRecording(context, continueScript);
    } else if (state == kButtonActive) {
        StopRecording(context);
    } else {
        return;
    }
    context.controls.RedrawToolbar();
}

void StopRecordingFromHook(AppContext& context) {
    MainWindowState& window = context.model.window;
    if (window.buttons[kRecordButton].state != kButtonActive || window.recordingStoppedAt) return;
    window.recordingStoppedAt = context.platform.clock.TickCount();
    // Without the message the stop could never finish: then it is done here.
    if (!context.platform.windows.PostMessage(context.view.Handle(), appmsg::kFinishRecordingStop, 0, 0)) {
        ToggleRecording(context, false);
    }
}

void TogglePlayback(AppContext& context) {
    AppModel& model = context.model;
    const int state = model.window.buttons[kPlayButton].state;
    if (state == kButtonEnabled) {
        if (model.prompts.Any()) return;
        std::string text = context.editor.GetEditorText();
        if (!HasPlayableLines(text)) {
            static_cast<void>(context.platform.boxes.Show(context.view.Handle(), std::string(kNothingToPlayText),
                                                          std::string(kNothingToPlayCaption),
                                                          mb::kOk | mb::kIconError));
            return;
        }
        SetButton(context, kPlayButton, kButtonActive);
        SetButton(context, kRecordButton, kButtonDisabled);
        SetButton(context, kOpenButton, kButtonDisabled);
        SetButton(context, kSaveButton, kButtonDisabled);
        context.view.SetCommand6Enabled(false);
        context.editor.SetUserEnabled(false);
        // The runner's start clears the stop flag together with making the earlier playback stale,
        // so an earlier runner not yet at its stop check cannot miss its stop.
        if (context.hooks.startPlayback) context.hooks.startPlayback(text);
    } else if (state == kButtonActive) {
        // The runner sees the request and ends on its own thread.
        model.stopRequested.store(true);
        SetButton(context, kPlayButton, kButtonEnabled);
        SetButton(context, kRecordButton, kButtonEnabled);
        if (model.window.modified) SetButton(context, kSaveButton, kButtonEnabled);
        SetButton(context, kOpenButton, kButtonEnabled);
        ReturnToIdleControls(context);
    } else {
        return;
    }
    context.controls.RedrawToolbar();
}

}  // namespace xd
