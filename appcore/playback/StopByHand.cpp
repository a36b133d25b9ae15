#include "appcore/playback/StopByHand.h"

namespace xd {
namespace {

constexpr int kHookAction = 0;

}  // namespace

bool DecideStopByHand(const HandMoveFacts& f) noexcept {
    if (f.code != kHookAction || f.message != msg::kMouseMove) return false;
    if (!f.foregroundPlayback || !f.stopOnMouseMove) return false;
    if ((f.flags & kInjectedMouseFlags) != 0) return false;
    return !f.nearPlayerPoint;
}

bool IsStopByHand(PlayerPointerTrail& trail, int code, const LowLevelMouseEvent& event, bool foregroundPlayback,
                  bool stopOnMouseMove) noexcept {
    // Out at once for the common case: no foreground playback, or the option off.
    if (!foregroundPlayback || !stopOnMouseMove || code != kHookAction || event.message != msg::kMouseMove) return false;
    if ((event.flags & kInjectedMouseFlags) != 0) {
        trail.Record(event.point);
        return false;
    }
    return DecideStopByHand(HandMoveFacts{code, event.message, event.flags, foregroundPlayback, stopOnMouseMove,
                                          trail.IsNear(event.point, kStopByHandPixels)});
}

}  // namespace xd
