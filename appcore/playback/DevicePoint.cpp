#include "appcore/playback/DevicePoint.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/Pixels.h"
#include "platform/WindowDpi.h"

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

int ClampDeviceCoordinate(std::int64_t v) noexcept {
    return static_cast<int>(std::clamp<std::int64_t>(v, -kDeviceCoordinateLimit, kDeviceCoordinateLimit));
}

namespace {

// origin + logical × dpi / 96, computed wide and held within the limit.
int DeviceCoordinate(int origin, int logical, int dpi) noexcept {
    double scaled = dpi <= 0 ? static_cast<double>(logical)
                             : std::nearbyint(static_cast<double>(logical) * dpi / kLogicalDpi);
    scaled = std::clamp(scaled, -2.0 * kDeviceCoordinateLimit, 2.0 * kDeviceCoordinateLimit);
    return ClampDeviceCoordinate(static_cast<std::int64_t>(origin) + static_cast<std::int64_t>(scaled));
}

}  // namespace

TargetPlace ReadTargetPlace(DeviceScale& scale, IWindowSystem& windows, WindowHandle target) {
    const DpiPair system{CachedDpi(scale.dpiX, &IWindowSystem::DpiX, windows),
                         CachedDpi(scale.dpiY, &IWindowSystem::DpiY, windows)};
    return TargetPlace{windows.ClientRectOnScreen(target), WindowDpi(windows, target, system), windows.VirtualScreen()};
}

Point ToDevicePoint(const TargetPlace& place, int x, int y) noexcept {
    return Point{DeviceCoordinate(place.client.left, x, place.dpi.x),
                 DeviceCoordinate(place.client.top, y, place.dpi.y)};
}

Point ToDevicePoint(DeviceScale& scale, IWindowSystem& windows, WindowHandle target, int x, int y) {
    return ToDevicePoint(ReadTargetPlace(scale, windows, target), x, y);
}

MouseInputRecord InputRecordAt(const Rect& virtualScreen, Point screen, std::uint32_t action,
                               std::uint32_t mouseData) noexcept {
    // Wide: a point read from a file may be anything.
    const auto within = [](int from, int to, int at) {
        const std::int64_t extent =
            std::clamp<std::int64_t>(static_cast<std::int64_t>(to) - from, 1, std::numeric_limits<int>::max());
        const std::int64_t pixel = std::clamp<std::int64_t>(static_cast<std::int64_t>(at) - from, 0, extent - 1);
        // Only a screen wider than 65536 pixels would reach 65536.
        return std::min(AbsoluteInputCoordinate(static_cast<int>(pixel), static_cast<int>(extent)), 65535);
    };
    MouseInputRecord record;
    record.dx = within(virtualScreen.left, virtualScreen.right, screen.x);
    record.dy = within(virtualScreen.top, virtualScreen.bottom, screen.y);
    record.mouseData = mouseData;
    record.flags = kPositionedInputFlags | action;
    return record;
}

MouseInputRecord InputRecordAt(IWindowSystem& windows, Point screen, std::uint32_t action, std::uint32_t mouseData) {
    return InputRecordAt(windows.VirtualScreen(), screen, action, mouseData);
}

int AbsoluteInputCoordinate(int pixel, int extent) noexcept {
    if (extent <= 0) return pixel;
    const std::int64_t n = static_cast<std::int64_t>(pixel) * 65536;
    const std::int64_t q = n / extent;
    // Division truncates towards zero: that is already the ceiling below zero.
    return static_cast<int>(n > 0 && n % extent != 0 ? q + 1 : q);
}

}  // namespace xd
