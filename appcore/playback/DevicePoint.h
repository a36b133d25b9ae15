// From script coordinates (logical pixels in the target's client area) to the
// screen, and the packed forms messages and injected input carry.
#pragma once
#include <atomic>
#include <cstdint>

#include "platform/WindowDpi.h"
#include "platform/WindowSystem.h"

namespace xd {

// The system's pixels per inch, read once per direction at first use and kept
// for the life of the program. 0 means not read yet. A target on a monitor at
// another DPI is converted with that monitor's DPI instead, read at each point.
struct DeviceScale {
    std::atomic<int> dpiX{0};
    std::atomic<int> dpiY{0};
};

// No screen reaches this far. Device points are held within it, so the sums and
// differences of coordinates the playback forms (glide steps, offsets, the
// random offset) stay within 32 bits whatever numbers a script holds.
inline constexpr int kDeviceCoordinateLimit = 1 << 20;

[[nodiscard]] int ClampDeviceCoordinate(std::int64_t v) noexcept;

// What converting a target's points takes: its client rectangle on the screen and
// its DPI (WindowDpi). Asking for them goes to the target's process and the
// display, so an action reads them ahead of its deadline (see ApproachPoint).
struct TargetPlace {
    Rect client{};
    DpiPair dpi{};
    // What absolute input is spread over (InputRecordAt), read with the rest ahead of the
    // action: asking the display for it takes time a deadline does not have.
    Rect virtualScreen{};
};

[[nodiscard]] TargetPlace ReadTargetPlace(DeviceScale& scale, IWindowSystem& windows, WindowHandle target);

// O + (x, y) × dpi / 96 in each direction, rounded to nearest, halves to even,
// where O is the target's client origin on the screen; held within the limit.
[[nodiscard]] Point ToDevicePoint(const TargetPlace& place, int x, int y) noexcept;
[[nodiscard]] Point ToDevicePoint(DeviceScale& scale, IWindowSystem& windows, WindowHandle target, int x,
                                  int y);

[[nodiscard]] Point ClientOrigin(IWindowSystem& windows, WindowHandle target);

// lParam of mouse messages: x in the low 16 bits, y in the high 16 bits.
[[nodiscard]] constexpr std::intptr_t PackPoint(Point p) noexcept {
    const std::uint32_t bits = (static_cast<std::uint32_t>(p.x) & 0xFFFFu) |
                               ((static_cast<std::uint32_t>(p.y) & 0xFFFFu) << 16);
    return static_cast<std::intptr_t>(bits);
}

[[nodiscard]] constexpr Point Offset(Point p, Point origin) noexcept { return Point{p.x - origin.x, p.y - origin.y}; }

// Absolute input coordinate 0..65535 that lands back on pixel `pixel` of a screen
// `extent` pixels wide: ceil(pixel × 65536 / extent).
[[nodiscard]] int AbsoluteInputCoordinate(int pixel, int extent) noexcept;

// What makes an injected record carry its own position: absolute coordinates over
// the virtual screen, and the move flag that makes the system take them.
inline constexpr std::uint32_t kPositionedInputFlags =
    mouseevent::kMove | mouseevent::kVirtualDesk | mouseevent::kAbsolute;

// One injected record at a screen point: the button or wheel `action` in the same
// record as the move there (kPositionedInputFlags). SendInput only queues its
// records, and SetCursorPos may move the pointer before they are taken; a record
// without a point of its own would act wherever the pointer is by then. A point
// off every monitor is held to the nearest edge of the virtual screen, as the
// pointer would be.
[[nodiscard]] MouseInputRecord InputRecordAt(const Rect& virtualScreen, Point screen, std::uint32_t action,
                                             std::uint32_t mouseData = 0) noexcept;
[[nodiscard]] MouseInputRecord InputRecordAt(IWindowSystem& windows, Point screen, std::uint32_t action,
                                             std::uint32_t mouseData = 0);

}  // namespace xd
