#include "recorder/capture/KeyGesture.h"

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

bool IsPrintableText(std::string_view utf8) noexcept {
    if (utf8.empty()) return false;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 || c == 0x7F) return false;
        // U+0080..U+009F are C2 80..C2 9F in UTF-8.
        if (c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) return false;
    }
    return true;
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
