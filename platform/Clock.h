// Time: the 32-bit millisecond tick, a monotonic high-resolution clock and sleeping.
#pragma once
#include <cstdint>

namespace xd {

class IClock {
public:
    virtual ~IClock() = default;
    // GetTickCount: milliseconds, wraps every 49.7 days.
    virtual std::uint32_t TickCount() = 0;
    // timeGetTime: the multimedia millisecond clock, also 32-bit.
    virtual std::uint32_t MultimediaTime() = 0;
    // Monotonic clock in microseconds (performance counter); never wraps in practice.
    virtual std::int64_t MonotonicMicros() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // Sleeps until MonotonicMicros() >= deadline; returns at once if it has passed.
    virtual void SleepUntil(std::int64_t deadlineMicros) = 0;
};

}  // namespace xd
