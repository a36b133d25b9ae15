// GetTickCount, timeGetTime and the performance counter; sleeping to absolute deadlines.
#pragma once
#include <cstdint>

#include "platform/Clock.h"

namespace xd::win32 {

class Win32Clock final : public IClock {
public:
    // Raises the system timer resolution to 1 ms for the clock's lifetime, so
    // Sleep(1) lasts about a millisecond instead of a 15.6 ms timer step.
    Win32Clock();
    ~Win32Clock() override;
    Win32Clock(const Win32Clock&) = delete;
    Win32Clock& operator=(const Win32Clock&) = delete;

    std::uint32_t TickCount() override;
    std::uint32_t MultimediaTime() override;
    std::int64_t MonotonicMicros() override;
    void Sleep(std::uint32_t milliseconds) override;
    // A high-resolution waitable timer when the system has one, else Sleep; the last
    // stretch below a millisecond is spun out against the performance counter.
    void SleepUntil(std::int64_t deadlineMicros) override;

private:
    std::int64_t frequency_ = 1;
    bool periodRaised_ = false;
};

}  // namespace xd::win32
