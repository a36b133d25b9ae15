#include "appcore/playback/TickPutOff.h"

namespace xd {

std::int64_t TickDelayMicros(std::int64_t now, std::int64_t nextAction) noexcept {
    // An action just due may still be going in: a foreground injection waits on the hooks.
    const std::int64_t resume = nextAction + kResumeAfterActionMicros;
    if (nextAction <= 0 || resume <= now || nextAction - now > kQuietBeforeActionMicros) return 0;
    return resume - now;
}

std::int64_t TickPutOff::DelayMicros(std::int64_t now, std::int64_t nextAction) noexcept {
    const std::int64_t delay = TickDelayMicros(now, nextAction);
    if (delay == 0 || (since_ != 0 && now + delay - since_ > kLongestTickPutOffMicros)) {
        since_ = 0;
        return 0;
    }
    if (since_ == 0) since_ = now;
    return delay;
}

}  // namespace xd
