// A key press or release as an event of the list. It fills the mouse event's record without a field of its
// own, so a list without keys saves exactly as before:
//   message   WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP, as the keyboard hook reported it;
//   keyFlags  the virtual key in bits 0-7, the scan code in bits 16-23 and the extended flag in bit 24, where a
//             key message's lParam has them;
//   offsetX,  the characters the press typed, one Unicode code point each (0 for none): a key has no point in
//   offsetY   its window to keep, and the list needs the characters to name a run of typing after a reload.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "eventlist/RecordedEvent.h"

namespace xd {

namespace evmsg {
constexpr std::int32_t kKeyDown = 0x100;
constexpr std::int32_t kKeyUp = 0x101;
constexpr std::int32_t kSysKeyDown = 0x104;
constexpr std::int32_t kSysKeyUp = 0x105;
}  // namespace evmsg

[[nodiscard]] constexpr bool IsKeyMessage(std::int32_t message) noexcept {
    return message == evmsg::kKeyDown || message == evmsg::kKeyUp || message == evmsg::kSysKeyDown ||
           message == evmsg::kSysKeyUp;
}
[[nodiscard]] constexpr bool IsKeyDownMessage(std::int32_t message) noexcept {
    return message == evmsg::kKeyDown || message == evmsg::kSysKeyDown;
}

struct EventKey {
    std::uint8_t key = 0;  // the virtual key as the hook saw it (left and right modifiers apart)
    std::uint8_t scanCode = 0;
    bool extended = false;
    friend bool operator==(const EventKey&, const EventKey&) = default;
};

[[nodiscard]] constexpr std::int32_t EventKeyFlagsOf(const EventKey& k) noexcept {
    const std::uint32_t v = k.key | (static_cast<std::uint32_t>(k.scanCode) << 16) | (k.extended ? 1u << 24 : 0u);
    return static_cast<std::int32_t>(v);
}
// Any word reads as some key: the bits outside the three fields are ignored.
[[nodiscard]] constexpr EventKey EventKeyOf(std::int32_t keyFlags) noexcept {
    const auto v = static_cast<std::uint32_t>(keyFlags);
    return EventKey{static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 16) & 0xFF),
                    ((v >> 24) & 1u) != 0};
}

// The generic key a left or right Shift, Ctrl or Alt stands for; other keys as they are.
[[nodiscard]] constexpr std::uint8_t GenericEventKey(std::uint8_t key) noexcept {
    if (key >= 0xA0 && key <= 0xA5) return static_cast<std::uint8_t>(0x10 + (key - 0xA0) / 2);
    if (key == 0x5C) return 0x5B;  // the right Windows key as the left
    return key;
}
[[nodiscard]] constexpr bool IsModifierKey(std::uint8_t key) noexcept {
    const std::uint8_t g = GenericEventKey(key);
    return g == 0x10 || g == 0x11 || g == 0x12 || g == 0x5B;
}

// The text typed by the press, as UTF-8; "" when it typed none (or a damaged file put no character there).
[[nodiscard]] std::string EventKeyText(const RecordedEvent& event);
// Keeps the first two characters of `utf8`; control characters and malformed text keep nothing.
void SetEventKeyText(RecordedEvent& event, std::string_view utf8);

// "按下Ctrl键", "释放A键".
[[nodiscard]] std::string KeyEventDescription(std::int32_t message, std::int32_t keyFlags);

}  // namespace xd
