#include "documents/editor/ConfigLineSync.h"

#include <gtest/gtest.h>

#include <string>

#include "documents/SettingsStore.h"
#include "documents/editor/CommandHelp.h"
#include "platform/sim/SimProfile.h"
#include "tests/support/MemoryEditor.h"
#include "tests/support/MemoryScriptControls.h"

namespace xd {
namespace {

constexpr const char* kHeader = "'岚榕迅点小侠脚本，版本：4.0  <--第一行不可删除和修改";
constexpr const char* kSettingsFile = "C:\\xd\\巧手配置.INI";

std::string Script(std::initializer_list<std::string> lines) {
    std::string text = kHeader;
    for (const std::string& line : lines) text += "\r\n" + line;
    return text;
}

class ConfigLineSync : public ::testing::Test {
protected:
    // Behaves as the main window's MarkScriptModified: a set guard is consumed.
    void MarkScriptModified() {
        ++marks;
        if (suppressModified) {
            suppressModified = false;
            return;
        }
        modified = true;
    }

    void Show(const std::string& text) {
        editor.SetEditorText(text);
        writesBefore = profile.Writes().size();
    }

    // Puts the caret on a line the way a click does, then delivers update-UI.
    void ClickLine(int line) {
        editor.MoveCaretToLine(line);
        SyncFromCaretLine(context);
    }

    std::optional<std::string> StoredOption(const char* key) {
        return profile.Value(kSettingsFile, "选项", key);
    }

