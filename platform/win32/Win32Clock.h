// GetTickCount, timeGetTime and the performance counter; sleeping to absolute deadlines.
#pragma once
#include <cstdint>

#include "platform/Clock.h"

namespace xd::win32 {

class Win32Clock final : public IClock {
public:
    Win32Clock();

    std::uint32_t TickCount() override;
    std::uint32_t MultimediaTime() override;
    std::int64_t MonotonicMicros() override;
    void Sleep(std::uint32_t milliseconds) override;
    // A high-resolution waitable timer when the system has one (one per thread, kept for the thread's
    // life), else Sleep; the last stretch, which the timer cannot hit, is spun out against the performance
    // counter. How long that stretch is follows the timer's measured lateness on this thread.
    void SleepUntil(std::int64_t deadlineMicros) override;
    // The timer alone, nothing spun, unless the wake-up is within reach of the deadline.
    void SleepUntilStep(std::int64_t wakeMicros, std::int64_t deadlineMicros) override;

private:
    std::int64_t frequency_ = 1;
};

// Holds the system timer resolution at 1 ms while it lives, so Sleep lasts about what it asks instead of a
// 15.6 ms timer step. A playback holds one for its duration; the raised resolution costs the whole system
// power, so it is not kept while idle. Counted: overlapping scopes on any threads raise it once and the last
// one to end lowers it.
class TimerResolutionScope {
public:
    TimerResolutionScope() noexcept;
    ~TimerResolutionScope();
    TimerResolutionScope(const TimerResolutionScope&) = delete;
    TimerResolutionScope& operator=(const TimerResolutionScope&) = delete;
};

}  // namespace xd::win32
