// The playback's timing arithmetic. Waits and durations stay 32-bit
// milliseconds as the script states them; deadlines are monotonic microseconds.
#pragma once
#include <cstdint>

#include "engine/ScriptConfig.h"

namespace xd {

inline constexpr std::int32_t kFirstApproachMs = 1000;  // nothing stored: the first action
inline constexpr std::int64_t kStepMicros = 10'000;     // one movement step
// Each repetition of a click or wheel statement is allowed this much of its
// wait; the rest is stored for the next approach.
inline constexpr std::int32_t kRepetitionAllowanceMs = 2;

// 执行速度 as a divisor; 0 is stored back as 1 at first use.
[[nodiscard]] float EffectiveSpeed(ScriptConfig& config) noexcept;

// What a click or wheel statement stores: wait − 2 × count, saturated to 32 bits.
[[nodiscard]] std::int32_t ClickNextWait(std::int32_t wait, std::int32_t count) noexcept;

// The stored form of a wait: the 32-bit pattern, so a negative wait keeps its sign bit.
[[nodiscard]] constexpr std::uint32_t StoredWait(std::int32_t wait) noexcept {
    return static_cast<std::uint32_t>(wait);
}

// ms ÷ speed rounded half to even; a negative result, or one outside the
// signed 32-bit range, is an action of no duration rather than a 25-day crawl.
[[nodiscard]] std::int32_t ScaledDurationMs(double ms, float speed) noexcept;

// How long the next approach lasts for a stored wait: 1000 ms when none is
// stored, else the wait scaled by the speed.
[[nodiscard]] std::int32_t ApproachDurationMs(std::uint32_t storedWait, float speed) noexcept;

// A drag's movement time: 0 for a zero or negative 经历时间.
[[nodiscard]] std::int32_t DragDurationMs(std::int32_t duration, float speed) noexcept;

// Lateness a playback makes up: a movement due less than this long ago keeps
// its deadline (the action comes at once and the next wait counts from when it
// was due), so the time a statement takes of its own, such as 目标窗口's pause,
// does not add up over the repetitions.
inline constexpr std::int64_t kCatchUpLimitMicros = 50'000;

// The deadline of a movement of durationMs that counts from `anchor` (the time
// the previous action was due), or from now without one. A deadline passed by
// the catch-up limit or more becomes now: a playback late by that much (a box,
// a slow window) acts at once instead of hurrying through several actions.
[[nodiscard]] std::int64_t MovementDeadline(std::int64_t now, const std::int64_t* anchor,
                                            std::int32_t durationMs) noexcept;

// When a movement that started at `start` wakes next: the next 10 ms step
// boundary after now, but never past the deadline.
[[nodiscard]] std::int64_t NextStepWake(std::int64_t start, std::int64_t now, std::int64_t deadline) noexcept;

}  // namespace xd
