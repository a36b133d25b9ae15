#include "documents/editor/SliderScales.h"

#include <cmath>

#include "engine/ScriptConfig.h"

namespace xd {
namespace {

// Beyond every slider's range, yet safe to convert to int.
constexpr double kPositionLimit = 1.0e6;

}  // namespace

float SpeedFactorForPosition(int position) noexcept {
    if (position == 0) return 1.0f;
    if (position < 30) return static_cast<float>(10 + position) / 10.0f;
    return static_cast<float>(position - 26);
}

int SpeedPositionForFactor(float factor) noexcept {
    if (std::isnan(factor) || factor == 0.0f || factor == 1.0f) return 0;
    const double value = static_cast<double>(factor);
    const double position = value >= 4.0 ? 26.0 + value : 10.0 * value - 10.0;
    const double clamped = position < -kPositionLimit ? -kPositionLimit
                           : position > kPositionLimit ? kPositionLimit
                                                       : position;
    return static_cast<int>(std::nearbyint(clamped));
}

std::string SpeedLabel(int position) {
    if (position == 0) return "回放速度：正常";
    return "回放速度：" + FormatSpeed(SpeedFactorForPosition(position)) + "倍";
}

std::string RepeatLabel(int position) {
    if (position == 0) return "回放次数：无限";
    return "回放次数：" + std::to_string(position) + "次";
}

std::string RepeatCountLine(int count) {
    return std::string(kRepeatCountKey) + "=" + std::to_string(count) + " '=0为无限循环，直到按下停止键。";
}

std::string SpeedLine(float factor) {
    return std::string(kSpeedKey) + "=" + FormatSpeed(factor) + " '0.01 -- 999";
}

std::string ForegroundModeLine(bool foreground) {
    return std::string(kForegroundModeKey) + "=" + (foreground ? "1" : "0") + " '=0后台模式 =1前台模式";
}

}  // namespace xd
