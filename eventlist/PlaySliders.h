// The repeat and speed sliders: their labels, the speed factor and the wait an
// event's delay turns into. Positions outside the sliders' ranges (a damaged
// file) are clamped, so no factor is ever zero or negative.
#pragma once
#include <cstdint>
#include <string>

namespace xd {

inline constexpr std::int32_t kRepeatSliderMax = 1000;
inline constexpr std::int32_t kSpeedSliderMax = 200;

// "回放次数：无限" for 0, else "回放次数：" + n + "次".
[[nodiscard]] std::string EventRepeatLabel(std::int32_t repeatPosition);
// "回放速度：正常" for 0, else "回放速度：" + factor + "倍" (1.5, 2, 4, …).
[[nodiscard]] std::string EventSpeedLabel(std::int32_t speedPosition);

// The speed factor in tenths: 10 at 0, 10 + p up to 29, (p − 26) × 10 from 30 on.
[[nodiscard]] std::int32_t SpeedFactorTenths(std::int32_t speedPosition) noexcept;

// delayMs divided by the factor, rounded to nearest (halves to even); a negative
// result waits 1 ms.
[[nodiscard]] std::int64_t EventWaitMs(std::int32_t delayMs, std::int32_t speedPosition) noexcept;

}  // namespace xd
