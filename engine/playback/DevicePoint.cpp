#include "engine/playback/DevicePoint.h"

#include "platform/Pixels.h"

namespace xd {

namespace {

int CachedDpi(std::atomic<int>& cache, int (IWindowSystem::*read)(), IWindowSystem& windows) {
    int dpi = cache.load();
    if (dpi == 0) {
        dpi = (windows.*read)();
        int expected = 0;
        // Two readers racing keep whichever value landed first.
        if (!cache.compare_exchange_strong(expected, dpi)) dpi = expected;
    }
    return dpi;
}

}  // namespace

Point ClientOrigin(IWindowSystem& windows, WindowHandle target) {
    const Rect r = windows.ClientRectOnScreen(target);
    return Point{r.left, r.top};
}

Point ToDevicePoint(DeviceScale& scale, IWindowSystem& windows, WindowHandle target, int x, int y) {
    const Point o = ClientOrigin(windows, target);
    const int dpiX = CachedDpi(scale.dpiX, &IWindowSystem::DpiX, windows);
    const int dpiY = CachedDpi(scale.dpiY, &IWindowSystem::DpiY, windows);
    return Point{o.x + LogicalToScreen(x, dpiX), o.y + LogicalToScreen(y, dpiY)};
}

int AbsoluteInputCoordinate(int pixel, int extent) noexcept {
    if (extent <= 0) return pixel;
    const std::int64_t n = static_cast<std::int64_t>(pixel) * 65536;
    const std::int64_t q = n / extent;
    // Division truncates towards zero: that is already the ceiling below zero.
    return static_cast<int>(n > 0 && n % extent != 0 ? q + 1 : q);
}

}  // namespace xd
