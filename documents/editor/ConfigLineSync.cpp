#include "documents/editor/ConfigLineSync.h"

#include <algorithm>

#include "documents/ProfileValues.h"
#include "documents/SettingsStore.h"
#include "documents/editor/CommandHelp.h"
#include "documents/editor/SliderScales.h"
#include "engine/ScriptSyntax.h"

namespace xd {
namespace {

void ShowRepeatCount(ScriptEditorContext& context) {
    context.controls.SetSliderPosition(Slider::Repeat, context.config.repeatCount.load());
    ApplySlider(context, Slider::Repeat);
}

void ShowSpeed(ScriptEditorContext& context) {
    context.controls.SetSliderPosition(Slider::Speed, SpeedPositionForFactor(context.config.speed.load()));
    ApplySlider(context, Slider::Speed);
}

void ShowMode(ScriptEditorContext& context) {
    context.controls.SetModeButtonState(context.config.foregroundMode.load() != 0 ? kModeButtonForeground
                                                                                   : kModeButtonBackground);
}

void StoreOption(ScriptEditorContext& context, std::int32_t& option, std::string_view key, std::int32_t value) {
    option = value;
    // A failed write is not reported; the option keeps its value for this run.
    static_cast<void>(WriteOption(context.profile, context.settingsFile, kOptionsSection, key, FormatProfileInt(value)));
}

}  // namespace

void RewriteConfigLine(IEditor& editor, std::string_view key, const std::string& line) {
    const int searched = std::min(editor.EditorLineCount(), kConfigSearchLines);
    for (int i = 0; i < searched; ++i) {
        if (editor.GetEditorLine(i).starts_with(key)) {
            editor.ReplaceEditorLine(i, line);
            return;
        }
    }
    // A one-line script has no second line to insert at: the text would join
    // the header comment, so the header gets its line end first.
    if (editor.EditorLineCount() < 2) editor.AppendText("\r\n");
    editor.MoveCaretToLine(1);
    editor.InsertAtCaret(line + "\r\n");
}

void ApplySlider(ScriptEditorContext& context, Slider slider) {
    const int position = context.controls.SliderPosition(slider);
    if (slider == Slider::Repeat) {
        context.controls.SetSliderLabel(slider, RepeatLabel(position));
        if (context.suppressModified) return;
        context.config.repeatCount.store(position);
        RewriteConfigLine(context.editor, kRepeatCountKey, RepeatCountLine(position));
    } else {
        context.controls.SetSliderLabel(slider, SpeedLabel(position));
        if (context.suppressModified) return;
        const float factor = SpeedFactorForPosition(position);
        context.config.speed.store(factor);
        RewriteConfigLine(context.editor, kSpeedKey, SpeedLine(factor));
    }
}

void SetModeLine(IEditor& editor, bool foreground) {
    RewriteConfigLine(editor, kForegroundModeKey, ForegroundModeLine(foreground));
}

void ShowScriptConfig(ScriptEditorContext& context) {
    const bool wasSuppressed = context.suppressModified;
    context.suppressModified = true;
    ShowRepeatCount(context);
    ShowSpeed(context);
    ShowMode(context);
    context.controls.RedrawToolbar();
    context.suppressModified = wasSuppressed;
}

void SyncFromCaretLine(ScriptEditorContext& context) {
    if (!context.suppressModified && context.editor.EditorIsModified() && context.markScriptModified) {
        context.markScriptModified();
    }
    const int caretLine = context.editor.CaretLine();
    if (caretLine < 0) return;
    // UTF-8 prefixes of the UTF-8 names decide exactly as GBK ones would.
    const std::string line = context.editor.GetEditorLine(caretLine);
    if (line.starts_with('\'')) return;
    const std::optional<int> command = CommandOfLine(line);
    if (!command) return;
    context.controls.SelectCommand(*command);
    ShowCommandHelp(context.controls, *command);

    if (context.suppressModified) return;
    context.suppressModified = true;
    // The random offset is read only at playback; nothing beside the line shows it.
    if (*command >= kCmdRepeatCount && *command != kCmdRandomOffset) {
        ApplyConfigLine(line, context.config);
        switch (*command) {
            case kCmdRepeatCount: ShowRepeatCount(context); break;
            case kCmdSpeed: ShowSpeed(context); break;
            case kCmdForegroundMode: ShowMode(context); break;
            case kCmdClickEffect:
                StoreOption(context, context.options.clickEffect, optionkey::kClickEffect,
                            context.config.clickEffect.load());
                break;
            case kCmdVirtualPointer:
                StoreOption(context, context.options.virtualPointer, optionkey::kVirtualPointer,
                            context.config.virtualPointer.load());
                break;
            default: break;
        }
    }
    context.controls.RedrawToolbar();
    context.suppressModified = false;
}

}  // namespace xd
