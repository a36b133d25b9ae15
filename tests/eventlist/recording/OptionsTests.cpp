#include <gtest/gtest.h>

#include <utility>

#include "eventlist/recording/EventOptions.h"
#include "platform/sim/SimProfile.h"

namespace xd::test {
namespace {

const std::string kFile = "C:\\程序\\巧手配置.INI";

class EventOptionsTest : public ::testing::Test {
protected:
    void Put(const std::string& key, const std::string& value) { profile.Put(kFile, "选项", key, value); }
    std::optional<std::string> Value(const std::string& key) { return profile.Value(kFile, "选项", key); }
    sim::SimProfile profile;
};

TEST_F(EventOptionsTest, DefaultsWhenNothingIsStored) {
    const EventOptions o = ReadEventOptions(profile, kFile);
    EXPECT_FALSE(o.noMoves);
    EXPECT_EQ(o.recordKey, 114);
    EXPECT_EQ(o.playKey, 113);
    EXPECT_FALSE(o.dedicatedMode);
    EXPECT_TRUE(o.moveToCurrent);
    EXPECT_TRUE(o.confirmDelete);
    EXPECT_TRUE(o.demoClick);
    EXPECT_TRUE(o.clickEffect);
    EXPECT_TRUE(o.virtualPointer);
    EXPECT_TRUE(o.moveToStart);
    EXPECT_TRUE(o.deleteLast);
    EXPECT_TRUE(o.stopOnMouseMove);
    EXPECT_FALSE(o.recordKeyboard);
    EXPECT_EQ(o.waitForWindowSeconds, 0);
    EXPECT_TRUE(profile.Writes().empty());
}

TEST_F(EventOptionsTest, HotkeysAreClampedToTheFunctionKeys) {
    Put("录快捷键", "0");
    Put("放快捷键", "200");
    EventOptions o = ReadEventOptions(profile, kFile);
    EXPECT_EQ(o.recordKey, 112);
    EXPECT_EQ(o.playKey, 123);
    Put("录快捷键", "-5");
    Put("放快捷键", "118");
    o = ReadEventOptions(profile, kFile);
    EXPECT_EQ(o.recordKey, 112);
    EXPECT_EQ(o.playKey, 118);
}

TEST_F(EventOptionsTest, StoredValuesAreDecimalAndAnyNonZeroIsOn) {
    Put("不录移动", "-1");
    Put("专用模式", "1");
    Put("删除提醒", "0");
    Put("演示点击", "x");
    Put("删除最后", " 0");
    Put("移动鼠标", "0");
    const EventOptions o = ReadEventOptions(profile, kFile);
    EXPECT_TRUE(o.noMoves);
    EXPECT_TRUE(o.dedicatedMode);
    EXPECT_FALSE(o.confirmDelete);
    EXPECT_FALSE(o.demoClick);
    EXPECT_FALSE(o.deleteLast);
    EXPECT_FALSE(o.moveToCurrent);  // one entry for both pointer-moving options
    EXPECT_FALSE(o.moveToStart);
    EXPECT_TRUE(o.clickEffect);
}

TEST_F(EventOptionsTest, ControlsWriteTheirKeyAtOnce) {
    EventOptions o;
    ASSERT_TRUE(SetEventFlagOption(o, profile, kFile, EventFlagOption::NoMoves, true));
    EXPECT_EQ(Value("不录移动"), "-1");
    EXPECT_TRUE(o.noMoves);
    ASSERT_TRUE(SetEventPlayKey(o, profile, kFile, 4));  // F5
    EXPECT_EQ(Value("放快捷键"), "116");
    EXPECT_EQ(o.playKey, 116);
    ASSERT_TRUE(SetEventRecordKey(o, profile, kFile, 11));
    EXPECT_EQ(Value("录快捷键"), "123");
    ASSERT_TRUE(SetEventFlagOption(o, profile, kFile, EventFlagOption::DeleteLast, false));
    EXPECT_EQ(Value("删除最后"), "0");
    ASSERT_TRUE(SetEventFlagOption(o, profile, kFile, EventFlagOption::StopOnMouseMove, false));
    EXPECT_EQ(Value("移动停止"), "0");
    ASSERT_TRUE(SetEventWaitForWindowSeconds(o, profile, kFile, 1000));
    EXPECT_EQ(Value("等待窗口"), "600");
    EXPECT_EQ(ReadEventOptions(profile, kFile), o);
}

// Check4 and Check10 write the one entry "移动鼠标"; ticking one leaves the other
// box as it was, and only the next start reads the entry into both.
TEST_F(EventOptionsTest, PointerMovingBoxesShareTheirEntryButNotTheirState) {
    for (const auto& [which, partner] : {std::pair{EventFlagOption::MoveToCurrent, &EventOptions::moveToStart},
                                         std::pair{EventFlagOption::MoveToStart, &EventOptions::moveToCurrent}}) {
        EventOptions o;
        ASSERT_TRUE(SetEventFlagOption(o, profile, kFile, which, false));
        EXPECT_EQ(Value("移动鼠标"), "0");
        EXPECT_TRUE(o.*partner);
        const EventOptions next = ReadEventOptions(profile, kFile);
        EXPECT_FALSE(next.moveToCurrent);
        EXPECT_FALSE(next.moveToStart);
        ASSERT_TRUE(SetEventFlagOption(o, profile, kFile, which, true));
        EXPECT_EQ(Value("移动鼠标"), "-1");
    }
}

// Each box of the settings dialog reaches its own entry, and what it writes is
// what the start-up read takes back.
TEST_F(EventOptionsTest, EveryFlagWritesItsEntryAndReadsBack) {
    struct Case {
        EventFlagOption which;
        const char* key;
        bool EventOptions::*sharesTheEntry = nullptr;  // the option the start-up read also gives it to
    };
    for (const Case c : {Case{EventFlagOption::NoMoves, "不录移动"}, Case{EventFlagOption::DedicatedMode, "专用模式"},
                         Case{EventFlagOption::MoveToCurrent, "移动鼠标", &EventOptions::moveToStart},
                         Case{EventFlagOption::ConfirmDelete, "删除提醒"}, Case{EventFlagOption::DemoClick, "演示点击"},
                         Case{EventFlagOption::ClickEffect, "点击效果"}, Case{EventFlagOption::VirtualPointer, "虚拟指针"},
                         Case{EventFlagOption::MoveToStart, "移动鼠标", &EventOptions::moveToCurrent},
                         Case{EventFlagOption::DeleteLast, "删除最后"},
                         Case{EventFlagOption::StopOnMouseMove, "移动停止"},
                         Case{EventFlagOption::RecordKeyboard, "录制键盘"}}) {
        for (const bool on : {false, true}) {
            // What the earlier cases wrote stays; only this entry changes.
            EventOptions o = ReadEventOptions(profile, kFile);
            ASSERT_TRUE(SetEventFlagOption(o, profile, kFile, c.which, on));
            EXPECT_EQ(Value(c.key), on ? "-1" : "0") << c.key;
            if (c.sharesTheEntry) o.*c.sharesTheEntry = on;
            EXPECT_EQ(ReadEventOptions(profile, kFile), o) << c.key;
        }
    }
}

TEST_F(EventOptionsTest, HotkeyItemsOutsideTheListStayWithinF1ToF12) {
    EventOptions o;
    ASSERT_TRUE(SetEventRecordKey(o, profile, kFile, -1));
    EXPECT_EQ(o.recordKey, 112);
    EXPECT_EQ(Value("录快捷键"), "112");
    ASSERT_TRUE(SetEventPlayKey(o, profile, kFile, 1000));
    EXPECT_EQ(o.playKey, 123);
    EXPECT_EQ(Value("放快捷键"), "123");
}

}  // namespace
}  // namespace xd::test
