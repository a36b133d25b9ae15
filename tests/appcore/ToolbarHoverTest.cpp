#include <gtest/gtest.h>

#include "appcore/window/ToolbarHover.h"

namespace xd {
namespace {

TEST(ToolbarHitTest, FindsButtonsAt96And144Dpi) {
    const ToolbarButtons buttons = InitialToolbarButtons();
    struct Case { int dpi; Point p; int button; };
    const Case cases[] = {
        {96, {5, 5}, 1},     {96, {4, 17}, 0},    {96, {40, 17}, 1},  // shared edge: lower index wins
        {96, {41, 17}, 2},   {96, {76, 17}, 0},   {96, {20, 4}, 0},   {96, {20, 31}, 0},
        {96, {265, 30}, 7},  {96, {266, 30}, 0},
        {144, {7, 20}, 0},   {144, {8, 20}, 1},   {144, {60, 20}, 1}, {144, {61, 20}, 2},
        {144, {112, 20}, 2}, {144, {113, 20}, 0}, {144, {120, 45}, 3}, {144, {120, 46}, 0},
        {144, {120, 7}, 0},  {144, {398, 30}, 7}, {144, {399, 30}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HitTestToolbar(buttons, c.p, c.dpi), c.button) << c.dpi << " dpi at " << c.p.x << "," << c.p.y;
}

TEST(ButtonHint, TextsPerButtonWithHotkeys) {
    const std::string hints[] = {
        "【录制 / 停止录制】鼠标操作(快捷键 F3)", "【回放 / 停止回放】鼠标操作(快捷键 F2)",
        "打开以前保存的鼠标操作脚本文件",         "保存的录制的鼠标操作到【脚本】文件",
        "前台\\后台模式切换，前台回放时不能使用电脑", "修改或编辑鼠标操作的脚本，适合高手使用。",
        "打开帮助网页，第一次使用时建议看完帮助。",
    };
    for (int b = 1; b <= 7; ++b) EXPECT_EQ(ButtonHint(b, 114, 113), hints[b - 1]) << b;
    EXPECT_EQ(ButtonHint(1, 123, 112), "【录制 / 停止录制】鼠标操作(快捷键 F12)");
    EXPECT_EQ(ButtonHint(2, 123, 112), "【回放 / 停止回放】鼠标操作(快捷键 F1)");
    EXPECT_EQ(ButtonHint(0, 114, 113), "");
}

class StripHover : public ::testing::Test {
protected:
    MainWindowState s = InitialMainWindowState(ApplicationInfo{});
    static constexpr Point kOnRecord{20, 17};
    static constexpr Point kOnPlay{55, 17};
    static constexpr Point kOnSave{130, 17};
    static constexpr Point kOnHelp{245, 17};
    static constexpr Point kGap{77, 17};
};

TEST_F(StripHover, EnteringButtonShowsHintAndStartsHelpTimerOnce) {
    HoverOutcome o = OnStripPointerMove(s, kOnRecord, 96, false);
    EXPECT_EQ(s.hoverButton, 1);
    EXPECT_EQ(s.hoverMode, kHoverPointer);
    EXPECT_EQ(s.statusText, "【录制 / 停止录制】鼠标操作(快捷键 F3)");
    EXPECT_TRUE(o.redraw && o.startHelpHoverTimer && o.restoreEditorView);

    o = OnStripPointerMove(s, {22, 18}, 96, false);
    EXPECT_FALSE(o.redraw || o.startHelpHoverTimer || o.restoreEditorView);
}

TEST_F(StripHover, HelpButtonKeepsHelpImageAndOthersRestoreEditor) {
    HoverOutcome o = OnStripPointerMove(s, kOnHelp, 96, false);
    EXPECT_TRUE(o.startHelpHoverTimer);
    EXPECT_FALSE(o.restoreEditorView);
    EXPECT_TRUE(ShouldShowHelpImage(s));

    o = OnStripPointerMove(s, kGap, 96, false);
    EXPECT_TRUE(o.restoreEditorView);
    EXPECT_FALSE(ShouldShowHelpImage(s));
    EXPECT_EQ(s.statusText, s.statusIdle);
}

TEST_F(StripHover, LeavingShowsLatestIdleTextOnlyWhenAButtonWasHovered) {
    EXPECT_FALSE(OnStripPointerLeave(s).redraw);
    OnStripPointerMove(s, kOnSave, 96, false);
    s.statusIdle = "录制鼠标操作中..3，按【F3】或 Esc 键停止.→";
    const HoverOutcome o = OnStripPointerLeave(s);
    EXPECT_TRUE(o.redraw && o.restoreEditorView);
    EXPECT_EQ(s.hoverButton, 0);
    EXPECT_EQ(s.hoverMode, kHoverNone);
    EXPECT_EQ(s.statusText, s.statusIdle);
}

TEST_F(StripHover, ReleaseRunsCommandOnlyOverPressedEnabledButton) {
    struct Case { Point press; Point release; ToolbarCommand command; };
    const Case cases[] = {
        {kOnPlay, kOnPlay, ToolbarCommand::TogglePlayback},
        {kOnRecord, kOnRecord, ToolbarCommand::ToggleRecording},
        {kOnHelp, kOnHelp, ToolbarCommand::ShowHelpMenu},
        {kOnPlay, kOnRecord, ToolbarCommand::None},  // slid off onto another button
        {kGap, kOnPlay, ToolbarCommand::None},
        {kOnSave, kOnSave, ToolbarCommand::None},  // disabled
    };
    for (const Case& c : cases) {
        s = InitialMainWindowState(ApplicationInfo{});
        EXPECT_TRUE(OnStripButtonDown(s, c.press, 96).redraw);
        const HoverOutcome o = OnStripButtonUp(s, c.release, 96);
        EXPECT_EQ(o.command, c.command) << c.press.x << "->" << c.release.x;
        EXPECT_TRUE(o.redraw);
        EXPECT_EQ(s.hoverButton, 0);
        EXPECT_EQ(s.hoverMode, kHoverNone);
    }
}

TEST_F(StripHover, DraggingWithButtonHeldKeepsThePressedButton) {
    OnStripPointerMove(s, kOnPlay, 96, false);
    OnStripButtonDown(s, kOnPlay, 96);
    EXPECT_EQ(s.hoverMode, kHoverPressed);
    const HoverOutcome o = OnStripPointerMove(s, kOnHelp, 96, true);
    EXPECT_FALSE(o.redraw);
    EXPECT_EQ(s.hoverButton, 2);
    EXPECT_EQ(s.statusText, "【回放 / 停止回放】鼠标操作(快捷键 F2)");
}

}  // namespace
}  // namespace xd
