// The lParam of a key message as the system builds it, so that a posted key looks to its target like one
// that came through the input queue.
#pragma once
#include <cstdint>

namespace xd {

struct KeyMessageBits {
    std::uint32_t scanCode = 0;  // without the extended prefix
    bool extended = false;       // right Ctrl/Alt, arrows, Insert/Delete, Home/End, PageUp/PageDown...
    bool up = false;
    bool wasDown = false;  // a key-down that repeats one already down; always true for a key-up
    bool altHeld = false;  // the context code: Alt is down (system keys)
};

// Repeat count 1, scan code in bits 16-23, extended bit 24, context bit 29, previous state 30, transition 31.
[[nodiscard]] constexpr std::intptr_t KeyMessageLParam(const KeyMessageBits& k) noexcept {
    std::uint32_t v = 1u | ((k.scanCode & 0xFFu) << 16);
    if (k.extended) v |= 1u << 24;
    if (k.altHeld) v |= 1u << 29;
    if (k.up || k.wasDown) v |= 1u << 30;
    if (k.up) v |= 1u << 31;
    return static_cast<std::intptr_t>(static_cast<std::int32_t>(v));
}

// Keys that arrive with the extended flag: the layout's table does not say so, the keyboard does.
[[nodiscard]] constexpr bool IsExtendedKey(int virtualKey) noexcept {
    switch (virtualKey) {
        case 0x03:                                   // Break
        case 0x21: case 0x22: case 0x23: case 0x24:  // PageUp PageDown End Home
        case 0x25: case 0x26: case 0x27: case 0x28:  // arrows
        case 0x2C: case 0x2D: case 0x2E:             // PrintScreen Insert Delete
        case 0x5B: case 0x5C: case 0x5D:             // Windows keys, Apps
        case 0x6F:                                   // numeric keypad divide
        case 0x90:                                   // Num Lock
        case 0xA3: case 0xA5:                        // right Ctrl, right Alt
            return true;
        default:
            return virtualKey >= 0xA6 && virtualKey <= 0xB7;  // browser, volume and media keys
    }
}

// Key-downs with Alt held (Ctrl not) and F10 come as system keys: WM_SYSKEYDOWN/UP rather than WM_KEYDOWN/UP.
[[nodiscard]] constexpr bool IsSystemKey(int virtualKey, bool altHeld, bool ctrlHeld) noexcept {
    return (altHeld && !ctrlHeld) || virtualKey == 0x79;
}

}  // namespace xd
