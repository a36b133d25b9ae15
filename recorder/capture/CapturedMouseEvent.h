// One low-level mouse event as the hook saw it, copied out for the recorder.
// Trivially copyable so the hook's hand-over is a plain copy into a ring slot.
#pragma once
#include <cstdint>
#include <type_traits>

#include "platform/Types.h"

namespace xd {

struct CapturedMouseEvent {
    WindowHandle window = kNoWindow;  // under the pointer when the event happened
    std::uint64_t message = 0;        // msg::kLButtonDown, msg::kMouseWheel, ...
    std::int32_t x = 0;               // screen pixels until the recorder converts them
    std::int32_t y = 0;
    std::uint32_t mouseData = 0;      // wheel: signed delta in the high 16 bits
    std::uint32_t flags = 0;
    std::uint32_t time = 0;           // milliseconds, the tick counter's clock
    std::uintptr_t extra = 0;
};

static_assert(std::is_trivially_copyable_v<CapturedMouseEvent>);

}  // namespace xd
