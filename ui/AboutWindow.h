// The about window of either program: a small window of ours that names the product, its version and what
// it does. No network.
#pragma once
#include <windows.h>

#include <string_view>

#include "ui/FormWindow.h"

namespace xd::ui {

// What the window shows, UTF-8; read while Show runs only.
struct AboutText {
    std::wstring_view program;  // the program's internal name, which names the window class
    std::string_view productName;
    std::string_view version;
    std::string_view description;
};

class AboutWindow final : public FormWindow<AboutWindow> {
public:
    AboutWindow() = default;
    ~AboutWindow();
    // Creates the window the first time and brings it to the front afterwards.
    void Show(HINSTANCE instance, HWND owner, const AboutText& text, int dpi) noexcept;
    void Close() noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void FreeFonts() noexcept;

    HFONT font_ = nullptr;
    HFONT titleFont_ = nullptr;
};

}  // namespace xd::ui
