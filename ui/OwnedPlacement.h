// Where a window opened over another goes: both programs' dialogs and about windows open centred on the main
// window.
#pragma once
#include <windows.h>

namespace xd::ui {

// Top-left corner for a window of `size` centred on `owner` (on the primary screen when there is none), kept
// inside the work area of the owner's monitor.
[[nodiscard]] POINT CentredOnOwner(HWND owner, SIZE size) noexcept;

}  // namespace xd::ui
