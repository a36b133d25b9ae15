// The main window's side of the settings dialog: the one dialog state of the run, and the binding of
// Form2 to the main window's options, script and registry for as long as the dialog is open.
#pragma once
#include "Form2.h"
#include "documents/settings/SettingsDialog.h"
#include "recorder/app/AppModel.h"

namespace xd::script_edition {

class Form2Host {
public:
    // Command5 and the menu's 设置: shows the dialog modally, or brings an open one to the front.
    void Open(AppContext& app) noexcept;

private:
    SettingsDialogState state_;
    Form2 form_;
};

}  // namespace xd::script_edition
