// The simulated desktop's keyboard layout: United States, scan code set 1, as ToUnicodeEx and
// MapVirtualKeyEx answer for it.
#pragma once
#include <cstdint>
#include <string>

namespace xd::sim {

// 0 for keys without one.
[[nodiscard]] std::uint32_t SimScanCode(int virtualKey) noexcept;
// The key a scan code stands for (KEYEVENTF_SCANCODE); 0 when none.
[[nodiscard]] int SimVirtualKeyOfScan(std::uint32_t scanCode, bool extended) noexcept;

struct SimKeyModifiers {
    bool shift = false;
    bool capsLock = false;
    bool ctrl = false;
    bool alt = false;
};

// UTF-8 text of a key-down: letters, digits, punctuation and space follow Shift (and Caps Lock for letters);
// Enter, Tab, Backspace and Esc give their control characters; Ctrl with a letter gives 0x01..0x1A; Ctrl with
// Alt gives nothing (no AltGr characters in this layout).
[[nodiscard]] std::string SimKeyText(int virtualKey, const SimKeyModifiers& modifiers);

}  // namespace xd::sim
