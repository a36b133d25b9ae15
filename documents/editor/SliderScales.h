// The two sliders' scales: speed slider position <-> speed factor, the labels
// above both sliders, and the 配置 lines a slider writes.
#pragma once
#include <string>
#include <string_view>

namespace xd {

inline constexpr std::string_view kRepeatCountKey = "配置.执行次数";
inline constexpr std::string_view kSpeedKey = "配置.执行速度";
inline constexpr std::string_view kForegroundModeKey = "配置.前台模式";

// Position 0 is normal speed (1); -9..29 step by tenths around it (0.1..3.9);
// from 30 on whole factors (4..174), so the far end reaches far.
[[nodiscard]] float SpeedFactorForPosition(int position) noexcept;

// The position that shows a script's speed, not yet clamped by the slider:
// 0 and 1 are normal speed; below 4 by tenths, from 4 on whole factors;
// rounded to nearest, halves to even. A NaN shows as normal speed.
[[nodiscard]] int SpeedPositionForFactor(float factor) noexcept;

[[nodiscard]] std::string SpeedLabel(int position);
[[nodiscard]] std::string RepeatLabel(int position);

[[nodiscard]] std::string RepeatCountLine(int count);
[[nodiscard]] std::string SpeedLine(float factor);
[[nodiscard]] std::string ForegroundModeLine(bool foreground);

}  // namespace xd
