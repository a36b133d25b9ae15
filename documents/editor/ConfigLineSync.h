// The two-way coupling between a script's 配置 lines and the controls: a
// slider or the Mode button rewrites its line; the caret on a 配置 line moves
// the controls (and the options those lines stand for) to the line's value.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "documents/Editor.h"
#include "documents/Options.h"
#include "documents/editor/ScriptControls.h"
#include "engine/ScriptConfig.h"
#include "platform/Profile.h"

namespace xd {

// What the main window hands the editor logic; built once, all owned by the
// main window. suppressModified is the main window's feedback guard: while it
// is set, sliders do not rewrite lines and editor changes do not mark the
// script modified (markScriptModified consumes it).
struct ScriptEditorContext {
    IEditor& editor;
    IScriptControls& controls;
    ScriptConfig& config;
    Options& options;
    IProfile& profile;
    std::string settingsFile;
    bool& suppressModified;
    std::function<void()> markScriptModified;
};

// Only the first 100 lines are searched for a key; a config block further
// down is not the header's and is left alone.
constexpr int kConfigSearchLines = 100;

// Replaces the first line among the first 100 that begins with key by line;
// without one, inserts line as the second line.
void RewriteConfigLine(IEditor& editor, std::string_view key, const std::string& line);

// After a slider moved, and when a script is shown: refreshes the slider's
// label; unless suppressModified is set, also stores the value in the script
// configuration and rewrites the slider's line.
void ApplySlider(ScriptEditorContext& context, Slider slider);

// The Mode button's line.
void SetModeLine(IEditor& editor, bool foreground);

// Brings sliders, labels and the Mode button in line with the configuration
// after a script was loaded; never rewrites a line.
void ShowScriptConfig(ScriptEditorContext& context);

// On every update-UI notification of the editor.
void SyncFromCaretLine(ScriptEditorContext& context);

}  // namespace xd
