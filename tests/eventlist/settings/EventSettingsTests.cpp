#include "eventlist/settings/EventSettings.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/sim/IniProfile.h"
#include "platform/sim/SimFileSystem.h"

namespace xd {
namespace {

class EventSettingsTest : public testing::Test {
protected:
    sim::SimFileSystem files;
    sim::IniProfile profile{files};
    EventOptions options;
    EventPlaySettings play;
    EventSettingsStore store{options, play, profile, "C:\\迅点\\巧手配置.INI"};

    void Put(const std::string& key, const std::string& value) {
        ASSERT_TRUE(profile.WriteString(store.settingsFile, "选项", key, value));
    }
    std::string Stored(const std::string& key) {
        return profile.GetString(store.settingsFile, "选项", key, "<none>", 100);
    }
};

TEST_F(EventSettingsTest, FreshInstallHasTheEventListDefaultsAndWritesNothing) {
    // Start from values no default has, so every field is seen to be read.
    options = EventOptions{1, true, true, false, false, false};
    play.playHotkey = 1;
    play.moveToCurrent = play.clickEffect = play.virtualPointer = play.moveToStart = false;
    ReadEventSettings(store);

    EXPECT_EQ(options, EventOptions{}) << "不录移动 0, F3, 专用模式 0, the rest on";
    EXPECT_FALSE(options.noMoveRecording);
    EXPECT_FALSE(options.dedicatedMode);
    EXPECT_EQ(options.recordKey, 114);
    EXPECT_EQ(play.playHotkey, 113);
    EXPECT_TRUE(play.moveToCurrent && play.clickEffect && play.virtualPointer && play.moveToStart);
    EXPECT_TRUE(files.Paths().empty()) << "reading must not create the file";
}

TEST_F(EventSettingsTest, StoredValuesAreReadAsNumbersAndHotkeysClamped) {
    Put("不录移动", "-1");
    Put("专用模式", "1");
    Put("删除提醒", "0");
    Put("演示点击", "0");
    Put("点击效果", "0");
    Put("虚拟指针", " 0");
    Put("删除最后", "abc");  // no digits: 0
    Put("录快捷键", "5");
    Put("放快捷键", "200");
    ReadEventSettings(store);
    EXPECT_TRUE(options.noMoveRecording);
    EXPECT_TRUE(options.dedicatedMode);
    EXPECT_FALSE(options.confirmDelete);
    EXPECT_FALSE(options.demoClick);
    EXPECT_FALSE(play.clickEffect);
    EXPECT_FALSE(play.virtualPointer);
    EXPECT_FALSE(options.deleteLastMove);
    EXPECT_EQ(options.recordKey, 112);
    EXPECT_EQ(play.playHotkey, 123);
}

TEST_F(EventSettingsTest, BothPointerMovingOptionsReadTheOneEntry) {
    Put("移动鼠标", "0");
    ReadEventSettings(store);
    EXPECT_FALSE(play.moveToCurrent);
    EXPECT_FALSE(play.moveToStart);
}

TEST_F(EventSettingsTest, TickingNoMoveRecordingWritesMinusOneAtOnce) {
    EXPECT_FALSE(IsEventOptionOn(store, EventSettingsCheck::Check1));
    SetEventOption(store, EventSettingsCheck::Check1, true);
    EXPECT_TRUE(options.noMoveRecording);
    EXPECT_TRUE(IsEventOptionOn(store, EventSettingsCheck::Check1));
    EXPECT_EQ(Stored("不录移动"), "-1");
    SetEventOption(store, EventSettingsCheck::Check1, false);
    EXPECT_EQ(Stored("不录移动"), "0");
}

// Each box reaches its own option, and what it writes is what the start-up read takes back.
TEST_F(EventSettingsTest, EveryBoxWritesItsKeyAndReadsBack) {
    struct Case {
        EventSettingsCheck box;
        const char* key;
    };
    for (Case c : {Case{EventSettingsCheck::Check1, "不录移动"}, Case{EventSettingsCheck::Check3, "专用模式"},
                   Case{EventSettingsCheck::Check4, "移动鼠标"}, Case{EventSettingsCheck::Check5, "演示点击"},
                   Case{EventSettingsCheck::Check6, "删除提醒"}, Case{EventSettingsCheck::Check7, "点击效果"},
                   Case{EventSettingsCheck::Check8, "虚拟指针"}, Case{EventSettingsCheck::Check9, "删除最后"},
                   Case{EventSettingsCheck::Check10, "移动鼠标"}}) {
        for (bool on : {false, true}) {
            SetEventOption(store, c.box, on);
            EXPECT_EQ(Stored(c.key), on ? "-1" : "0") << c.key;
            EXPECT_EQ(IsEventOptionOn(store, c.box), on) << c.key;
            // Other values first, so the read is seen to change them.
            options = EventOptions{1, !on, !on, !on, !on, !on};
            play = EventPlaySettings{0, 0, 113, false, !on, !on, !on, !on};
            ReadEventSettings(store);
            EXPECT_EQ(IsEventOptionOn(store, c.box), on) << c.key;
        }
    }
}

TEST_F(EventSettingsTest, ScriptSettingsChangeThePlaySettingsTheScriptIsSavedWith) {
    SetEventOption(store, EventSettingsCheck::Check7, false);
    SetEventOption(store, EventSettingsCheck::Check8, false);
    EXPECT_FALSE(play.clickEffect);
    EXPECT_FALSE(play.virtualPointer);
    EXPECT_EQ(options, EventOptions{}) << "the file-only options are untouched";
}

TEST_F(EventSettingsTest, Check2IsNoOption) {
    const EventOptions before = options;
    const EventPlaySettings playBefore = play;
    SetEventOption(store, EventSettingsCheck::Check2, true);
    EXPECT_FALSE(IsEventOptionOn(store, EventSettingsCheck::Check2));
    EXPECT_EQ(options, before);
    EXPECT_EQ(play, playBefore);
    EXPECT_TRUE(files.Paths().empty());
}

TEST_F(EventSettingsTest, ChoosingF5InThePlayListWrites116) {
    SetEventHotkey(store, EventHotkeyList::Play, 4);
    EXPECT_EQ(play.playHotkey, 116);
    EXPECT_EQ(Stored("放快捷键"), "116");
    EXPECT_EQ(EventHotkeyItem(store, EventHotkeyList::Play), 4);
    SetEventHotkey(store, EventHotkeyList::Record, 11);
    EXPECT_EQ(options.recordKey, 123);
    EXPECT_EQ(Stored("录快捷键"), "123");
    EXPECT_EQ(EventHotkeyItem(store, EventHotkeyList::Record), 11);
}

TEST_F(EventSettingsTest, HotkeyItemsOutsideTheListChangeNothing) {
    for (int item : {-1, 12, 1000}) {
        SetEventHotkey(store, EventHotkeyList::Record, item);
        SetEventHotkey(store, EventHotkeyList::Play, item);
    }
    EXPECT_EQ(options.recordKey, 114);
    EXPECT_EQ(play.playHotkey, 113);
    EXPECT_TRUE(files.Paths().empty());
}

TEST_F(EventSettingsTest, AHotkeyOpenedFromAScriptStillSelectsAnItem) {
    play.playHotkey = 5000;  // files are clamped when opened; the list never goes without a selection
    EXPECT_EQ(EventHotkeyItem(store, EventHotkeyList::Play), 11);
}

}  // namespace
}  // namespace xd
