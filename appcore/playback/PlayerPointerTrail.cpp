#include "appcore/playback/PlayerPointerTrail.h"

#include <cstdlib>

namespace xd {

std::uint64_t PlayerPointerTrail::Pack(Point p) noexcept {
    return (std::uint64_t{static_cast<std::uint32_t>(p.x)} << 32) | static_cast<std::uint32_t>(p.y);
}

Point PlayerPointerTrail::Unpack(std::uint64_t v) noexcept {
    return Point{static_cast<std::int32_t>(static_cast<std::uint32_t>(v >> 32)),
                 static_cast<std::int32_t>(static_cast<std::uint32_t>(v))};
}

void PlayerPointerTrail::Reset(Point start) noexcept {
    const std::uint64_t packed = Pack(start);
    for (std::atomic<std::uint64_t>& slot : points_) slot.store(packed);
    next_.store(0);
}

void PlayerPointerTrail::Record(Point p) noexcept {
    const std::uint32_t slot = next_.fetch_add(1) % kPoints;
    points_[slot].store(Pack(p));
}

bool PlayerPointerTrail::IsNear(Point p, int tolerance) const noexcept {
    for (const std::atomic<std::uint64_t>& slot : points_) {
        const Point q = Unpack(slot.load());
        // In 64 bits: points far apart on a wide virtual screen must not overflow.
        const std::int64_t dx = std::int64_t{p.x} - q.x;
        const std::int64_t dy = std::int64_t{p.y} - q.y;
        if (std::llabs(dx) <= tolerance && std::llabs(dy) <= tolerance) return true;
    }
    return false;
}

}  // namespace xd
