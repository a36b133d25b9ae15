// The toolbar strip as a list of draw items, so the picture can be checked
// without a screen; the Win32 side paints them in order with GDI+.
// Positions are pixels (96-DPI units scaled by dpi); widths of lines are pixels.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "appcore/window/MainWindowState.h"
#include "platform/Types.h"

namespace xd {

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

constexpr Rgba RgbHex(std::uint32_t rgb, std::uint8_t alpha = 255) {
    return Rgba{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb), alpha};
}

enum class DrawKind {
    FillRect,       // rect, color
    FillRoundRect,  // rect, color, cornerSize (arc width and height)
    Glyph,          // icon-font code point centred in rect
    Line,           // from, to, color, lineWidth
    Text,           // text at rect's top-left
};

struct DrawItem {
    DrawKind kind = DrawKind::FillRect;
    Rect rect{};
    Point from{};
    Point to{};
    Rgba color{};
    int lineWidth = 0;
    int cornerSize = 0;
    char32_t glyph = 0;
    std::string text;  // UTF-8
    std::string fontFace;
    int fontSize = 0;  // as the font is named; the painter applies the DPI
};

// Icon-font code point of a 1-based button; 0 outside 1..7.
char32_t ButtonGlyph(int button);

struct ButtonColors {
    bool hasFill = false;
    Rgba fill{};
    Rgba glyph{};
};

// Colours of a 1-based button from its state and the hover marks.
ButtonColors ButtonColorsFor(const MainWindowState& state, int button);

// Everything painted on the strip of the given pixel size, in painting order.
std::vector<DrawItem> DescribeToolbarStrip(const MainWindowState& state, int dpi, Point stripSize);

}  // namespace xd
