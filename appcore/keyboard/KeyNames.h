// Keys by the names Windows shows in its menus ("Ctrl+S", "Shift+F5", "PageDown"), for the script language's
// key statement and the event list's key groups. Any other key is "VK_" and its code in two hex digits.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace xd {

namespace vk {
inline constexpr std::uint8_t kShift = 0x10;
inline constexpr std::uint8_t kControl = 0x11;
inline constexpr std::uint8_t kAlt = 0x12;  // VK_MENU
inline constexpr std::uint8_t kLeftWin = 0x5B;
}  // namespace vk

enum KeyModifier : std::uint8_t {
    kModCtrl = 1,
    kModShift = 2,
    kModAlt = 4,
    kModWin = 8,
};

// One key with the modifiers held around it. A modifier pressed alone is the key itself, with no modifier.
struct KeyCombination {
    std::uint8_t modifiers = 0;  // KeyModifier bits
    std::uint8_t key = 0;        // the virtual-key code, 1..254
    friend bool operator==(const KeyCombination&, const KeyCombination&) = default;
};

// "Ctrl+Shift+S": names in any case, joined by "+", each modifier at most once, exactly one key, which comes
// last, and not one of the modifiers it holds. nullopt for anything else.
[[nodiscard]] std::optional<KeyCombination> ParseKeyCombination(std::string_view text);

// The modifiers in the order Ctrl, Shift, Alt, Win, then the key, each by its name as the table spells it.
[[nodiscard]] std::string FormatKeyCombination(const KeyCombination& keys);

// The name of one key: "A", "F12", "PageUp", "VK_BA".
[[nodiscard]] std::string KeyName(std::uint8_t key);

}  // namespace xd
