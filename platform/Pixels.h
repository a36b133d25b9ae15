// Logical pixels are pixels at 96 per inch; conversions round to nearest, halves to even.
#pragma once
#include <cmath>

namespace xd {

constexpr int kLogicalDpi = 96;

inline int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

inline int ScreenToLogical(int screenPixels, int dpi) {
    return dpi <= 0 ? screenPixels : RoundHalfEven(static_cast<double>(screenPixels) * kLogicalDpi / dpi);
}

inline int LogicalToScreen(int logicalPixels, int dpi) {
    return dpi <= 0 ? logicalPixels : RoundHalfEven(static_cast<double>(logicalPixels) * dpi / kLogicalDpi);
}

}  // namespace xd