    MemoryEditor editor;
    MemoryScriptControls controls;
    ScriptConfig config;
    Options options;
    sim::SimProfile profile;
    bool suppressModified = false;
    bool modified = false;
    int marks = 0;
    std::size_t writesBefore = 0;
    ScriptEditorContext context{editor,  controls,         config, options, profile, kSettingsFile,
                                suppressModified, [this] { MarkScriptModified(); }};
};

TEST_F(ConfigLineSync, SpeedSliderRewritesItsLine) {
    struct Case {
        int position;
        const char* line;
        const char* label;
        float factor;
    };
    const Case cases[] = {
        {0, "配置.执行速度=1 '0.01 -- 999", "回放速度：正常", 1.0f},
        {5, "配置.执行速度=1.5 '0.01 -- 999", "回放速度：1.5倍", 1.5f},
        {200, "配置.执行速度=174 '0.01 -- 999", "回放速度：174倍", 174.0f},
    };
    for (const Case& c : cases) {
        Show(Script({"配置.执行次数=0 '=0为无限循环，直到按下停止键。", "配置.执行速度=1 '0.01 -- 999", "鼠标点击(1,2,3,1,5)"}));
        controls.SetSliderPosition(Slider::Speed, c.position);
        ApplySlider(context, Slider::Speed);
        EXPECT_EQ(editor.GetEditorLine(2), c.line) << c.position;
        EXPECT_EQ(editor.EditorLineCount(), 4) << c.position;
        EXPECT_EQ(controls.SliderLabel(Slider::Speed), c.label) << c.position;
        EXPECT_EQ(config.speed.load(), c.factor) << c.position;
    }
}

TEST_F(ConfigLineSync, RepeatSliderRewritesItsLine) {
    Show(Script({"配置.执行次数=7 '=0为无限循环，直到按下停止键。"}));
    controls.SetSliderPosition(Slider::Repeat, 25);
    ApplySlider(context, Slider::Repeat);
    EXPECT_EQ(controls.SliderLabel(Slider::Repeat), "回放次数：25次");
    EXPECT_EQ(editor.GetEditorLine(1), "配置.执行次数=25 '=0为无限循环，直到按下停止键。");
    EXPECT_EQ(config.repeatCount.load(), 25);

    controls.SetSliderPosition(Slider::Repeat, 0);
    ApplySlider(context, Slider::Repeat);
    EXPECT_EQ(controls.SliderLabel(Slider::Repeat), "回放次数：无限");
    EXPECT_EQ(editor.GetEditorLine(1), "配置.执行次数=0 '=0为无限循环，直到按下停止键。");
}

TEST_F(ConfigLineSync, MissingKeyIsInsertedAsTheSecondLine) {
    Show(Script({"'说明", "目标窗口(\"a\",\"b\",\"0\")", "鼠标点击(1,2,3,1,5)"}));
    controls.SetSliderPosition(Slider::Repeat, 3);
    ApplySlider(context, Slider::Repeat);
    EXPECT_EQ(editor.GetEditorText(), Script({"配置.执行次数=3 '=0为无限循环，直到按下停止键。", "'说明",
                                              "目标窗口(\"a\",\"b\",\"0\")", "鼠标点击(1,2,3,1,5)"}));
}

TEST_F(ConfigLineSync, OnlyTheFirstHundredLinesAreSearched) {
    for (const int keyLine : {99, 100}) {
        std::string text = kHeader;
        for (int i = 1; i < keyLine; ++i) text += "\r\n'filler";
        text += "\r\n配置.执行次数=9";
        Show(text);
        controls.SetSliderPosition(Slider::Repeat, 4);
        ApplySlider(context, Slider::Repeat);
        const std::string expected = "配置.执行次数=4 '=0为无限循环，直到按下停止键。";
        if (keyLine == 99) {  // line 100: replaced in place
            EXPECT_EQ(editor.GetEditorLine(99), expected);
            EXPECT_EQ(editor.EditorLineCount(), 100);
        } else {  // line 101: not seen, a new line 2 appears
            EXPECT_EQ(editor.GetEditorLine(1), expected);
            EXPECT_EQ(editor.GetEditorLine(101), "配置.执行次数=9");
            EXPECT_EQ(editor.EditorLineCount(), 102);
        }
    }
}

TEST_F(ConfigLineSync, HeaderOnlyScriptKeepsTheHeaderWhole) {
    Show(kHeader);
    SetModeLine(editor, true);
    EXPECT_EQ(editor.GetEditorLine(0), kHeader);
    EXPECT_EQ(editor.GetEditorLine(1), "配置.前台模式=1 '=0后台模式 =1前台模式");
}

TEST_F(ConfigLineSync, ModeButtonRewritesTheModeLine) {
    Show(Script({"配置.前台模式=1 '=0后台模式 =1前台模式"}));
    SetModeLine(editor, false);
    EXPECT_EQ(editor.GetEditorLine(1), "配置.前台模式=0 '=0后台模式 =1前台模式");
}

TEST_F(ConfigLineSync, SuppressedSliderOnlyRefreshesItsLabel) {
    const std::string text = Script({"配置.执行速度=1 '0.01 -- 999"});
    Show(text);
    config.speed.store(2.0f);
    suppressModified = true;
    controls.SetSliderPosition(Slider::Speed, 5);
    ApplySlider(context, Slider::Speed);
    EXPECT_EQ(controls.SliderLabel(Slider::Speed), "回放速度：1.5倍");
    EXPECT_EQ(editor.GetEditorText(), text);
    EXPECT_EQ(config.speed.load(), 2.0f);
}

TEST_F(ConfigLineSync, CaretOnSpeedLineMovesTheSlider) {
    struct Case {
        const char* value;
        int position;
        const char* label;
    };
    const Case cases[] = {
        {"2", 10, "回放速度：2倍"},
        {"0.5", -5, "回放速度：0.5倍"},
        {"10", 36, "回放速度：10倍"},
        {"999", 200, "回放速度：174倍"},  // beyond the slider: shown at its end
    };
    for (const Case& c : cases) {
        const std::string line = std::string("配置.执行速度=") + c.value + " '0.01 -- 999";
        Show(Script({line}));
        ClickLine(1);
        EXPECT_EQ(controls.SliderPosition(Slider::Speed), c.position) << c.value;
        EXPECT_EQ(controls.SliderLabel(Slider::Speed), c.label) << c.value;
        EXPECT_EQ(editor.GetEditorLine(1), line) << "the caret sync never rewrites its line";
        EXPECT_FALSE(editor.EditorIsModified());
        EXPECT_FALSE(suppressModified);
    }
}

TEST_F(ConfigLineSync, CaretOnRepeatLineMovesTheSlider) {
    Show(Script({"配置.执行次数=5000"}));
    ClickLine(1);
    EXPECT_EQ(config.repeatCount.load(), 5000);
    EXPECT_EQ(controls.SliderPosition(Slider::Repeat), 1000);
    EXPECT_EQ(controls.SliderLabel(Slider::Repeat), "回放次数：1000次");
    EXPECT_EQ(editor.GetEditorLine(1), "配置.执行次数=5000");
}

TEST_F(ConfigLineSync, CaretOnModeLineSetsTheModeButton) {
    Show(Script({"配置.前台模式=1", "配置.前台模式=0"}));
    ClickLine(1);
    EXPECT_EQ(controls.ModeButtonState(), kModeButtonForeground);
    ClickLine(2);
    EXPECT_EQ(controls.ModeButtonState(), kModeButtonBackground);
    EXPECT_EQ(config.foregroundMode.load(), 0);
}

TEST_F(ConfigLineSync, CaretOnOptionLinesStoresTheOptions) {
    Show(Script({"配置.点击效果=0 '=0不显示 =1显示", "配置.虚拟鼠标=0 '=0不显示 =1显示"}));
    ClickLine(1);
    EXPECT_EQ(options.clickEffect, 0);
    EXPECT_EQ(StoredOption("点击效果"), "0");
    EXPECT_EQ(options.virtualPointer, 1);
    ClickLine(2);
    EXPECT_EQ(options.virtualPointer, 0);
    EXPECT_EQ(StoredOption("虚拟指针"), "0");
    EXPECT_EQ(controls.SelectedCommand(), kCmdVirtualPointer);
}

TEST_F(ConfigLineSync, CaretOnCommentLineLeavesEverything) {
    Show(Script({"'配置.执行次数=5", "配置.执行次数=7"}));
    ClickLine(1);
    EXPECT_EQ(controls.SelectedCommand(), -1);
    EXPECT_EQ(controls.HelpText(), "");
    EXPECT_EQ(controls.SliderPosition(Slider::Repeat), 0);
    EXPECT_EQ(controls.ToolbarRedraws(), 0);
    EXPECT_EQ(config.repeatCount.load(), 0);
}

TEST_F(ConfigLineSync, CaretOnClickLineOnlyShowsItsHelp) {
    Show(Script({"鼠标点击(1,120,45,1,800)"}));
    ClickLine(1);
    EXPECT_EQ(controls.SelectedCommand(), kCmdClick);
    EXPECT_EQ(controls.TemplateText(), "鼠标点击(按键,位置x,位置y,次数,等待时间)");
    EXPECT_EQ(controls.SliderPosition(Slider::Repeat), 0);
    EXPECT_EQ(controls.SliderPosition(Slider::Speed), kSpeedSliderStartPosition);
    EXPECT_EQ(controls.SliderLabel(Slider::Speed), "回放速度：正常");
    EXPECT_EQ(profile.Writes().size(), writesBefore);
    EXPECT_EQ(options, Options{});
}

TEST_F(ConfigLineSync, CaretOnRandomOffsetLineDoesNotApplyIt) {
    Show(Script({"配置.随机偏移=30"}));
    ClickLine(1);
    EXPECT_EQ(controls.SelectedCommand(), kCmdRandomOffset);
    EXPECT_EQ(config.randomOffset.load(), 0);
}

TEST_F(ConfigLineSync, UserChangeMarksTheScriptModified) {
    Show(Script({"鼠标点击(1,2,3,1,5)"}));
    ClickLine(1);
    EXPECT_EQ(marks, 0);

    editor.TypeText("x");
    SyncFromCaretLine(context);
    EXPECT_EQ(marks, 1);
    EXPECT_TRUE(modified);

    // While the guard is set a programmatic change is not the user's.
    suppressModified = true;
    SyncFromCaretLine(context);
    EXPECT_EQ(marks, 1);
    EXPECT_TRUE(suppressModified);
}

TEST_F(ConfigLineSync, LoadedScriptShowsItsConfiguration) {
    const std::string text = Script({"配置.执行次数=3", "配置.执行速度=2"});
    Show(text);
    config.repeatCount.store(3);
    config.speed.store(2.0f);
    config.foregroundMode.store(1);
    ShowScriptConfig(context);
    EXPECT_EQ(controls.SliderPosition(Slider::Repeat), 3);
    EXPECT_EQ(controls.SliderLabel(Slider::Repeat), "回放次数：3次");
    EXPECT_EQ(controls.SliderPosition(Slider::Speed), 10);
    EXPECT_EQ(controls.ModeButtonState(), kModeButtonForeground);
    EXPECT_EQ(editor.GetEditorText(), text);
    EXPECT_FALSE(suppressModified);
}

}  // namespace
}  // namespace xd
