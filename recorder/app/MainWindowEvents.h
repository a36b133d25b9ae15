// The main window's start-up and what each of its events does, over AppModel.
// The Win32 window procedure calls these and does the window work they ask of
// IMainWindowView.
#pragma once
#include <cstdint>
#include <string>

#include "appcore/window/AppInfo.h"
#include "appcore/window/ToolbarButton.h"
#include "documents/editor/ScriptControls.h"
#include "recorder/app/AppModel.h"

namespace xd {

// First stage, after Form1 and its controls exist and the hooks are in:
// title and tray tip, placement restored from the settings file, compact
// size, initial buttons and 继续录制 enabled; then the deferred load is posted.
// The caller shows the window and focuses the editor afterwards.
void RunFirstLoadStage(AppContext& context, const ApplicationInfo& info, std::string commandLinePath);

// Second stage, on the deferred-load message: options, the header of a new
// script, the command list, the script named on the command line, the
// click-effect windows; then the whole window is repainted.
void RunDeferredLoad(AppContext& context);

// A toolbar button released over the button it was pressed on (state above 0).
void RunToolbarCommand(AppContext& context, ToolbarCommand command);

// Mode: toggles background / foreground and rewrites the 前台模式 line.
void ToggleMode(AppContext& context);
// Editor: toggles the compact strip and the full window.
void ToggleEditorView(AppContext& context);

// PopupMenu1 (tray and Help). False for an id that is not one of its commands.
bool RunHelpMenuCommand(AppContext& context, int commandId);

enum class TrayButton { Left, Right };
void OnTrayButtonDown(AppContext& context, TrayButton button);

// The custom messages; false when the message is not one of them.
bool HandleCustomMessage(AppContext& context, std::uint32_t message, std::uintptr_t wParam);

// Window close: true when the window may close (placement then saved).
[[nodiscard]] bool OnCloseRequest(AppContext& context);

// Command6, "继续录制": continue recording into the current script.
void OnContinueRecording(AppContext& context);

void OnSliderMoved(AppContext& context, Slider slider);

// The editor's update-UI notification.
void OnEditorUpdateUi(AppContext& context);

}  // namespace xd
