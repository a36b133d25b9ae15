#include "platform/sim/IniProfile.h"

#include <gtest/gtest.h>

#include "platform/sim/SimFileSystem.h"

namespace xd::sim {
namespace {

const std::string kFile = "/prog/巧手配置.INI";

class IniProfileTest : public testing::Test {
protected:
    sim::SimFileSystem files;
    IniProfile profile{files};

    std::string Get(const std::string& section, const std::string& key, const std::string& fallback = "dflt",
                    std::size_t chars = 4086) {
        return profile.GetString(kFile, section, key, fallback, chars);
    }
};

TEST_F(IniProfileTest, MissingFileSectionOrKeyReadsAsDefault) {
    EXPECT_EQ(Get("选项", "录快捷键"), "dflt");
    files.Put(kFile, "[窗口]\r\nLeft=5\r\n");
    EXPECT_EQ(Get("选项", "录快捷键"), "dflt");
    EXPECT_EQ(Get("窗口", "Right"), "dflt");
    EXPECT_EQ(Get("窗口", "Left"), "5");
}

TEST_F(IniProfileTest, FirstWriteCreatesFileSectionAndKey) {
    EXPECT_TRUE(profile.WriteString(kFile, "选项", "移动鼠标", "0"));
    EXPECT_EQ(*files.Get(kFile), "[选项]\r\n移动鼠标=0\r\n");
    EXPECT_EQ(Get("选项", "移动鼠标 "), "0");
}

TEST_F(IniProfileTest, WriteKeepsEveryOtherByte) {
    const std::string before =
        "\xEF\xBB\xBF; written by hand\n[窗口]\nLeft=10\nstray text\n\n[选项]\n录快捷键 = 114 \n放快捷键=113\n";
    files.Put(kFile, before);
    EXPECT_TRUE(profile.WriteString(kFile, "选项", "录快捷键", "115"));
    std::string expected = before;
    expected.replace(expected.find("114 "), 4, "115");
    EXPECT_EQ(*files.Get(kFile), expected);
}

TEST_F(IniProfileTest, LongValuesFillTheBufferAndNoMore) {
    const std::string exact(4085, '7');
    ASSERT_TRUE(profile.WriteString(kFile, "a", "k", exact));
    EXPECT_EQ(Get("a", "k"), exact);
    ASSERT_TRUE(profile.WriteString(kFile, "a", "k", exact + "89"));
    EXPECT_EQ(Get("a", "k"), exact);
    // Each Chinese character is one UTF-16 unit, three bytes.
    std::string wide;
    for (int i = 0; i < 4090; ++i) wide += "点";
    ASSERT_TRUE(profile.WriteString(kFile, "a", "w", wide));
    EXPECT_EQ(Get("a", "w"), wide.substr(0, 4085 * 3));
}

TEST_F(IniProfileTest, OversizedFileReadsAsDefaultsAndIsNeverRewritten) {
    std::string huge = "[a]\r\nk=1\r\n" + std::string(kMaxIniFileBytes, 'x');
    files.Put(kFile, huge);
    EXPECT_EQ(Get("a", "k"), "dflt");
    EXPECT_FALSE(profile.WriteString(kFile, "a", "k", "2"));
    EXPECT_EQ(*files.Get(kFile), huge);
}

TEST_F(IniProfileTest, UnreadableFileIsNotReplaced) {
    files.Put(kFile, "[a]\r\nk=1\r\n");
    files.FailReads(kFile);
    EXPECT_EQ(Get("a", "k"), "dflt");
    EXPECT_FALSE(profile.WriteString(kFile, "a", "other", "2"));
    EXPECT_EQ(files.WriteCount(kFile), 0u);
}

}  // namespace
}  // namespace xd::sim
