#include "recorder/app/MainWindowEvents.h"

#include <utility>

#include "appcore/window/ToolbarHover.h"
#include "documents/SettingsStore.h"
#include "documents/WindowPlacementStore.h"
#include "documents/editor/CommandHelp.h"
#include "documents/editor/ConfigLineSync.h"
#include "recorder/app/Activities.h"
#include "recorder/app/AppBindings.h"
#include "recorder/app/ScriptHeader.h"
#include "recorder/app/ScriptState.h"

namespace xd {
namespace {

void RunHook(const std::function<void()>& hook) {
    if (hook) hook();
}

}  // namespace

void RunFirstLoadStage(AppContext& context, const ApplicationInfo& info, std::string commandLinePath) {
    AppModel& model = context.model;
    model.window = InitialMainWindowState(info);
    model.settingsFile = SettingsFilePath(info.programFolder);
    model.commandLinePath = std::move(commandLinePath);
    SetWindowTitle(context, model.window.applicationTitle);
    context.view.SetTrayTip(model.window.applicationTitle);

    const WindowHandle window = context.view.Handle();
    RestoreWindowPlacement(context.platform.windows, context.platform.profile, model.settingsFile, window);
    context.view.SetWindowSize(kCompactWindowSize);
    // Idle from the start: the script on screen, new or opened, can be continued.
    context.view.SetCommand6Enabled(true);
    static_cast<void>(
        context.platform.windows.PostMessage(window, appmsg::kDeferredLoad, appmsg::kDeferredLoadParam, 0));
}

void RunDeferredLoad(AppContext& context) {
    AppModel& model = context.model;
    model.options = ReadOptions(context.platform.profile, model.settingsFile);
    model.window.recordKey = model.options.recordKey;
    model.window.playKey = model.options.playKey;

    model.window.suppressModified = true;
    WriteScriptHeader(context);
    context.view.FillCommandList(CommandNames());
    if (model.commandLinePath.empty()) {
        model.window.modified = false;
        SetWindowTitle(context, model.window.applicationTitle);
    } else {
        // A path naming no file is ignored.
        AppBindings bindings(context);
        static_cast<void>(OpenCommandLineDocument(bindings.document, model.commandLinePath));
    }
    RunHook(context.hooks.createClickEffectWindows);
    model.window.suppressModified = false;
    context.view.RepaintAll();
    TellHooksMissing(model.window.hooksNotice, context.platform.boxes, context.view.Handle());
}

void RunToolbarCommand(AppContext& context, ToolbarCommand command) {
    switch (command) {
        case ToolbarCommand::ToggleRecording: ToggleRecording(context, false); break;
        case ToolbarCommand::TogglePlayback: TogglePlayback(context); break;
        case ToolbarCommand::OpenDocument: OpenCommand(context); break;
        case ToolbarCommand::SaveDocument: static_cast<void>(SaveCommand(context)); break;
        case ToolbarCommand::ToggleMode: ToggleMode(context); break;
        case ToolbarCommand::ToggleEditor: ToggleEditorView(context); break;
        case ToolbarCommand::ShowHelpMenu: context.view.ShowHelpMenuAtPointer(); break;
        case ToolbarCommand::None: break;
    }
}

void ToggleMode(AppContext& context) {
    AppBindings bindings(context);
    const int state = context.model.window.buttons[kModeButton].state == kButtonEnabled ? kButtonActive
                                                                                         : kButtonEnabled;
    bindings.controls.SetModeButtonState(state);
    SetModeLine(context.editor, state != kButtonEnabled);
}

void ToggleEditorView(AppContext& context) {
    MainWindowState& window = context.model.window;
    // Resizing moves the editor, whose notifications must not mark the script.
    window.suppressModified = true;
    if (window.buttons[kEditorButton].state == kButtonEnabled) {
        window.buttons[kEditorButton].state = kButtonActive;
        context.view.SetWindowSize(kFullWindowSize);
        context.view.FocusEditor();
    } else {
        window.buttons[kEditorButton].state = kButtonEnabled;
        context.view.SetWindowSize(kCompactWindowSize);
    }
    window.suppressModified = false;
}

bool RunHelpMenuCommand(AppContext& context, int commandId) {
    switch (commandId) {
        case helpmenu::kSettings: RunHook(context.hooks.openSettingsDialog); return true;
        case helpmenu::kHelp: RunHook(context.hooks.openHelpPage); return true;
        case helpmenu::kAbout: RunHook(context.hooks.showAboutWindow); return true;
        case helpmenu::kMakeProgram: RunHook(context.hooks.makeProgram); return true;
        case helpmenu::kShow: context.view.SetVisible(true); return true;
        case helpmenu::kHide: context.view.SetVisible(false); return true;
        default: return false;
    }
}

void OnTrayButtonDown(AppContext& context, TrayButton button) {
    if (button == TrayButton::Left) {
        context.view.SetVisible(!context.view.IsVisible());
    } else {
        context.view.ShowHelpMenuAtPointer();
    }
}

bool HandleCustomMessage(AppContext& context, std::uint32_t message, std::uintptr_t wParam) {
    const ToolbarButtons& buttons = context.model.window.buttons;
    switch (message) {
        case appmsg::kDeferredLoad:
            if (wParam != appmsg::kDeferredLoadParam) return false;
            RunDeferredLoad(context);
            return true;
        case appmsg::kScrollEditorToEnd: context.editor.ScrollToEnd(); return true;
        case appmsg::kHelpHoverElapsed:
            if (ShouldShowHelpImage(context.model.window)) context.view.ShowHelpImage(true);
            return true;
        case appmsg::kRecordHotkey:
            // A disabled activity's hotkey is ignored.
            if (buttons[kRecordButton].state > kButtonDisabled) ToggleRecording(context, false);
            return true;
        case appmsg::kFinishRecordingStop:
            // The Record button may have finished this stop first.
            if (context.model.window.recordingStoppedAt) ToggleRecording(context, false);
            return true;
        case appmsg::kPlayHotkey:
            if (buttons[kPlayButton].state > kButtonDisabled) TogglePlayback(context);
            return true;
        default: return false;
    }
}

bool OnCloseRequest(AppContext& context) {
    // A foreground playback would go on clicking under the prompt: it stops first. A recording ends as by
    // its stop, so the lines it wrote count as a change the prompt asks about.
    if (context.model.window.buttons[kPlayButton].state == kButtonActive) TogglePlayback(context);
    if (ReadAppState(context.model.window.buttons) == AppState::Recording) ToggleRecording(context, false);
    if (ConfirmDiscard(context)) return false;
    SaveWindowPlacement(context.platform.windows, context.platform.profile, context.model.settingsFile,
                        context.view.Handle());
    return true;
}

void OnContinueRecording(AppContext& context) {
    if (context.model.window.buttons[kRecordButton].state == kButtonEnabled) ToggleRecording(context, true);
}

void OnSliderMoved(AppContext& context, Slider slider) {
    MarkScriptModified(context);
    AppBindings bindings(context);
    ApplySlider(bindings.script, slider);
    context.controls.RedrawToolbar();
}

void OnEditorUpdateUi(AppContext& context) {
    AppBindings bindings(context);
    SyncFromCaretLine(bindings.script);
}

}  // namespace xd
