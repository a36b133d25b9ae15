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
    // Sleeps until about `wake`, one 10 ms step of a movement that ends at `deadline`, the action's moment.
    // A step may wake a fraction of a millisecond late while the deadline stays ahead, so a clock may skip
    // what SleepUntil spends on exactness; a wake at or near the deadline is as exact as SleepUntil.
    virtual void SleepUntilStep(std::int64_t wakeMicros, std::int64_t deadlineMicros) {
        static_cast<void>(deadlineMicros);
        SleepUntil(wakeMicros);
    }
};

}  // namespace xd
