// What a statement's button code becomes: messages, their wParam and the flags
// of injected input. Codes other than 1, 2 and 3 press nothing.
#pragma once
#include <cstdint>
#include <optional>

#include "platform/Types.h"

namespace xd {

struct MouseButton {
    std::uint32_t down = 0;
    std::uint32_t up = 0;
    std::uintptr_t keyState = 0;  // wParam of both client messages
    std::uint32_t nonClientDown = 0;
    std::uint32_t nonClientUp = 0;
    std::uint32_t inputDown = 0;  // SendInput flags
    std::uint32_t inputUp = 0;
};

// Injected button and wheel records carry their own point (see InputRecordAt): the
// system may take them from its queue after the pointer has moved on.
inline constexpr std::uint32_t kInjectedFlags = mouseevent::kMove | mouseevent::kVirtualDesk | mouseevent::kAbsolute;

[[nodiscard]] constexpr std::optional<MouseButton> ButtonForCode(std::int32_t code) noexcept {
    switch (code) {
        case 1:
            return MouseButton{msg::kLButtonDown, msg::kLButtonUp, mk::kLButton, msg::kNcLButtonDown,
                               msg::kNcLButtonUp, kInjectedFlags | mouseevent::kLeftDown,
                               kInjectedFlags | mouseevent::kLeftUp};
        case 2:
            return MouseButton{msg::kRButtonDown, msg::kRButtonUp, mk::kRButton, msg::kNcRButtonDown,
                               msg::kNcRButtonUp, kInjectedFlags | mouseevent::kRightDown,
                               kInjectedFlags | mouseevent::kRightUp};
        case 3:
            return MouseButton{msg::kMButtonDown, msg::kMButtonUp, mk::kMButton, msg::kNcMButtonDown,
                               msg::kNcMButtonUp, kInjectedFlags | mouseevent::kMiddleDown,
                               kInjectedFlags | mouseevent::kMiddleUp};
        default:
            return std::nullopt;
    }
}

}  // namespace xd
