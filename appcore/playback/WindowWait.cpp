#include "appcore/playback/WindowWait.h"

#include <algorithm>

namespace xd {
namespace {

constexpr std::int32_t kLongestWaitSeconds = 600;

}  // namespace

WindowWaitResult WaitForWindow(IClock& clock, std::int32_t seconds, const std::function<WindowHandle()>& look,
                               const std::function<bool()>& stopped) noexcept {
    const std::int64_t limitMicros = std::int64_t{std::clamp(seconds, 0, kLongestWaitSeconds)} * 1'000'000;
    const std::int64_t start = clock.MonotonicMicros();
    for (;;) {
        const WindowHandle w = look ? look() : kNoWindow;
        if (w != kNoWindow) return {WindowWaitEnd::Found, w};
        if (stopped && stopped()) return {WindowWaitEnd::Stopped, kNoWindow};
        const std::int64_t left = limitMicros - (clock.MonotonicMicros() - start);
        if (left <= 0) return {WindowWaitEnd::TimedOut, kNoWindow};
        // Rounded up, so the last pause never ends short of the deadline and adds a look for nothing.
        const auto leftMs = static_cast<std::uint32_t>((left + 999) / 1000);
        clock.Sleep(std::min(kWindowWaitPollMs, leftMs));
    }
}

}  // namespace xd
