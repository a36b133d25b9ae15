#include "eventlist/player/AnimatePointer.h"

#include <algorithm>
#include <cmath>

namespace xd {

int AnimationStepLength(int stepIndex, double d) noexcept {
    if (stepIndex < 10) return 3;
    if (d > 2000) return 37;
    if (d > 1500) return 28;
    if (d > 1000) return 21;
    if (d > 600) return 15;
    if (d > 300) return 11;
    if (d > 100) return 8;
    if (d > 50) return 5;
    return 3;
}

namespace {

double StepAxis(double current, int target, double step, double d) {
    const double delta = target - current;
    double next = current + (delta < 0 ? -1.0 : 1.0) * step * std::fabs(delta) / d;
    const double remaining = target - next;
    if (remaining >= -4 && remaining <= 3) next = target;
    return next;
}

Point Rounded(const AnimationPosition& p) {
    return Point{static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
}

bool AtTarget(const AnimationPosition& p, Point target) { return p.x == target.x && p.y == target.y; }

}  // namespace

Point AdvanceAnimation(AnimationPosition& position, Point target, int stepIndex) noexcept {
    const double d = std::max(std::fabs(target.x - position.x), std::fabs(target.y - position.y));
    if (d > 0) {
        const double step = AnimationStepLength(stepIndex, d);
        position.x = StepAxis(position.x, target.x, step, d);
        position.y = StepAxis(position.y, target.y, step, d);
    }
    return Rounded(position);
}

std::vector<Point> AnimationPath(Point from, Point target) {
    std::vector<Point> path;
    AnimationPosition position{static_cast<double>(from.x), static_cast<double>(from.y)};
    for (int i = 0; !AtTarget(position, target); ++i) path.push_back(AdvanceAnimation(position, target, i));
    return path;
}

Point AnimatePointer(const EventPlayerServices& services, Point target, AnimateWhat what, WindowHandle hint,
                     Point hintCorner, const std::function<bool()>& stop) {
    const bool pointer = what == AnimateWhat::RealPointer;
    const Point from = pointer ? services.input.GetCursorPos() : hintCorner;
    AnimationPosition position{static_cast<double>(from.x), static_cast<double>(from.y)};
    Point placed = from;
    services.view.PostEnableMainWindow(false);
    std::int64_t wake = services.clock.MonotonicMicros();
    for (int i = 0; !AtTarget(position, target); ++i) {
        if (i > 0) {
            wake += kAnimationStepMicros;
            services.clock.SleepUntil(wake);
        }
        if ((stop && stop()) || (!pointer && !services.windows.IsWindow(hint))) break;
        placed = AdvanceAnimation(position, target, i);
        if (pointer) {
            static_cast<void>(services.input.SetCursorPos(placed));  // a refused move is retried by the next step
        } else {
            services.overlays.PlacePointerOverlay(hint, placed);
        }
    }
    if (what == AnimateWhat::HintWindowWithClick && AtTarget(position, target))
        ShowClickEffect(services.effects, services.overlays, target, evmsg::kLeftDown);
    services.view.PostEnableMainWindow(true);
    return placed;
}

}  // namespace xd
