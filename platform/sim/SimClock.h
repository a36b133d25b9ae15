// Virtual time for tests: sleeping advances the clock at once instead of waiting.
#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/Clock.h"

namespace xd::sim {

// One call of Sleep or SleepUntil, in monotonic microseconds.
struct SleepRecord {
    std::int64_t fromMicros = 0;
    std::int64_t toMicros = 0;
    bool untilDeadline = false;  // SleepUntil rather than Sleep
    // SleepUntilStep: the deadline the step leads to (toMicros is the step's wake-up); 0 for other sleeps.
    std::int64_t stepOfMicros = 0;
};

// All three clocks are derived from one microsecond counter, so they move together.
// Tick and multimedia time start at configurable stamps so tests can begin just
// before the 32-bit wrap. Every member is safe to call from any thread.
class SimClock final : public IClock {
public:
    // Called after each Sleep/SleepUntil has advanced the time, outside the clock's
    // lock, so it may call back into the clock (or set a stop flag after N sleeps).
    using SleepHook = std::function<void(const SleepRecord&)>;

    explicit SimClock(std::uint32_t startTick = 0, std::uint32_t startMultimediaTime = 0,
                      std::int64_t startMicros = 0);

    std::uint32_t TickCount() override;
    std::uint32_t MultimediaTime() override;
    std::int64_t MonotonicMicros() override;
    void Sleep(std::uint32_t milliseconds) override;
    void SleepUntil(std::int64_t deadlineMicros) override;
    void SleepUntilStep(std::int64_t wakeMicros, std::int64_t deadlineMicros) override;

    void Advance(std::uint32_t milliseconds);
    void AdvanceMicros(std::int64_t micros);  // negative values are ignored: time never goes back
    // Makes TickCount() read `tick` now; later readings advance from there.
    void SetTickCount(std::uint32_t tick);
    void SetMultimediaTime(std::uint32_t time);
    // The real tick counter moves in steps of about 16 ms; 1 (the default) is exact.
    void SetTickGranularity(std::uint32_t milliseconds);

    void SetSleepHook(SleepHook hook);
    // Called as each Sleep or SleepUntil begins, before the time moves, outside the clock's lock: a sleeping
    // caller lets the system get on with what it was handed (SimPlatform lets SimInput deliver held input).
    void SetSleepStartHook(std::function<void()> hook);
    std::vector<SleepRecord> Sleeps() const;  // kept up to kMaxSleepRecords, then only counted
    std::uint64_t SleepCount() const;
    void ClearSleeps();

    static constexpr std::size_t kMaxSleepRecords = 100000;

private:
    void AdvanceLocked(std::int64_t micros);
    void BeforeSleep();
    void AfterSleep(const SleepRecord& record);
    void SleepUntilRecorded(std::int64_t deadlineMicros, std::int64_t stepOfMicros);
    std::uint32_t MillisLocked() const;

    mutable std::mutex mutex_;
    std::int64_t micros_ = 0;
    std::int64_t startMicros_ = 0;
    // Offsets added to the elapsed milliseconds; unsigned so they wrap as the counters do.
    std::uint32_t tickBase_ = 0;
    std::uint32_t multimediaBase_ = 0;
    std::uint32_t tickGranularity_ = 1;
    SleepHook hook_;
    std::function<void()> startHook_;
    std::vector<SleepRecord> sleeps_;
    std::uint64_t sleepCount_ = 0;
};

}  // namespace xd::sim
