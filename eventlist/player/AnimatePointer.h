// Moving the real pointer or the hint window to a screen point in visible 5 ms
// steps: slow at first, then faster the further there is to go.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "eventlist/RecordedEvent.h"
#include "eventlist/player/EventPlayerServices.h"

namespace xd {

enum class AnimateWhat {
    RealPointer,
    HintWindow,
    HintWindowWithClick,  // the hint window, then a left-click effect at the target
};

inline constexpr std::int64_t kAnimationStepMicros = 5'000;

// The position between steps, kept fractional; placed rounded.
struct AnimationPosition {
    double x = 0;
    double y = 0;
};

// Pixels per step: 3 for the first ten steps (stepIndex 0..9), then by the
// larger remaining distance d.
[[nodiscard]] int AnimationStepLength(int stepIndex, double d) noexcept;

// One step towards the target; an axis within −4..3 of it snaps there. Returns
// the rounded point to place.
Point AdvanceAnimation(AnimationPosition& position, Point target, int stepIndex) noexcept;

// Every point an animation places, in order, ending at the target; empty when
// `from` is the target.
[[nodiscard]] std::vector<Point> AnimationPath(Point from, Point target);

// Disables the main window meanwhile. Starts from the real pointer, or from
// `hintCorner` (where the player last put the hint window, which it never reads
// back). Ends early when `stop` says so or the hint window has gone. Returns
// where the moved thing was left.
Point AnimatePointer(const EventPlayerServices& services, Point target, AnimateWhat what, WindowHandle hint,
                     Point hintCorner, const std::function<bool()>& stop);

}  // namespace xd
