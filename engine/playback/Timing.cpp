#include "engine/playback/Timing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace xd {

float EffectiveSpeed(ScriptConfig& config) noexcept {
    float speed = config.speed.load();
    if (speed == 0.0f) {
        speed = 1.0f;
        config.speed.store(speed);
    }
    return speed;
}

std::int32_t ClickNextWait(std::int32_t wait, std::int32_t count) noexcept {
    const std::int64_t value = static_cast<std::int64_t>(wait) - 2 * static_cast<std::int64_t>(count);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::int32_t ScaledDurationMs(double ms, float speed) noexcept {
    const double q = std::nearbyint(ms / static_cast<double>(speed));
    if (!(q >= 0.0) || q > static_cast<double>(std::numeric_limits<std::int32_t>::max())) return 0;
    return static_cast<std::int32_t>(q);
}

std::int32_t ApproachDurationMs(std::uint32_t storedWait, float speed) noexcept {
    if (storedWait == 0) return kFirstApproachMs;
    const auto wait = static_cast<std::int32_t>(storedWait);
    return wait < 0 ? 0 : ScaledDurationMs(wait, speed);
}

std::int32_t DragDurationMs(std::int32_t duration, float speed) noexcept {
    return duration <= 0 ? 0 : ScaledDurationMs(duration, speed);
}

std::int64_t MovementDeadline(std::int64_t now, const std::int64_t* anchor, std::int32_t durationMs) noexcept {
    const std::int64_t due = (anchor ? *anchor : now) + static_cast<std::int64_t>(durationMs) * 1000;
    return now - due >= kCatchUpLimitMicros ? now : due;
}

std::int64_t NextStepWake(std::int64_t start, std::int64_t now, std::int64_t deadline) noexcept {
    const std::int64_t steps = now < start ? 0 : (now - start) / kStepMicros;
    return std::min(deadline, start + (steps + 1) * kStepMicros);
}

}  // namespace xd
