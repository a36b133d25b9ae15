// A small window of ours that names the product, its version and what it does. No network.
#pragma once
#include <windows.h>

#include "recorder/AppInfo.h"
#include "ui/FormWindow.h"

namespace xd::script_edition {

class AboutWindow final : public ui::FormWindow<AboutWindow> {
public:
    AboutWindow() = default;
    ~AboutWindow();
    // Creates the window the first time and brings it to the front afterwards.
    void Show(HINSTANCE instance, HWND owner, const ApplicationInfo& info, int dpi) noexcept;
    void Close() noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    HFONT font_ = nullptr;
    HFONT titleFont_ = nullptr;
};

}  // namespace xd::script_edition
