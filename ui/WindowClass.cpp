#include "ui/WindowClass.h"

namespace xd::ui {

std::wstring FormClassName(std::wstring_view programName, std::wstring_view formName) {
    std::wstring name(programName);
    name += L'_';
    name += formName;
    return name;
}

bool RegisterFormClass(HINSTANCE instance, const FormClass& form) noexcept {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // Double clicks are part of the toolbar's behaviour; redraw on size because the strip scales with width.
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = form.windowProc;
    wc.hInstance = instance;
    wc.hIcon = form.icon;
    wc.hIconSm = form.smallIcon;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = form.background;
    wc.lpszClassName = form.name;
    if (::RegisterClassExW(&wc)) return true;
    return ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace xd::ui
