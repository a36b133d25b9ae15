#include "platform/sim/SimClock.h"

#include <utility>

namespace xd::sim {

SimClock::SimClock(std::uint32_t startTick, std::uint32_t startMultimediaTime, std::int64_t startMicros)
    : micros_(startMicros), startMicros_(startMicros), tickBase_(startTick), multimediaBase_(startMultimediaTime) {}

std::uint32_t SimClock::MillisLocked() const {
    // Truncation to 32 bits is the counter's own wrap.
    return static_cast<std::uint32_t>((micros_ - startMicros_) / 1000);
}

std::uint32_t SimClock::TickCount() {
    std::lock_guard lock(mutex_);
    std::uint32_t ms = MillisLocked();
    if (tickGranularity_ > 1) ms -= ms % tickGranularity_;
    return tickBase_ + ms;
}

std::uint32_t SimClock::MultimediaTime() {
    std::lock_guard lock(mutex_);
    return multimediaBase_ + MillisLocked();
}

std::int64_t SimClock::MonotonicMicros() {
    std::lock_guard lock(mutex_);
    return micros_;
}

void SimClock::AdvanceLocked(std::int64_t micros) {
    if (micros > 0) micros_ += micros;
}

void SimClock::BeforeSleep() {
    std::function<void()> hook;
    {
        std::lock_guard lock(mutex_);
        hook = startHook_;
    }
    if (hook) hook();
}

void SimClock::AfterSleep(const SleepRecord& record) {
    SleepHook hook;
    {
        std::lock_guard lock(mutex_);
        ++sleepCount_;
        if (sleeps_.size() < kMaxSleepRecords) sleeps_.push_back(record);
        hook = hook_;
    }
    if (hook) hook(record);
}

void SimClock::Sleep(std::uint32_t milliseconds) {
    BeforeSleep();
    SleepRecord record;
    {
        std::lock_guard lock(mutex_);
        record.fromMicros = micros_;
        AdvanceLocked(static_cast<std::int64_t>(milliseconds) * 1000);
        record.toMicros = micros_;
    }
    AfterSleep(record);
}

void SimClock::SleepUntil(std::int64_t deadlineMicros) { SleepUntilRecorded(deadlineMicros, 0); }

void SimClock::SleepUntilStep(std::int64_t wakeMicros, std::int64_t deadlineMicros) {
    SleepUntilRecorded(wakeMicros, deadlineMicros);
}

void SimClock::SleepUntilRecorded(std::int64_t deadlineMicros, std::int64_t stepOfMicros) {
    BeforeSleep();
    SleepRecord record;
    record.untilDeadline = true;
    record.stepOfMicros = stepOfMicros;
    {
        std::lock_guard lock(mutex_);
        record.fromMicros = micros_;
        AdvanceLocked(deadlineMicros - micros_);
        record.toMicros = micros_;
    }
    AfterSleep(record);
}

void SimClock::Advance(std::uint32_t milliseconds) { AdvanceMicros(static_cast<std::int64_t>(milliseconds) * 1000); }

void SimClock::AdvanceMicros(std::int64_t micros) {
    std::lock_guard lock(mutex_);
    AdvanceLocked(micros);
}

void SimClock::SetTickCount(std::uint32_t tick) {
    std::lock_guard lock(mutex_);
    tickBase_ = tick - MillisLocked();
    // With a coarse granularity the reading would snap below `tick`; restart the steps here.
    if (tickGranularity_ > 1) tickBase_ += MillisLocked() % tickGranularity_;
}

void SimClock::SetMultimediaTime(std::uint32_t time) {
    std::lock_guard lock(mutex_);
    multimediaBase_ = time - MillisLocked();
}

void SimClock::SetTickGranularity(std::uint32_t milliseconds) {
    std::lock_guard lock(mutex_);
    tickGranularity_ = milliseconds == 0 ? 1 : milliseconds;
}

void SimClock::SetSleepHook(SleepHook hook) {
    std::lock_guard lock(mutex_);
    hook_ = std::move(hook);
}

void SimClock::SetSleepStartHook(std::function<void()> hook) {
    std::lock_guard lock(mutex_);
    startHook_ = std::move(hook);
}

std::vector<SleepRecord> SimClock::Sleeps() const {
    std::lock_guard lock(mutex_);
    return sleeps_;
}

std::uint64_t SimClock::SleepCount() const {
    std::lock_guard lock(mutex_);
    return sleepCount_;
}

void SimClock::ClearSleeps() {
    std::lock_guard lock(mutex_);
    sleeps_.clear();
    sleepCount_ = 0;
}

}  // namespace xd::sim
