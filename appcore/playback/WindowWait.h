// Waiting for a playback's target window. A routine often starts the program it drives just before playing,
// so its window may not be there yet: both editions look again every 100 ms for as long as the user allows.
#pragma once
#include <cstdint>
#include <functional>

#include "platform/Clock.h"
#include "platform/Types.h"

namespace xd {

// Often enough that a window is taken within a blink of appearing; rarely enough that a ten-minute wait
// costs nothing worth measuring.
inline constexpr std::uint32_t kWindowWaitPollMs = 100;

enum class WindowWaitEnd { Found, TimedOut, Stopped };

struct WindowWaitResult {
    WindowWaitEnd end = WindowWaitEnd::TimedOut;
    WindowHandle window = kNoWindow;
};

// Looks at once, then after each pause of the clock until `look` finds a window, `stopped` says the playback
// was stopped, or `seconds` (clamped to 0..600) have passed; the last look falls on the deadline. With 0
// seconds it looks once, as a search without a wait does.
[[nodiscard]] WindowWaitResult WaitForWindow(IClock& clock, std::int32_t seconds,
                                             const std::function<WindowHandle()>& look,
                                             const std::function<bool()>& stopped) noexcept;

}  // namespace xd
