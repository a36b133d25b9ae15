#include "ui/Dpi.h"

#include "platform/win32/WinHeaders.h"

namespace xd::ui {

namespace dyn = win32::dyn;

DpiAwareness EnableDpiAwareness() noexcept {
    if (auto setContext = dyn::SetProcessDpiAwarenessContext()) {
        if (setContext(dyn::DpiContextPerMonitorV2())) return DpiAwareness::PerMonitorV2;
        if (setContext(dyn::DpiContextPerMonitor())) return DpiAwareness::PerMonitor;
    }
    return ::SetProcessDPIAware() ? DpiAwareness::System : DpiAwareness::Unaware;
}

int DpiOf(HWND window) noexcept {
    if (window) {
        if (auto forWindow = dyn::GetDpiForWindow()) {
            if (const UINT dpi = forWindow(window)) return static_cast<int>(dpi);
        }
    } else if (auto forSystem = dyn::GetDpiForSystem()) {
        if (const UINT dpi = forSystem()) return static_cast<int>(dpi);
    }
    int dpi = kLogicalDpi;
    if (HDC screen = ::GetDC(nullptr)) {
        dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
        ::ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : kLogicalDpi;
}

void ResizeForDpi(HWND window, int width96, int height96, int dpi) noexcept {
    constexpr UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    ::SetWindowPos(window, nullptr, 0, 0, LogicalToScreen(width96, dpi), LogicalToScreen(height96, dpi), kSizeOnly);
}

int FitToMonitorDpi(HWND window, int width96, int height96) noexcept {
    const int dpi = DpiOf(window);
    RECT r{};
    if (::GetWindowRect(window, &r) &&
        (r.right - r.left != LogicalToScreen(width96, dpi) || r.bottom - r.top != LogicalToScreen(height96, dpi))) {
        ResizeForDpi(window, width96, height96, dpi);
    }
    return dpi;
}

}  // namespace xd::ui
