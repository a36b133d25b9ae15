#include "eventlist/recording/KeyRecording.h"

namespace xd {

bool DecideKeyRecording(const LowLevelKeyEvent& event, int recordKey, int playKey, bool recording,
                        bool recordKeyboard) noexcept {
    constexpr std::uint32_t kEscape = 0x1B;
    if (!recording || !recordKeyboard || event.code != 0) return false;
    if (!IsKeyMessage(static_cast<std::int32_t>(event.message))) return false;
    if (IsInjectedKey(event)) return false;
    const std::uint32_t key = event.vkCode;
    // 0 and 255 are no keys: a key record must name one.
    if (key == 0 || key >= 0xFF || key == kEscape) return false;
    return key != static_cast<std::uint32_t>(recordKey) && key != static_cast<std::uint32_t>(playKey);
}

EventKey HookEventKey(const LowLevelKeyEvent& event) noexcept {
    return EventKey{static_cast<std::uint8_t>(event.vkCode), static_cast<std::uint8_t>(event.scanCode & 0xFF),
                    (event.flags & llkey::kExtended) != 0};
}

}  // namespace xd
