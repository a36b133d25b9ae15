#include "recorder/capture/KeyCapture.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "recorder/capture/KeyGesture.h"

namespace xd {
namespace {

constexpr int kHookActionCode = 0;  // HC_ACTION
constexpr std::uint32_t kEscapeKey = 27;

bool IsDown(std::uint32_t message) noexcept { return message == msg::kKeyDown || message == msg::kSysKeyDown; }
bool IsUp(std::uint32_t message) noexcept { return message == msg::kKeyUp || message == msg::kSysKeyUp; }

// The bit of one modifier key: left and right sides apart, so that letting one go keeps the other held.
// A generic key (some programs send VK_SHIFT) counts as the left one.
std::uint8_t SideBit(std::uint32_t virtualKey) noexcept {
    switch (virtualKey) {
        case vk::kControl: case 0xA2: return 1u << 0;
        case 0xA3: return 1u << 1;
        case vk::kShift: case 0xA0: return 1u << 2;
        case 0xA1: return 1u << 3;
        case vk::kAlt: case 0xA4: return 1u << 4;
        case 0xA5: return 1u << 5;
        case vk::kLeftWin: return 1u << 6;
        case vk::kLeftWin + 1: return 1u << 7;
        default: return 0;
    }
}

}  // namespace

std::uint8_t KeyModifierTracker::Held() const noexcept {
    std::uint8_t held = 0;
    if (sides_ & 0x03) held |= kModCtrl;
    if (sides_ & 0x0C) held |= kModShift;
    if (sides_ & 0x30) held |= kModAlt;
    if (sides_ & 0xC0) held |= kModWin;
    return held;
}

std::uint8_t KeyModifierTracker::Follow(const LowLevelKeyEvent& event) noexcept {
    const std::uint8_t before = Held();
    if (event.code != kHookActionCode) return before;
    const std::uint8_t bit = SideBit(event.vkCode);
    if (IsDown(event.message)) sides_ |= bit;
    if (IsUp(event.message)) sides_ &= static_cast<std::uint8_t>(~bit);
    return before;
}

bool DecideKeyCapture(const LowLevelKeyEvent& event, const KeyCaptureSettings& settings) noexcept {
    if (!settings.recording || !settings.recordKeyboard || event.code != kHookActionCode) return false;
    if (IsInjectedKey(event)) return false;
    if (!IsDown(event.message) && !IsUp(event.message)) return false;
    const auto key = static_cast<int>(event.vkCode);
    return event.vkCode != kEscapeKey && key != settings.recordKey && key != settings.playKey;
}

bool CaptureKeyEvent(IWindowSystem& windows, const LowLevelKeyEvent& event, std::uint8_t modifiers,
                     CapturedKeyEvent& captured) {
    const WindowHandle foreground = windows.ForegroundWindow();
    if (foreground == kNoWindow || windows.ProcessId(foreground) == windows.CurrentProcessId()) return false;
    const WindowHandle focus = windows.FocusedWindow(foreground);
    captured = CapturedKeyEvent{};
    captured.window = focus != kNoWindow ? focus : foreground;
    captured.message = event.message;
    captured.vkCode = event.vkCode;
    captured.scanCode = event.scanCode;
    captured.flags = event.flags;
    captured.time = event.time;
    captured.modifiers = modifiers;
    // Only a key that may become text asks the layout: with Ctrl, Alt or Win held it is a combination anyway.
    if (IsDown(event.message) && (modifiers & ~kModShift) == 0 && ModifierOfKey(event.vkCode) == 0) {
        const std::string text = windows.KeyText(captured.window, static_cast<int>(event.vkCode), event.scanCode);
        // Cut at a character boundary when it is too long: what is kept must stay valid UTF-8.
        std::size_t length = std::min(text.size(), CapturedKeyEvent::kMaxText);
        while (length > 0 && length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            --length;
        std::memcpy(captured.text, text.data(), length);
        captured.textLength = static_cast<std::uint8_t>(length);
    }
    return true;
}

}  // namespace xd
