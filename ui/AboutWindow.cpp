#include "ui/AboutWindow.h"

#include <array>
#include <string>

#include "platform/Text.h"
#include "ui/ControlTable.h"
#include "ui/Dpi.h"
#include "ui/OwnedPlacement.h"
#include "ui/Resources.h"
#include "ui/WindowClass.h"

namespace xd::ui {
namespace {

constexpr int kNameId = 1, kVersionId = 2, kDescriptionId = 3, kOkId = IDOK;
constexpr SIZE kClientSize{300, 140};

const std::array<ControlSpec, 4> kControls{{
    {L"Name", L"Static", kNameId, 16, 14, 268, 24, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, nullptr},
    {L"Version", L"Static", kVersionId, 16, 44, 268, 18, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, nullptr},
    {L"Description", L"Static", kDescriptionId, 16, 66, 268, 36, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, nullptr},
    {L"OK", L"Button", kOkId, 214, 104, 70, 26, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, L"确定"},
}};

}  // namespace

AboutWindow::~AboutWindow() {
    Close();
    FreeFonts();
}

void AboutWindow::FreeFonts() noexcept {
    if (font_) ::DeleteObject(font_);
    if (titleFont_) ::DeleteObject(titleFont_);
    font_ = titleFont_ = nullptr;
}

void AboutWindow::Show(HINSTANCE instance, HWND owner, const AboutText& text, int dpi) noexcept {
    if (HWND existing = Handle()) {
        ::ShowWindow(existing, SW_SHOWNORMAL);
        ::SetForegroundWindow(existing);
        return;
    }
    const std::wstring className = FormClassName(text.program, L"About");
    if (!RegisterFormClass(instance, {.name = className.c_str(), .windowProc = &AboutWindow::WindowProc})) return;
    constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, LogicalToScreen(kClientSize.cx, dpi), LogicalToScreen(kClientSize.cy, dpi)};
    ::AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOPMOST | WS_EX_DLGMODALFRAME);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const POINT corner = CentredOnOwner(owner, SIZE{width, height});
    const std::wstring title = L"关于 " + Widen(text.productName);
    HWND hwnd = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_DLGMODALFRAME, className.c_str(), title.c_str(), style,
                                  corner.x, corner.y, width, height, owner, nullptr, instance, this);
    if (!hwnd) return;
    static_cast<void>(CreateControls(hwnd, kControls, dpi));
    font_ = CreatePointFont(L"Microsoft YaHei", 9, dpi);
    titleFont_ = CreatePointFont(L"Microsoft YaHei", 12, dpi, true);
    for (const ControlSpec& c : kControls) {
        ::SendMessageW(::GetDlgItem(hwnd, c.id), WM_SETFONT,
                       reinterpret_cast<WPARAM>(c.id == kNameId ? titleFont_ : font_), TRUE);
    }
    ::SetDlgItemTextW(hwnd, kNameId, Widen(text.productName).c_str());
    ::SetDlgItemTextW(hwnd, kVersionId, (L"版本 " + Widen(text.version)).c_str());
    ::SetDlgItemTextW(hwnd, kDescriptionId, Widen(text.description).c_str());
    ::ShowWindow(hwnd, SW_SHOWNORMAL);
    ::SetFocus(::GetDlgItem(hwnd, kOkId));
}

void AboutWindow::Close() noexcept {
    if (HWND hwnd = Handle()) ::DestroyWindow(hwnd);
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == kOkId) {
        Close();
        return 0;
    }
    // Each opening makes its own fonts; its controls are gone by now.
    if (message == WM_NCDESTROY) FreeFonts();
    return DefaultProc(message, wParam, lParam);
}

}  // namespace xd::ui
