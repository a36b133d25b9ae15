#include "recorder/capture/KeyGesture.h"

#include "appcore/keyboard/TypedText.h"

namespace xd {

std::uint8_t ModifierOfKey(std::uint32_t virtualKey) noexcept {
    switch (virtualKey) {
        case vk::kControl: case 0xA2: case 0xA3: return kModCtrl;
        case vk::kShift: case 0xA0: case 0xA1: return kModShift;
        case vk::kAlt: case 0xA4: case 0xA5: return kModAlt;
        case vk::kLeftWin: case vk::kLeftWin + 1: return kModWin;
        default: return 0;
    }
}

GestureToken KeyTokenOf(const CapturedKeyEvent& event) {
    const bool down = event.message == msg::kKeyDown || event.message == msg::kSysKeyDown;
    // 0 and 255 are no keys; VK_PACKET carries text some program sent, never a key of the hand.
    constexpr std::uint32_t kPacket = 0xE7;
    if (!down || event.vkCode == 0 || event.vkCode > 254 || event.vkCode == kPacket) return {};
    if (ModifierOfKey(event.vkCode) != 0) return {};
    GestureToken token;
    const std::string_view text = event.Text();
    if ((event.modifiers & ~kModShift) == 0 && IsPrintableText(text)) {
        token.kind = TokenKind::Text;
        token.text = std::string(text);
        return token;
    }
    token.kind = TokenKind::Key;
    token.keys = KeyCombination{static_cast<std::uint8_t>(event.modifiers & (kModCtrl | kModShift | kModAlt | kModWin)),
                                static_cast<std::uint8_t>(event.vkCode)};
    return token;
}

}  // namespace xd
