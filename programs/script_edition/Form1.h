// The script edition's main window: a topmost toolbar-strip form that grows into the editor view.
#pragma once
#include <windows.h>

#include "ScriptEditor.h"
#include "recorder/AppInfo.h"
#include "ui/FormWindow.h"

namespace xd::script_edition {

class Form1 : public ui::FormWindow<Form1> {
public:
    [[nodiscard]] bool Create(HINSTANCE instance, const ApplicationInfo& info) noexcept;
    void Show(int showCommand) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void SetCompactSize() noexcept;
    void OnDpiChanged(int dpi, const RECT& suggested) noexcept;

    int dpi_ = 96;
    ScriptEditor editor_;
};

}  // namespace xd::script_edition
