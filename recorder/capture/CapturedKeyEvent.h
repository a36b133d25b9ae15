// One low-level keyboard event as the hook saw it, with what only the hook can know: the window that had the
// focus, the modifiers held and the characters the key typed at that moment (the worker runs later, when the
// key state has moved on). Trivially copyable, like the mouse event it queues beside.
#pragma once
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "platform/Types.h"

namespace xd {

struct CapturedKeyEvent {
    static constexpr std::size_t kMaxText = 24;  // ToUnicodeEx's few units as UTF-8, with room to spare

    WindowHandle window = kNoWindow;  // the focused control of the foreground window, else that window
    std::uint32_t message = 0;        // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP
    std::uint32_t vkCode = 0;
    std::uint32_t scanCode = 0;
    std::uint32_t flags = 0;
    std::uint32_t time = 0;           // milliseconds, the tick counter's clock
    std::uint8_t modifiers = 0;       // KeyModifier bits held besides the key itself
    std::uint8_t textLength = 0;
    char text[kMaxText]{};            // UTF-8; empty when the key types nothing or a modifier other than Shift is held

    [[nodiscard]] std::string_view Text() const noexcept { return {text, textLength}; }
};

static_assert(std::is_trivially_copyable_v<CapturedKeyEvent>);

}  // namespace xd
