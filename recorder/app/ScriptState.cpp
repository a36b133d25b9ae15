#include "recorder/app/ScriptState.h"

#include "engine/Keywords.h"
#include "engine/ScriptText.h"
#include "recorder/app/AppBindings.h"

namespace xd {

void SetWindowTitle(AppContext& context, const std::string& title) {
    context.model.title = title;
    context.view.SetWindowTitle(title);
}

void MarkScriptModified(AppContext& context) {
    MainWindowState& window = context.model.window;
    if (window.suppressModified) {
        window.suppressModified = false;
        return;
    }
    // While recording or playing the title and Save belong to the activity;
    // stopping it brings them in line.
    if (ReadAppState(window.buttons) == AppState::Idle && !window.modified) {
        SetWindowTitle(context, context.model.title + std::string(kModifiedMark));
        window.buttons[kSaveButton].state = kButtonEnabled;
    }
    window.modified = true;
}

bool ConfirmDiscard(AppContext& context) {
    if (!context.model.window.modified) return false;
    const OpenPrompt prompt(context.model.prompts);
    const int answer = context.platform.boxes.Show(context.view.Handle(), std::string(kConfirmDiscardText),
                                                   std::string(kConfirmDiscardCaption), kConfirmDiscardFlags);
    if (answer == id::kNo) return false;
    if (answer != id::kYes) return true;  // Cancel, or the box closed some other way
    // A save that did not reach the disk must not let the script go.
    return SaveCommand(context) != SaveOutcome::Saved;
}

bool HasPlayableLines(std::string_view scriptText) noexcept {
    std::size_t pos = 0;
    std::string_view line;
    while (NextScriptLine(scriptText, pos, line)) {
        const Keyword* keyword = FindKeyword(StripSpaces(line));
        if (keyword != nullptr && IsActionCommand(keyword->kind)) return true;
    }
    return false;
}

void OpenCommand(AppContext& context) {
    // The save prompt, the dialog and the boxes of a refused file.
    const OpenPrompt prompts(context.model.prompts);
    if (ConfirmDiscard(context)) return;
    AppBindings bindings(context);
    static_cast<void>(OpenDocument(bindings.document));
}

SaveOutcome SaveCommand(AppContext& context) {
    const OpenPrompt prompts(context.model.prompts);
    AppBindings bindings(context);
    return SaveDocument(bindings.document);
}

}  // namespace xd
