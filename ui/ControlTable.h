// Controls of a form described as data: what the form designer would hold, in 96-DPI units.
#pragma once
#include <windows.h>

#include <span>

namespace xd::ui {

struct ControlSpec {
    const wchar_t* name;       // designer name, for diagnostics and lookups by name
    const wchar_t* className;  // Win32 window class, e.g. L"Scintilla"
    int id;
    int x, y, width, height;   // 96-DPI units within the parent's client area
    DWORD style;               // WS_CHILD is always added
    DWORD exStyle;
    const wchar_t* caption;
};

// Creates every control of the table at `dpi`. Returns false (after creating what it could) when one
// failed, so the caller can report it; the created windows belong to the parent and die with it.
[[nodiscard]] bool CreateControls(HWND parent, std::span<const ControlSpec> table, int dpi) noexcept;

// Moves and sizes the table's existing controls for a new DPI (WM_DPICHANGED).
void LayoutControls(HWND parent, std::span<const ControlSpec> table, int dpi) noexcept;

}  // namespace xd::ui
