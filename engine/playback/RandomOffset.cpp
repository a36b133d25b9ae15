#include "engine/playback/RandomOffset.h"

#include "platform/Pixels.h"

namespace xd {

int JitterFromUniform(std::int32_t width, double u) noexcept {
    const double h = static_cast<double>(width) / 2.0;
    return RoundHalfEven(u * 2.0 * h - h);
}

int ClickJitter::Next(std::int32_t width) noexcept {
    if (width == 0) return 0;
    double u = std::generate_canonical<double, 53>(engine_);
    if (u >= 1.0) u = 0.0;  // some library versions can round up to 1
    return JitterFromUniform(width, u);
}

}  // namespace xd
