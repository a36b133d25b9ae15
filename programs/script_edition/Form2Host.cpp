#include "Form2Host.h"

#include <string>

#include "recorder/app/AppBindings.h"

namespace xd::script_edition {

void Form2Host::Open(AppContext& app) noexcept {
    try {
        // The bindings live on this frame, which the modal loop keeps alive until the dialog closes.
        AppBindings bindings(app);
        const ApplicationInfo& info = app.model.window.info;
        SettingsDialogContext context{form_,
                                      state_,
                                      bindings.script,
                                      app.platform.registry,
                                      app.platform.boxes,
                                      info.programFolder + info.programFileName,
                                      app.view.Handle()};
        // A second request while the dialog is open only brings it forward; the first context stays bound.
        const bool outermost = !state_.open;
        // The hooks, the status line and the button hints read the main window's copy of the keys.
        if (outermost) {
            form_.Bind(&context, [&app] {
                app.model.window.recordKey = app.model.options.recordKey;
                app.model.window.playKey = app.model.options.playKey;
            });
        }
        OpenSettingsDialog(context);
        if (outermost) form_.Bind(nullptr);
    } catch (...) {
        // Only the bindings can throw, before anything is bound: no dialog, the main window carries on.
    }
}

}  // namespace xd::script_edition
