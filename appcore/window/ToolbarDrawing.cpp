#include "appcore/window/ToolbarDrawing.h"

#include <array>

#include "appcore/window/ToolbarHover.h"
#include "platform/Pixels.h"

namespace xd {

namespace {

constexpr Rgba kBackground = RgbHex(0xE0FFFF);
constexpr Rgba kBlack = RgbHex(0x000000);
constexpr Rgba kWhite = RgbHex(0xFFFFFF);
constexpr Rgba kDisabledGlyph = RgbHex(0xB0C4DE);
constexpr Rgba kDarkGreen = RgbHex(0x006400);

constexpr int kGlyphFontSize = 18;
constexpr int kCornerSize = 12;
constexpr const char* kIconFontFace = "iconfont";
constexpr const char* kStatusFontFace = "Microsoft YaHei";
constexpr int kStatusFontSize = 9;

Point Scaled(Point p, int dpi) { return Point{LogicalToScreen(p.x, dpi), LogicalToScreen(p.y, dpi)}; }

DrawItem Line(Point from, Point to, Rgba color, int width, int dpi) {
    DrawItem item;
    item.kind = DrawKind::Line;
    item.from = Scaled(from, dpi);
    item.to = Scaled(to, dpi);
    item.color = color;
    item.lineWidth = width;
    return item;
}

DrawItem Text(const std::string& text, Point at, int dpi) {
    DrawItem item;
    item.kind = DrawKind::Text;
    const Point p = Scaled(at, dpi);
    item.rect = Rect{p.x, p.y, p.x, p.y};
    item.color = kBlack;
    item.text = text;
    item.fontFace = kStatusFontFace;
    item.fontSize = kStatusFontSize;
    return item;
}

}  // namespace

char32_t ButtonGlyph(int button) {
    constexpr std::array<char32_t, kToolbarButtonCount> glyphs{0xE781, 0xE782, 0xE7D1, 0xE63B,
                                                               0xE7D7, 0xE6F5, 0xE783};
    return button >= 1 && button <= kToolbarButtonCount ? glyphs[button - 1] : 0;
}

ButtonColors ButtonColorsFor(const MainWindowState& state, int button) {
    if (button < 1 || button > kToolbarButtonCount) return {};
    const int buttonState = state.buttons[button - 1].state;
    const int hover = state.hoverButton == button ? state.hoverMode : kHoverNone;
    switch (buttonState) {
        case kButtonEnabled:
            if (hover == kHoverPointer) return {true, RgbHex(0x00BFFF, 241), kWhite};
            if (hover == kHoverPressed) return {true, RgbHex(0x0000CD, 250), kWhite};
            return {false, {}, kBlack};
        case kButtonActive:
            if (hover == kHoverPointer) return {true, RgbHex(0xFF9600, 249), kBlack};
            if (hover == kHoverPressed) return {true, RgbHex(0x804500, 239), kWhite};
            return {true, RgbHex(0xFF4500, 226), kWhite};
        default:
            return {false, {}, kDisabledGlyph};
    }
}

std::vector<DrawItem> DescribeToolbarStrip(const MainWindowState& state, int dpi, Point stripSize) {
    std::vector<DrawItem> items;
    items.reserve(24);

    DrawItem background;
    background.kind = DrawKind::FillRect;
    background.rect = Rect{0, 0, stripSize.x, stripSize.y};
    background.color = kBackground;
    items.push_back(background);

    for (int button = 1; button <= kToolbarButtonCount; ++button) {
        const Rect rect = ScaledButtonRect(state.buttons[button - 1], dpi);
        const ButtonColors colors = ButtonColorsFor(state, button);
        if (colors.hasFill) {
            DrawItem fill;
            fill.kind = DrawKind::FillRoundRect;
            fill.rect = rect;
            fill.color = colors.fill;
            fill.cornerSize = LogicalToScreen(kCornerSize, dpi);
            items.push_back(fill);
        }
        DrawItem glyph;
        glyph.kind = DrawKind::Glyph;
        glyph.rect = rect;
        glyph.color = colors.glyph;
        glyph.glyph = ButtonGlyph(button);
        glyph.fontFace = kIconFontFace;
        glyph.fontSize = kGlyphFontSize;
        items.push_back(glyph);
    }

    // Between Play and Open, Save and Mode, Editor and Help.
    for (int x : {77, 152, 227}) items.push_back(Line({x, 7}, {x, 26}, kBlack, 1, dpi));

    items.push_back(Text(state.statusText, {5, 32}, dpi));

    if (state.buttons[kEditorButton].state == kButtonActive) {
        DrawItem across = Line({0, 51}, {0, 51}, kDarkGreen, 2, dpi);
        across.to.x = stripSize.x;  // already pixels: the strip's whole width
        items.push_back(across);
        items.push_back(Line({270, 0}, {270, 50}, kDarkGreen, 2, dpi));
        items.push_back(Text(state.label1Captions[0], {287, 7}, dpi));
        items.push_back(Text(state.label1Captions[1], {397, 7}, dpi));
    }
    return items;
}

}  // namespace xd
