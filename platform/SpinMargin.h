// How long before a deadline a sleeper wakes to spin out the rest. A timer fires late by an amount that
// depends on the system (a tenth of a millisecond or more under Wine, more on a busy machine); a wake-up past
// the deadline cannot be made up, while every microsecond spun is a core burnt. So the margin follows the
// timer: the 99th percentile of its recent lateness plus a little headroom, within fixed bounds.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace xd {

class SpinMargin {
public:
    static constexpr std::int64_t kMinMicros = 100;
    static constexpr std::int64_t kMaxMicros = 1000;
    static constexpr std::int64_t kHeadroomMicros = 50;
    static constexpr std::size_t kWindow = 128;  // wake-ups remembered
    static constexpr std::size_t kWarmUp = 16;   // until this many are known, the widest margin

    [[nodiscard]] std::int64_t Micros() const noexcept { return micros_; }

    // A wake-up `lateness` µs after the time asked for; an early one counts as on time.
    void Record(std::int64_t lateness) noexcept {
        late_[next_] = std::max<std::int64_t>(lateness, 0);
        next_ = (next_ + 1) % kWindow;
        if (count_ < kWindow) ++count_;
        micros_ = count_ < kWarmUp ? kMaxMicros
                                   : std::clamp(Percentile99() + kHeadroomMicros, kMinMicros, kMaxMicros);
    }

private:
    // The value that 99 % of the remembered wake-ups do not exceed: one stray wake-up of a preempted thread
    // in a hundred does not widen the margin on its own.
    [[nodiscard]] std::int64_t Percentile99() const noexcept {
        std::array<std::int64_t, kWindow> sorted = late_;
        const auto end = sorted.begin() + static_cast<std::ptrdiff_t>(count_);
        const auto at = sorted.begin() + static_cast<std::ptrdiff_t>(count_ * 99 / 100);
        std::nth_element(sorted.begin(), at, end);
        return *at;
    }

    std::array<std::int64_t, kWindow> late_{};
    std::size_t count_ = 0;
    std::size_t next_ = 0;
    std::int64_t micros_ = kMaxMicros;
};

}  // namespace xd
