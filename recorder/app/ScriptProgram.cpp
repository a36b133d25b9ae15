#include "recorder/app/ScriptProgram.h"

#include "documents/files/DocumentTexts.h"
#include "engine/CheckScript.h"
#include "recorder/app/ScriptState.h"

namespace xd {
namespace {

constexpr char kNothingToPlayText[] = "脚本里没有可以回放的鼠标操作。";

}  // namespace

MadeProgramRequest ScriptProgramRequest(AppContext& context) {
    const std::string text = context.editor.GetEditorText();
    MadeProgramRequest request{context.view.Handle(), context.model.window.info.productName,
                               context.model.window.currentFile, {}, {}};
    // The check of a playback, on settings of its own: the window's stay as they are.
    ScriptConfig scratch;
    const ScriptCheck check = CheckScript(text, scratch);
    if (check.status != ScriptCheckStatus::Passed) {
        request.refusal = check.message;
    } else if (!HasPlayableLines(text)) {
        request.refusal = kNothingToPlayText;
    } else {
        request.script = std::string(kUtf8ByteOrderMark) + text;
    }
    return request;
}

MadeProgramOutcome MakeScriptProgram(AppContext& context, IProgramCopies& copies) {
    if (ReadAppState(context.model.window.buttons) != AppState::Idle || context.model.prompts.Any()) {
        return MadeProgramOutcome::Cancelled;
    }
    const OpenPrompt prompts(context.model.prompts);
    return MakeProgram(context.platform.dialogs, context.platform.boxes, copies, ScriptProgramRequest(context));
}

}  // namespace xd
