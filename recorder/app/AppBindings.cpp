#include "recorder/app/AppBindings.h"

#include "recorder/app/ScriptState.h"

namespace xd {

void AppScriptControls::SetModeButtonState(int state) {
    model_.window.buttons[kModeButton].state = state;
    inner_.SetModeButtonState(state);
}

void AppDocumentWindow::SetTitle(const std::string& title) { SetWindowTitle(context_, title); }

void AppDocumentWindow::SetSaveButtonState(int state) { context_.model.window.buttons[kSaveButton].state = state; }

void AppDocumentWindow::SetPlayButtonState(int state) { context_.model.window.buttons[kPlayButton].state = state; }

void AppDocumentWindow::SetWaitCursor(bool waiting) { context_.view.SetWaitCursor(waiting); }

AppBindings::AppBindings(AppContext& context)
    : controls(context.model, context.controls),
      window(context),
      script{context.editor,
             controls,
             context.model.config,
             context.model.options,
             context.platform.profile,
             context.model.settingsFile,
             context.model.window.suppressModified,
             [&context] { MarkScriptModified(context); }},
      document{script,
               window,
               context.platform.files,
               context.platform.boxes,
               context.platform.dialogs,
               context.model.window.currentFile,
               context.model.window.modified,
               context.view.Handle(),
               context.model.window.info.programFolder} {}

}  // namespace xd
