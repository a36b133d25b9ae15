#include "Form1.h"

#include <array>
#include <string>

#include "platform/Text.h"
#include "ui/ControlTable.h"
#include "ui/Dpi.h"
#include "ui/WindowClass.h"

namespace xd::script_edition {
namespace {

// Form classes are the program's internal name, "_" and the form name; outside tools find the window by it.
constexpr wchar_t kInternalName[] = L"迅点小侠4";

// Layout in 96-DPI units.
constexpr SIZE kFullSize{510, 454};
constexpr SIZE kCompactSize{275, 76};
constexpr int kEditorId = 111;

constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_TOPMOST;

const std::array<ui::ControlSpec, 1> kControls{{
    {L"Scintilla1", ScriptEditor::kClassName, kEditorId, 105, 56, 394, 334, WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN,
     WS_EX_CLIENTEDGE, nullptr},
}};

}  // namespace

bool Form1::Create(HINSTANCE instance, const ApplicationInfo& info) noexcept {
    const std::wstring className = ui::FormClassName(kInternalName, L"Form1");
    const std::wstring title = Widen(ApplicationTitle(info));
    if (!ScriptEditor::RegisterClasses(instance)) return false;
    if (!ui::RegisterFormClass(instance, {.name = className.c_str(), .windowProc = &Form1::WindowProc})) {
        return false;
    }

    // Until the placement is restored from the settings, start centred on the primary work area.
    dpi_ = ui::DpiOf(nullptr);
    const SIZE full = ui::ScaleSize(kFullSize.cx, kFullSize.cy, dpi_);
    RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const SIZE compact = ui::ScaleSize(kCompactSize.cx, kCompactSize.cy, dpi_);
    const int x = work.left + (work.right - work.left - compact.cx) / 2;
    const int y = work.top + (work.bottom - work.top - compact.cy) / 2;

    HWND hwnd = ::CreateWindowExW(kFormExStyle, className.c_str(), title.c_str(), kFormStyle, x, y, full.cx,
                                  full.cy, nullptr, nullptr, instance, this);
    if (!hwnd) return false;

    // The monitor the window landed on may differ from the system DPI.
    dpi_ = ui::DpiOf(hwnd);
    if (!ui::CreateControls(hwnd, kControls, dpi_)) return false;
    if (!editor_.Attach(::GetDlgItem(hwnd, kEditorId))) return false;
    SetCompactSize();
    return true;
}

void Form1::Show(int showCommand) noexcept {
    ::ShowWindow(Handle(), showCommand);
    ::UpdateWindow(Handle());
    ::SetFocus(editor_.Handle());
}

void Form1::SetCompactSize() noexcept {
    const SIZE compact = ui::ScaleSize(kCompactSize.cx, kCompactSize.cy, dpi_);
    ::SetWindowPos(Handle(), nullptr, 0, 0, compact.cx, compact.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::OnDpiChanged(int dpi, const RECT& suggested) noexcept {
    dpi_ = dpi;
    ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ui::LayoutControls(Handle(), kControls, dpi_);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return DefaultProc(message, wParam, lParam);
    }
}

}  // namespace xd::script_edition
