// Keeping the status tick off the playback's next action, for both editions' main windows.
#pragma once
#include <cstdint>

namespace xd {

// The status tick's work takes the main thread for several ms (painting the click effects, the status
// and the playing line), and in the foreground every injected event waits for the main thread to pass it
// through the hooks. A tick due this close before an action waits until just after it: long enough for
// the hooks to have seen both events of a click, and for a timer that fires a millisecond early.
inline constexpr std::int64_t kQuietBeforeActionMicros = 25'000;
inline constexpr std::int64_t kResumeAfterActionMicros = 5'000;

// How long a status tick due now waits for the action due at nextAction (0: it runs now).
[[nodiscard]] std::int64_t TickDelayMicros(std::int64_t now, std::int64_t nextAction) noexcept;

// A tick put off for one action may fall just before the next one (actions a few tens of ms apart): it is
// put off again, but never by more than this in all, so the status still moves.
inline constexpr std::int64_t kLongestTickPutOffMicros = 100'000;

// The main thread's status tick, put off as above. Main thread only.
class TickPutOff {
public:
    // How long the tick due now waits (0: it runs now).
    [[nodiscard]] std::int64_t DelayMicros(std::int64_t now, std::int64_t nextAction) noexcept;
    // The same in whole milliseconds, rounded up, for a window timer.
    [[nodiscard]] std::uint32_t DelayMs(std::int64_t now, std::int64_t nextAction) noexcept {
        return static_cast<std::uint32_t>((DelayMicros(now, nextAction) + 999) / 1000);
    }

private:
    std::int64_t since_ = 0;  // when the tick was first put off; 0 when it is not
};

}  // namespace xd
