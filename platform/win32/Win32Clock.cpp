#include "platform/win32/Win32Clock.h"

#include "platform/SpinMargin.h"
#include "platform/win32/WinHeaders.h"

#include <mmsystem.h>

namespace xd::win32 {

namespace {

// Without a high-resolution timer, Sleep wakes within about a millisecond at the raised resolution.
constexpr std::int64_t kSleepSpinMicros = 1000;

// The sleeping thread's own timer, made at its first wait and closed when the thread ends: a runner waits
// every 10 ms step, and a timer made and closed each time is two more kernel calls per step. Each runner
// is its own thread, so two playbacks never share one.
class ThreadTimer {
public:
    ThreadTimer() = default;
    ~ThreadTimer() {
        if (timer_) CloseHandle(timer_);
    }
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;

    // Null when the system has no high-resolution timer; asked only once per thread.
    HANDLE Get() noexcept {
        if (!tried_) {
            tried_ = true;
            timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                            TIMER_ALL_ACCESS);
        }
        return timer_;
    }

    SpinMargin margin;

private:
    bool tried_ = false;
    HANDLE timer_ = nullptr;
};

thread_local ThreadTimer t_timer;

bool WaitOnTimer(HANDLE timer, std::int64_t micros) {
    LARGE_INTEGER due;
    due.QuadPart = -micros * 10;  // relative, in 100 ns units
    if (!SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) return false;
    return WaitForSingleObject(timer, INFINITE) == WAIT_OBJECT_0;
}

SRWLOCK g_resolutionGuard = SRWLOCK_INIT;
int g_resolutionHolders = 0;
bool g_resolutionRaised = false;

}  // namespace

Win32Clock::Win32Clock() {
    LARGE_INTEGER f;
    if (QueryPerformanceFrequency(&f) && f.QuadPart > 0) frequency_ = f.QuadPart;
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
    const std::int64_t now = MonotonicMicros();
    if (deadlineMicros <= now) return;
    ThreadTimer& t = t_timer;
    const std::int64_t margin = t.margin.Micros();
    if (deadlineMicros - now > margin) {
        const std::int64_t wakeAt = deadlineMicros - margin;
        HANDLE timer = t.Get();
        if (timer && WaitOnTimer(timer, wakeAt - now)) {
            t.margin.Record(MonotonicMicros() - wakeAt);
        } else {
            // A plain timer is no finer than Sleep: Sleep short of the deadline instead.
            const std::int64_t left = deadlineMicros - MonotonicMicros();
            if (left > kSleepSpinMicros) ::Sleep(static_cast<DWORD>((left - kSleepSpinMicros) / 1000));
        }
    }
    while (MonotonicMicros() < deadlineMicros) YieldProcessor();
}

void Win32Clock::SleepUntilStep(std::int64_t wakeMicros, std::int64_t deadlineMicros) {
    // A step that wakes late must still leave the deadline ahead of it.
    if (deadlineMicros - wakeMicros <= SpinMargin::kMaxMicros) {
        SleepUntil(wakeMicros);
        return;
    }
    const std::int64_t now = MonotonicMicros();
    if (wakeMicros <= now) return;
    ThreadTimer& t = t_timer;
    HANDLE timer = t.Get();
    if (timer && WaitOnTimer(timer, wakeMicros - now)) {
        t.margin.Record(MonotonicMicros() - wakeMicros);
    } else {
        ::Sleep(static_cast<DWORD>((wakeMicros - now) / 1000));
    }
}

TimerResolutionScope::TimerResolutionScope() noexcept {
    AcquireSRWLockExclusive(&g_resolutionGuard);
    if (g_resolutionHolders++ == 0) g_resolutionRaised = timeBeginPeriod(1) == TIMERR_NOERROR;
    ReleaseSRWLockExclusive(&g_resolutionGuard);
}

TimerResolutionScope::~TimerResolutionScope() {
    AcquireSRWLockExclusive(&g_resolutionGuard);
    if (--g_resolutionHolders == 0 && g_resolutionRaised) {
        timeEndPeriod(1);
        g_resolutionRaised = false;
    }
    ReleaseSRWLockExclusive(&g_resolutionGuard);
}

}  // namespace xd::win32
