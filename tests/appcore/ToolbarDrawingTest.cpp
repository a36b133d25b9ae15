#include <gtest/gtest.h>

#include <algorithm>

#include "appcore/window/ToolbarDrawing.h"

namespace xd {
namespace {

std::vector<DrawItem> OfKind(const std::vector<DrawItem>& items, DrawKind kind) {
    std::vector<DrawItem> out;
    std::copy_if(items.begin(), items.end(), std::back_inserter(out),
                 [kind](const DrawItem& i) { return i.kind == kind; });
    return out;
}

TEST(ToolbarDrawing, ButtonColoursByStateAndHover) {
    struct Case { int state; int hoverMode; bool hasFill; Rgba fill; Rgba glyph; };
    const Case cases[] = {
        {0, 0, false, {}, {0xB0, 0xC4, 0xDE, 255}}, {0, 2, false, {}, {0xB0, 0xC4, 0xDE, 255}},
        {1, 0, false, {}, {0, 0, 0, 255}},
        {1, 1, true, {0x00, 0xBF, 0xFF, 241}, {255, 255, 255, 255}},
        {1, 2, true, {0x00, 0x00, 0xCD, 250}, {255, 255, 255, 255}},
        {2, 0, true, {0xFF, 0x45, 0x00, 226}, {255, 255, 255, 255}},
        {2, 1, true, {0xFF, 0x96, 0x00, 249}, {0, 0, 0, 255}},
        {2, 2, true, {0x80, 0x45, 0x00, 239}, {255, 255, 255, 255}},
    };
    for (const Case& c : cases) {
        MainWindowState s = InitialMainWindowState(ApplicationInfo{});
        s.buttons[kPlayButton].state = c.state;
        s.hoverButton = c.hoverMode ? 2 : 0;
        s.hoverMode = c.hoverMode;
        const auto items = DescribeToolbarStrip(s, 96, {272, 49});
        const auto glyphs = OfKind(items, DrawKind::Glyph);
        ASSERT_EQ(glyphs.size(), 7u);
        EXPECT_EQ(glyphs[1].glyph, U'\xE782');
        EXPECT_EQ(glyphs[1].color, c.glyph) << c.state << "/" << c.hoverMode;
        const auto fills = OfKind(items, DrawKind::FillRoundRect);
        ASSERT_EQ(fills.size(), c.hasFill ? 1u : 0u) << c.state << "/" << c.hoverMode;
        if (c.hasFill) {
            EXPECT_EQ(fills[0].color, c.fill) << c.state << "/" << c.hoverMode;
            EXPECT_EQ(fills[0].rect, (Rect{40, 5, 75, 30}));
        }
    }
}

TEST(ToolbarDrawing, HoverMarksOnlyTheHoveredButton) {
    MainWindowState s = InitialMainWindowState(ApplicationInfo{});
    s.hoverButton = 6;
    s.hoverMode = kHoverPointer;
    const auto glyphs = OfKind(DescribeToolbarStrip(s, 96, {272, 49}), DrawKind::Glyph);
    for (int i = 0; i < 7; ++i) {
        const Rgba expected = i == 5 ? Rgba{255, 255, 255, 255} : i == kSaveButton ? Rgba{0xB0, 0xC4, 0xDE, 255}
                                                                                 : Rgba{0, 0, 0, 255};
        EXPECT_EQ(glyphs[i].color, expected) << i;
    }
}

TEST(ToolbarDrawing, CompactStripAt144Dpi) {
    MainWindowState s = InitialMainWindowState(ApplicationInfo{});
    const auto items = DescribeToolbarStrip(s, 144, {408, 74});
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.front().kind, DrawKind::FillRect);
    EXPECT_EQ(items.front().color, (Rgba{0xE0, 0xFF, 0xFF, 255}));
    EXPECT_EQ(items.front().rect, (Rect{0, 0, 408, 74}));

    const auto glyphs = OfKind(items, DrawKind::Glyph);
    EXPECT_EQ(glyphs[0].rect, (Rect{8, 8, 60, 45}));
    EXPECT_EQ(glyphs[6].rect, (Rect{345, 8, 398, 45}));

    const auto lines = OfKind(items, DrawKind::Line);
    ASSERT_EQ(lines.size(), 3u);  // no full-window extras
    EXPECT_EQ(lines[0].from, (Point{116, 10}));
    EXPECT_EQ(lines[0].to, (Point{116, 39}));
    EXPECT_EQ(lines[2].from.x, 340);

    const auto texts = OfKind(items, DrawKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, s.statusText);
    EXPECT_EQ(texts[0].fontFace, "Microsoft YaHei");
    EXPECT_EQ(texts[0].rect.left, 8);
    EXPECT_EQ(texts[0].rect.top, 48);
}

TEST(ToolbarDrawing, FullWindowAddsGreenFrameAndSliderCaptions) {
    MainWindowState s = InitialMainWindowState(ApplicationInfo{});
    s.buttons[kEditorButton].state = kButtonActive;
    const auto items = DescribeToolbarStrip(s, 96, {504, 52});
    const auto lines = OfKind(items, DrawKind::Line);
    ASSERT_EQ(lines.size(), 5u);
    const Rgba green{0x00, 0x64, 0x00, 255};
    EXPECT_EQ(lines[3].color, green);
    EXPECT_EQ(lines[3].from, (Point{0, 51}));
    EXPECT_EQ(lines[3].to, (Point{504, 51}));
    EXPECT_EQ(lines[4].from, (Point{270, 0}));
    EXPECT_EQ(lines[4].to, (Point{270, 50}));
    const auto texts = OfKind(items, DrawKind::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].text, "回放次数：无限");
    EXPECT_EQ(texts[1].rect.left, 287);
    EXPECT_EQ(texts[2].rect.left, 397);
}

}  // namespace
}  // namespace xd
