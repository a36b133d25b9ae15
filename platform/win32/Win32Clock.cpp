#include "platform/win32/Win32Clock.h"

#include "platform/win32/WinHeaders.h"

#include <mmsystem.h>

namespace xd::win32 {

namespace {

// Below this much time left, sleeping risks overshooting: spin instead.
constexpr std::int64_t kSpinMicros = 1000;

bool WaitOnTimer(HANDLE timer, std::int64_t micros) {
    LARGE_INTEGER due;
    due.QuadPart = -micros * 10;  // relative, in 100 ns units
    if (!SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) return false;
    return WaitForSingleObject(timer, INFINITE) == WAIT_OBJECT_0;
}

}  // namespace

Win32Clock::Win32Clock() {
    LARGE_INTEGER f;
    if (QueryPerformanceFrequency(&f) && f.QuadPart > 0) frequency_ = f.QuadPart;
    periodRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
}

Win32Clock::~Win32Clock() {
    if (periodRaised_) timeEndPeriod(1);
}

std::uint32_t Win32Clock::TickCount() { return GetTickCount(); }

std::uint32_t Win32Clock::MultimediaTime() { return timeGetTime(); }

std::int64_t Win32Clock::MonotonicMicros() {
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    // Split so the multiplication cannot overflow for any uptime.
    std::int64_t whole = c.QuadPart / frequency_;
    std::int64_t part = c.QuadPart % frequency_;
    return whole * 1'000'000 + part * 1'000'000 / frequency_;
}

void Win32Clock::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

void Win32Clock::SleepUntil(std::int64_t deadlineMicros) {
    std::int64_t remaining = deadlineMicros - MonotonicMicros();
    if (remaining <= 0) return;
    if (remaining > kSpinMicros) {
        UniqueHandle timer(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                                  TIMER_ALL_ACCESS));
        // Timers fire up to half a millisecond late (Wine, busy systems): wake a
        // millisecond early and spin. Without a high-resolution timer a plain one is
        // no finer than Sleep, so Sleep short of the deadline instead.
        if (!timer.Valid() || !WaitOnTimer(timer.Get(), remaining - kSpinMicros)) {
            std::int64_t left = deadlineMicros - MonotonicMicros();
            if (left > kSpinMicros) ::Sleep(static_cast<DWORD>((left - kSpinMicros) / 1000));
        }
    }
    while (MonotonicMicros() < deadlineMicros) YieldProcessor();
}

}  // namespace xd::win32
