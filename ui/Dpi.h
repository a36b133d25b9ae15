// Screen DPI and the scaling of 96-DPI layout units to screen pixels.
#pragma once
#include <windows.h>

#include "platform/Pixels.h"
#include "platform/Types.h"

namespace xd::ui {

enum class DpiAwareness { PerMonitorV2, PerMonitor, System, Unaware };

// Asks for per-monitor awareness and falls back step by step (Wine 8 refuses the newer calls while
// SetProcessDPIAware works). Returns what the process got; never fails the start-up.
DpiAwareness EnableDpiAwareness() noexcept;

// DPI of the monitor the window is on, or of the system when the window is null.
[[nodiscard]] int DpiOf(HWND window) noexcept;

// A rectangle given in 96-DPI units as x, y, width and height, in screen pixels at `dpi`. Position and size
// are scaled separately, so equal logical widths stay equal on screen wherever they start.
[[nodiscard]] inline Rect ScaleBox(int x, int y, int width, int height, int dpi) noexcept {
    const int left = LogicalToScreen(x, dpi);
    const int top = LogicalToScreen(y, dpi);
    return Rect{left, top, left + LogicalToScreen(width, dpi), top + LogicalToScreen(height, dpi)};
}

// The small top-level windows that mark points on the screen (overlays, the hint window) are sized for the
// monitor they are on and keep their top-left corner, which is the point they mark. FitToMonitorDpi, right
// after creation: sizes the window for the monitor it landed on and returns that monitor's DPI.
// ResizeForDpi, on WM_DPICHANGED when it has moved to a monitor at another DPI.
int FitToMonitorDpi(HWND window, int width96, int height96) noexcept;
void ResizeForDpi(HWND window, int width96, int height96, int dpi) noexcept;

[[nodiscard]] inline SIZE ScaleSize(int width, int height, int dpi) noexcept {
    return SIZE{LogicalToScreen(width, dpi), LogicalToScreen(height, dpi)};
}

}  // namespace xd::ui
