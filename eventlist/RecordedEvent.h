// One raw mouse event of the event-list edition, as recorded, edited, saved and played.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "eventlist/EventString.h"
#include "platform/Types.h"

namespace xd {

// The messages an event can carry.
namespace evmsg {
constexpr std::int32_t kMove = 0x200;
constexpr std::int32_t kLeftDown = 0x201;
constexpr std::int32_t kLeftUp = 0x202;
constexpr std::int32_t kRightDown = 0x204;
constexpr std::int32_t kRightUp = 0x205;
constexpr std::int32_t kMiddleDown = 0x207;
constexpr std::int32_t kMiddleUp = 0x208;
constexpr std::int32_t kWheel = 0x20A;
constexpr std::int32_t kHWheel = 0x20E;
}  // namespace evmsg

// Button and modifier bits of keyFlags (the mouse messages' wParam layout); the
// wheel messages carry their signed delta in the high 16 bits.
namespace evflag {
constexpr std::int32_t kLeft = 0x1;
constexpr std::int32_t kRight = 0x2;
constexpr std::int32_t kShift = 0x4;
constexpr std::int32_t kCtrl = 0x8;
constexpr std::int32_t kMiddle = 0x10;
}  // namespace evflag

struct RecordedEvent {
    std::int32_t x = 0;  // screen pixels
    std::int32_t y = 0;
    // ANSI code-page bytes followed by two zero bytes that belong to the value.
    EventString windowTitle;
    EventString windowClass;
    // One byte per level below the top-level window, outermost first: the 1-based
    // z-order position among siblings. Empty for the top-level window itself.
    EventString childPath;
    WindowHandle window = kNoWindow;  // in memory only
    // High 16 bits: from the top-level window's left (top) edge; low 16 bits: from
    // the edge of the window under the pointer.
    std::int32_t offsetX = 0;
    std::int32_t offsetY = 0;
    std::int32_t message = 0;
    std::int32_t keyFlags = 0;
    std::int32_t delayMs = 0;  // to the next event
    std::string displayText;  // in memory only
};

// "按下左键", "向后滚轮", …; "" for a message no event carries.
[[nodiscard]] std::string_view EventDescription(std::int32_t message, std::int32_t keyFlags) noexcept;
// The wheel delta in the high half of keyFlags.
[[nodiscard]] constexpr std::int16_t WheelDelta(std::int32_t keyFlags) noexcept {
    return static_cast<std::int16_t>(static_cast<std::uint32_t>(keyFlags) >> 16);
}
[[nodiscard]] constexpr std::int16_t HighHalf(std::int32_t v) noexcept {
    return static_cast<std::int16_t>(static_cast<std::uint32_t>(v) >> 16);
}
[[nodiscard]] constexpr std::int16_t LowHalf(std::int32_t v) noexcept {
    return static_cast<std::int16_t>(static_cast<std::uint32_t>(v) & 0xFFFF);
}
// A stored title or class name as text: the ANSI bytes before the first zero byte. The
// stored value ends in two zero bytes, one read as a file's last table entry in three.
[[nodiscard]] constexpr std::string_view StoredAnsiText(std::string_view stored) noexcept {
    return stored.substr(0, stored.find('\0'));
}
// Description + "," + x + "," + y, e.g. "按下左键,100,200".
[[nodiscard]] std::string EventDisplayText(const RecordedEvent& event);

}  // namespace xd
