// The virtual pointer: where it goes, when it shows, and what its painting
// looks like at each animation phase. The Win32 layer draws from these facts.
#pragma once
#include <array>
#include <cstdint>

#include "platform/Types.h"

namespace xd {

// Closed arrow polygon in 96-DPI units, tip at the window's top-left corner.
inline constexpr std::array<Point, 7> kPointerArrow{{
    {0, 0}, {0, 27}, {6, 21}, {11, 29}, {14, 27}, {10, 19}, {19, 19}}};

inline constexpr int kPointerPhaseLast = 40;
inline constexpr std::uint32_t kPointerTimerMs = 50;

// One timer tick: 0, 1, ..., 40, 0, ... (a cycle of 41 ticks).
[[nodiscard]] constexpr int NextAnimationPhase(int phase) noexcept {
    return phase + 1 > kPointerPhaseLast ? 0 : phase + 1;
}

// How one frame is painted, in 96-DPI units.
struct PointerFrame {
    Point gradientFrom{};
    Point gradientTo{};
    std::uint32_t colourFrom = 0xFFFEFEFE;  // one step off the white colour key, so it shows
    std::uint32_t colourTo = 0xFFC0C0C0;
    int gradientWrapMode = 3;  // tile, flipped in both directions
    std::uint32_t pen = 0xFF000000;
    int penWidth = 1;
    int dashStyle = 3;  // dash-dot
    float dashOffset = 0;
};

[[nodiscard]] constexpr PointerFrame PointerFrameAt(int phase) noexcept {
    PointerFrame frame;
    frame.gradientFrom = Point{phase, phase};
    frame.gradientTo = Point{phase + 20, phase + 20};
    frame.dashOffset = static_cast<float>(phase);
    return frame;
}

// The arrow's tip sits one pixel right of and below the point the player acts on.
[[nodiscard]] constexpr Point PointerCornerFor(Point action) noexcept { return Point{action.x + 1, action.y + 1}; }

}  // namespace xd
