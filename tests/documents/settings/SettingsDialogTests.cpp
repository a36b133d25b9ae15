#include "documents/settings/SettingsDialog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/sim/SimPlatform.h"
#include "tests/support/MemoryEditor.h"
#include "tests/support/MemoryScriptControls.h"
#include "tests/support/SettingsDialogView.h"

namespace xd {
namespace {

constexpr const char* kSettingsFile = "C:\\xd\\巧手配置.INI";
constexpr const char* kProgram = "C:\\xd\\迅点小侠4.exe";
constexpr const char* kHeader = "'岚榕迅点小侠脚本，版本：4.0  <--第一行不可删除和修改";

class SettingsDialog : public ::testing::Test {
protected:
    SettingsDialog() { view.context = &context; }

    void Open() {
        OpenSettingsDialog(context);
        view.Pump();
        sim.profile.ClearWrites();
    }
    std::optional<std::string> Stored(const char* key) {
        return sim.profile.Value(kSettingsFile, "选项", key);
    }

    sim::SimPlatform sim;
    MemoryEditor editor;
    MemoryScriptControls controls;
    ScriptConfig config;
    Options options;
    bool suppressModified = false;
    ScriptEditorContext script{editor, controls, config, options, sim.profile, kSettingsFile, suppressModified, {}};
    test::FakeSettingsDialogView view;
    SettingsDialogState state;
    SettingsDialogContext context{view, state, script, sim.registry, sim.boxes, kProgram, 0x1001};
};

TEST_F(SettingsDialog, Opening_ShowsTheOptionsAndChangesNothing) {
    options.confirmDelete = 0;
    options.deleteLastMove = 0;
    const std::string text = std::string(kHeader) + "\r\n配置.点击效果=0 '=0不显示 =1显示";
    editor.SetEditorText(text);
    OpenSettingsDialog(context);
    view.Pump();

    EXPECT_TRUE(state.open);
    EXPECT_FALSE(state.dialogLoading);
    EXPECT_EQ(view.items[HotkeyList::Record][view.selected[HotkeyList::Record]], "F3");
    EXPECT_EQ(view.items[HotkeyList::Play][view.selected[HotkeyList::Play]], "F2");
    EXPECT_EQ(view.items[HotkeyList::Play].front(), "F1");
    EXPECT_EQ(view.items[HotkeyList::Play].back(), "F12");
    const std::map<SettingsCheck, bool> shown{
        {SettingsCheck::Check2, false}, {SettingsCheck::Check3, true}, {SettingsCheck::Check4, true},
        {SettingsCheck::Check5, true},  {SettingsCheck::Check6, false}, {SettingsCheck::Check7, true},
        {SettingsCheck::Check8, true},  {SettingsCheck::Check9, false}, {SettingsCheck::Check10, true},
        {SettingsCheck::Check11, true}, {SettingsCheck::Check12, false}};
    EXPECT_EQ(view.checks, shown);
    EXPECT_EQ(view.waitText, "0");
    EXPECT_TRUE(sim.profile.Writes().empty());
    EXPECT_EQ(editor.GetEditorText(), text);
    EXPECT_TRUE(sim.registry.Keys().empty());
}

TEST_F(SettingsDialog, EachCheckBox_StoresItsKeyAndRewritesItsLine) {
    struct Case {
        SettingsCheck box;
        std::int32_t Options::*option;
        const char* key;
        const char* lineOn;  // nullptr: no script line
        const char* lineOff;
    };
    const std::vector<Case> cases{
        {SettingsCheck::Check3, &Options::exclusiveMode, "专用模式", nullptr, nullptr},
        {SettingsCheck::Check4, &Options::moveMouse, "移动鼠标", "配置.移动鼠标=1 '=0不移动 =1移动",
         "配置.移动鼠标=0 '=0不移动 =1移动"},
        {SettingsCheck::Check5, &Options::demoClick, "演示点击", nullptr, nullptr},
        {SettingsCheck::Check6, &Options::confirmDelete, "删除提醒", nullptr, nullptr},
        {SettingsCheck::Check7, &Options::clickEffect, "点击效果", "配置.点击效果=1 '=0不显示 =1显示",
         "配置.点击效果=0 '=0不显示 =1显示"},
        {SettingsCheck::Check8, &Options::virtualPointer, "虚拟指针", "配置.虚拟鼠标=1 '=0不显示 =1显示",
         "配置.虚拟鼠标=0 '=0不显示 =1显示"},
        {SettingsCheck::Check9, &Options::deleteLastMove, "删除最后", nullptr, nullptr},
        {SettingsCheck::Check10, &Options::moveToStart, "移动鼠标", "配置.开始位置=1 '=0不移动 =1移动",
         "配置.开始位置=0 '=0不移动 =1移动"},
        {SettingsCheck::Check11, &Options::stopOnMouseMove, "移动停止", nullptr, nullptr},
        {SettingsCheck::Check12, &Options::recordKeyboard, "录制键盘", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        options = Options{};
        options.*c.option = -1;  // 录制键盘 is off unless asked for; here every box starts ticked
        editor.SetEditorText(std::string(kHeader) + "\r\n配置.执行次数=0\r\n鼠标点击(1,120,45,1,800)");
        Open();
        view.Click(c.box);
        EXPECT_EQ(options.*c.option, 0);
        EXPECT_EQ(Stored(c.key), "0");
        if (c.lineOn) {
            EXPECT_EQ(editor.GetEditorLine(1), c.lineOff);  // inserted as the second line
        }
        view.Click(c.box);
        EXPECT_EQ(options.*c.option, -1);
        EXPECT_EQ(Stored(c.key), "-1");
        if (c.lineOn) {
            EXPECT_EQ(editor.GetEditorLine(1), c.lineOn);  // replaced in place
        }
        EXPECT_EQ(editor.EditorLineCount(), c.lineOn ? 4 : 3);
        EXPECT_EQ(sim.profile.Writes().size(), 2u);
        ASSERT_TRUE(OnSettingsCloseRequest(context));
    }
    EXPECT_EQ(config.clickEffect.load(), -1);
    EXPECT_EQ(config.startPosition.load(), -1);
}

// Text1 puts each change in force and stores it at once, clamped to 0..600; leaving it shows what is in force.
TEST_F(SettingsDialog, WaitSeconds_AreStoredAsTypedWithinTenMinutes) {
    struct Case {
        const char* typed;
        std::int32_t inForce;
        const char* shownAfter;
    };
    for (const Case c : {Case{"5", 5, "5"}, Case{"600", 600, "600"}, Case{"999", 600, "600"}, Case{"", 0, "0"},
                         Case{"12x", 12, "12"}, Case{"-4", 0, "0"}, Case{"007", 7, "7"}}) {
        SCOPED_TRACE(c.typed);
        options = Options{};
        options.waitForWindowSeconds = 30;
        Open();
        EXPECT_EQ(view.waitText, "30");
        view.TypeWaitSeconds(c.typed);
        EXPECT_EQ(options.waitForWindowSeconds, c.inForce);
        EXPECT_EQ(Stored("等待窗口"), std::to_string(c.inForce));
        EXPECT_EQ(ReadOptions(sim.profile, kSettingsFile).waitForWindowSeconds, c.inForce);
        const std::size_t writes = sim.profile.Writes().size();
        OnWaitSecondsDone(context);
        EXPECT_EQ(view.waitText, c.shownAfter);
        EXPECT_EQ(sim.profile.Writes().size(), writes);
        ASSERT_TRUE(OnSettingsCloseRequest(context));
    }
}

TEST_F(SettingsDialog, HotkeyChoice_IsStoredAsTheDecimalKeyCode) {
    struct Case {
        HotkeyList list;
        int item;
        const char* key;
        const char* value;
    };
    Open();
    for (const Case& c : {Case{HotkeyList::Record, 4, "录快捷键", "116"}, Case{HotkeyList::Play, 11, "放快捷键", "123"},
                          Case{HotkeyList::Record, 0, "录快捷键", "112"}}) {
        view.SelectHotkeyItem(c.list, c.item);
        EXPECT_EQ(Stored(c.key), c.value);
        EXPECT_EQ(c.list == HotkeyList::Record ? options.recordKey : options.playKey, 112 + c.item);
    }
    // A refused store is not reported and the choice stays in force.
    sim.profile.FailWrites(true);
    view.SelectHotkeyItem(HotkeyList::Play, 6);
    view.Click(SettingsCheck::Check8);
    EXPECT_EQ(options.playKey, 118);
    EXPECT_EQ(config.virtualPointer.load(), 0);
    EXPECT_EQ(sim.boxes.Count(), 0u);
}

TEST_F(SettingsDialog, SameKeyForBoth_RefusesTheCloseUntilTheyDiffer) {
    Open();
    view.SelectHotkeyItem(HotkeyList::Record, 1);  // F2, as playing already is
    OnSettingsOkClicked(context);
    view.Pump();
    EXPECT_TRUE(state.open);
    EXPECT_FALSE(view.closed);
    ASSERT_EQ(sim.boxes.Count(), 1u);
    const sim::MessageBoxRecord box = sim.boxes.Shown()[0];
    EXPECT_EQ(box.caption, "迅点小侠");
    EXPECT_EQ(box.text, "录制快捷键和播放快捷键为同一个键，应该设置不同的键。\r\n请修改！！");
    EXPECT_EQ(box.owner, view.handle);
    EXPECT_EQ(Stored("录快捷键"), "113");
    EXPECT_EQ(Stored("放快捷键"), std::nullopt);  // never written: still the default 113

    view.PostCloseRequest();  // the caption's close box
    view.Pump();
    EXPECT_EQ(sim.boxes.Count(), 2u);

    view.SelectHotkeyItem(HotkeyList::Play, 5);
    OnSettingsOkClicked(context);
    view.Pump();
    EXPECT_FALSE(state.open);
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(sim.boxes.Count(), 2u);
}

TEST_F(SettingsDialog, SecondOpen_BringsTheOpenDialogForward) {
    view.failCreate = true;
    OpenSettingsDialog(context);
    EXPECT_FALSE(state.open);
    view.failCreate = false;
    Open();
    OpenSettingsDialog(context);
    EXPECT_EQ(view.created, 1);
    EXPECT_EQ(view.broughtToFront, 1);
}

TEST_F(SettingsDialog, AssociationBox_RegistersRemovesAndReportsARefusal) {
    Open();
    view.Click(SettingsCheck::Check2);
    EXPECT_EQ(sim.registry.Value(".mkx"), "岚榕迅点小侠脚本文件");
    ASSERT_TRUE(OnSettingsCloseRequest(context));
    view.checks[SettingsCheck::Check2] = false;  // a fresh dialog
    Open();
    EXPECT_TRUE(view.checks[SettingsCheck::Check2]);

    view.Click(SettingsCheck::Check2);
    EXPECT_TRUE(sim.registry.Keys().empty());

    sim.registry.FailWrites(true);
    view.Click(SettingsCheck::Check2);
    EXPECT_EQ(sim.boxes.Count(), 1u);
    EXPECT_TRUE(view.checks[SettingsCheck::Check2]);
    EXPECT_TRUE(sim.profile.Writes().empty());
}

}  // namespace
}  // namespace xd
