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

}  // namespace xd::ui
