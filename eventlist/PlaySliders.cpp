#include "eventlist/PlaySliders.h"

#include <algorithm>
#include <cmath>

namespace xd {

std::string EventRepeatLabel(std::int32_t repeatPosition) {
    if (repeatPosition <= 0) return "回放次数：无限";
    return "回放次数：" + std::to_string(repeatPosition) + "次";
}

std::int32_t SpeedFactorTenths(std::int32_t speedPosition) noexcept {
    const std::int32_t p = std::clamp(speedPosition, 0, kSpeedSliderMax);
    if (p < 30) return 10 + p;
    return (p - 26) * 10;
}

std::string EventSpeedLabel(std::int32_t speedPosition) {
    if (std::clamp(speedPosition, 0, kSpeedSliderMax) == 0) return "回放速度：正常";
    // Tenths keep the shortest decimal form exact: 15 → "1.5", 40 → "4".
    const std::int32_t tenths = SpeedFactorTenths(speedPosition);
    std::string factor = std::to_string(tenths / 10);
    if (tenths % 10 != 0) factor += "." + std::to_string(tenths % 10);
    return "回放速度：" + factor + "倍";
}

std::int64_t EventWaitMs(std::int32_t delayMs, std::int32_t speedPosition) noexcept {
    const double scaled = static_cast<double>(delayMs) * 10.0 / SpeedFactorTenths(speedPosition);
    const auto wait = static_cast<std::int64_t>(std::nearbyint(scaled));
    return wait < 0 ? 1 : wait;
}

}  // namespace xd
