// The main window's state beyond MainWindowState, and the bundle of everything
// the main-window operations work through.
#pragma once
#include <atomic>
#include <string>

#include "appcore/playback/PlayerPointerTrail.h"
#include "appcore/window/MainWindowState.h"
#include "documents/Editor.h"
#include "documents/Options.h"
#include "documents/editor/ScriptControls.h"
#include "engine/ScriptConfig.h"
#include "platform/Platform.h"
#include "platform/common/OpenPrompts.h"
#include "recorder/app/MainWindowView.h"

namespace xd {

// Owned by the main window for the whole run; not copyable (ScriptConfig and
// stopRequested are shared with the runner thread).
struct AppModel {
    MainWindowState window;
    std::string title;  // the window title as shown, " *" included
    Options options;
    ScriptConfig config;
    std::atomic<bool> stopRequested{false};
    // Where the runner put the pointer lately: the mouse hook tells the user's hand from it.
    PlayerPointerTrail pointerTrail;
    std::string settingsFile;
    std::string commandLinePath;  // the script to open at start-up, "" for none
    // While one is up, neither a recording nor a playback starts (see OpenPrompts).
    OpenPrompts prompts;
};

struct AppContext {
    AppModel& model;
    IEditor& editor;
    IScriptControls& controls;  // sliders, labels, List1, Text1/Text2, the strip's redraw
    IMainWindowView& view;
    Platform platform;
    MainWindowHooks hooks;
};

}  // namespace xd
