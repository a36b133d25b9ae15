// The jitter 随机偏移 adds to click points, in screen pixels.
#pragma once
#include <cstdint>
#include <random>

namespace xd {

// u × 2h − h with h = width ÷ 2 and u in [0, 1), rounded half to even: within
// half the width of the exact point.
[[nodiscard]] int JitterFromUniform(std::int32_t width, double u) noexcept;

// Seeded from the clock for each click statement.
class ClickJitter {
public:
    explicit ClickJitter(std::uint64_t seed) : engine_(static_cast<std::uint32_t>(seed ^ (seed >> 32))) {}
    [[nodiscard]] int Next(std::int32_t width) noexcept;

private:
    std::mt19937 engine_;
};

}  // namespace xd
