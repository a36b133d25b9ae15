// Internal to the main-window logic: the adapters through which the editor
// and document code (which knows nothing of the recorder) reach AppModel.
#pragma once
#include "documents/editor/ConfigLineSync.h"
#include "documents/files/ScriptDocument.h"
#include "recorder/app/AppModel.h"

namespace xd {

// Forwards to the window's controls; the Mode button's state also lives in
// the toolbar record the strip is drawn from.
class AppScriptControls final : public IScriptControls {
public:
    AppScriptControls(AppModel& model, IScriptControls& inner) : model_(model), inner_(inner) {}
    int SliderPosition(Slider slider) override { return inner_.SliderPosition(slider); }
    void SetSliderPosition(Slider slider, int position) override { inner_.SetSliderPosition(slider, position); }
    void SetSliderLabel(Slider slider, const std::string& text) override { inner_.SetSliderLabel(slider, text); }
    void SelectCommand(int index) override { inner_.SelectCommand(index); }
    void SetHelpText(const std::string& text) override { inner_.SetHelpText(text); }
    void SetTemplateText(const std::string& text) override { inner_.SetTemplateText(text); }
    void SetModeButtonState(int state) override;
    void RedrawToolbar() override { inner_.RedrawToolbar(); }

private:
    AppModel& model_;
    IScriptControls& inner_;
};

class AppDocumentWindow final : public IDocumentWindow {
public:
    explicit AppDocumentWindow(AppContext& context) : context_(context) {}
    void SetTitle(const std::string& title) override;
    void SetSaveButtonState(int state) override;
    void SetPlayButtonState(int state) override;
    void SetWaitCursor(bool waiting) override;

private:
    AppContext& context_;
};

// Built on the stack for one operation; everything refers into the context.
struct AppBindings {
    explicit AppBindings(AppContext& context);
    AppBindings(const AppBindings&) = delete;
    AppBindings& operator=(const AppBindings&) = delete;

    AppScriptControls controls;
    AppDocumentWindow window;
    ScriptEditorContext script;
    DocumentContext document;
};

}  // namespace xd
