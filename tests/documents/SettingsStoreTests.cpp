#include "documents/SettingsStore.h"

#include <gtest/gtest.h>

#include <utility>

#include "documents/ProfileValues.h"
#include "platform/sim/IniProfile.h"
#include "platform/sim/SimFileSystem.h"

namespace xd {
namespace {

class SettingsStoreTest : public testing::Test {
protected:
    sim::SimFileSystem files;
    sim::IniProfile profile{files};
    const std::string file = SettingsFilePath("C:\\迅点\\");

    void Store(std::string_view key, std::string_view value) {
        ASSERT_TRUE(WriteOption(profile, file, kOptionsSection, key, value));
    }
};

TEST_F(SettingsStoreTest, FreshInstallRecordsWithF3PlaysWithF2AndHasEverythingOn) {
    Options o = ReadOptions(profile, file);
    EXPECT_EQ(o.recordKey, 114);
    EXPECT_EQ(o.playKey, 113);
    for (int flag : {o.exclusiveMode, o.moveMouse, o.confirmDelete, o.demoClick, o.clickEffect, o.virtualPointer,
                     o.moveToStart, o.deleteLastMove, o.stopOnMouseMove}) {
        EXPECT_NE(flag, 0);
    }
    EXPECT_EQ(o.waitForWindowSeconds, 0) << "no wait unless asked for";
    EXPECT_EQ(o.recordKeyboard, 0) << "keys only when asked for";
    EXPECT_TRUE(files.Paths().empty()) << "reading must not create the file";
}

TEST_F(SettingsStoreTest, HotkeysAreClampedIntoF1ToF12) {
    struct Case {
        const char* stored;
        int expected;
    };
    for (Case c : {Case{"200", 123}, Case{"5", 112}, Case{"111", 112}, Case{"124", 123},
                   Case{"F5", 112}, Case{"118", 118}}) {
        Store(optionkey::kRecordKey, c.stored);
        Store(optionkey::kPlayKey, c.stored);
        Options o = ReadOptions(profile, file);
        EXPECT_EQ(o.recordKey, c.expected) << c.stored;
        EXPECT_EQ(o.playKey, c.expected) << c.stored;
    }
}

TEST_F(SettingsStoreTest, WaitForWindowIsClampedToTenMinutes) {
    for (const auto& [stored, expected] : {std::pair{"30", 30}, std::pair{"600", 600}, std::pair{"601", 600},
                                           std::pair{"99999999999", 600}, std::pair{"-5", 0}, std::pair{"x", 0}}) {
        Store(optionkey::kWaitForWindow, stored);
        EXPECT_EQ(ReadOptions(profile, file).waitForWindowSeconds, expected) << stored;
    }
}

TEST_F(SettingsStoreTest, CheckBoxValuesRoundTrip) {
    Store(optionkey::kDemoClick, FormatProfileFlag(false));
    EXPECT_EQ(ReadOptions(profile, file).demoClick, 0);
    Store(optionkey::kDemoClick, FormatProfileFlag(true));
    EXPECT_NE(ReadOptions(profile, file).demoClick, 0);
    EXPECT_EQ(*files.Get(file), "[选项]\r\n演示点击=-1\r\n");
}

// The six keys read with a trailing blank must still find what the dialog wrote.
TEST_F(SettingsStoreTest, EveryOptionReadsBackWhatItsWriterStored) {
    struct Case {
        std::string_view key;
        std::int32_t Options::*field;
    };
    for (Case c : {Case{optionkey::kExclusiveMode, &Options::exclusiveMode},
                   Case{optionkey::kConfirmDelete, &Options::confirmDelete},
                   Case{optionkey::kDemoClick, &Options::demoClick},
                   Case{optionkey::kClickEffect, &Options::clickEffect},
                   Case{optionkey::kVirtualPointer, &Options::virtualPointer},
                   Case{optionkey::kDeleteLastMove, &Options::deleteLastMove},
                   Case{optionkey::kStopOnMouseMove, &Options::stopOnMouseMove},
                   Case{optionkey::kRecordKeyboard, &Options::recordKeyboard}}) {
        Store(c.key, "0");
        EXPECT_EQ(ReadOptions(profile, file).*c.field, 0) << c.key;
        Store(c.key, "-1");
        EXPECT_EQ(ReadOptions(profile, file).*c.field, -1) << c.key;
    }
}

TEST_F(SettingsStoreTest, TurningOffMoveToStartAlsoTurnsOffMoveMouse) {
    Store(optionkey::kMoveToStart, "0");
    Options o = ReadOptions(profile, file);
    EXPECT_EQ(o.moveToStart, 0);
    EXPECT_EQ(o.moveMouse, 0);
    EXPECT_EQ(files.Get(file)->find("移动鼠标"), files.Get(file)->rfind("移动鼠标")) << "one entry, not two";
}

TEST(ProfileValues, ReadsDecimalWithOptionalSignAndTreatsOtherTextAsZero) {
    struct Case {
        const char* text;
        std::int32_t expected;
    };
    for (Case c : {Case{"0", 0}, Case{"-1", -1}, Case{"+12", 12}, Case{"  42", 42}, Case{"42abc", 42},
                   Case{"abc", 0}, Case{"", 0}, Case{"-", 0}, Case{"--1", 0}, Case{"99999999999999999999", 2147483647},
                   Case{"-99999999999", -2147483647 - 1}}) {
        EXPECT_EQ(ParseProfileInt(c.text), c.expected) << '"' << c.text << '"';
    }
    EXPECT_EQ(ParseProfileUnsigned("4294967295"), 4294967295u);
    EXPECT_EQ(FormatProfileInt(-750), "-750");
    EXPECT_EQ(FormatProfileInt(4294967295u), "4294967295");
}

}  // namespace
}  // namespace xd
