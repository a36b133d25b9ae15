// The virtual pointer's window: a crawling dash-dot arrow with a moving silver fill (appcore/playback
// PointerOverlay.h says what each animation phase looks like). Its own timer animates it on the main thread.
#pragma once
#include <windows.h>

namespace xd::ui {

// Window extra bytes the class must reserve: the animation phase and the DPI it draws at.
inline constexpr int kPointerOverlayExtraBytes = 2 * sizeof(LONG_PTR);

LRESULT CALLBACK PointerOverlayProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

// Right after creation: the DPI its drawing is scaled to. It follows the window to a monitor at another DPI.
void SetPointerOverlayDpi(HWND hwnd, int dpi) noexcept;

}  // namespace xd::ui
