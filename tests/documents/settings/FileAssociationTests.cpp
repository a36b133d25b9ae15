#include "documents/settings/FileAssociation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimRegistry.h"

namespace xd {
namespace {

const std::string kProgram = "D:\\Program Files\\迅点\\迅点小侠4.exe";
const std::string kType = "岚榕迅点小侠脚本文件";
const std::string kIconKey = kType + "\\DefaultIcon";
const std::string kCommandKey = kType + "\\shell\\open\\Command";

// Logs the deletes and can stand for a guard program that rewrites a value behind our back.
class GuardedRegistry final : public IRegistry {
public:
    std::string ReadDefault(const std::string& key, std::size_t chars) override {
        if (!readOverride.empty() && key == kIconKey) return readOverride;
        return inner.ReadDefault(key, chars);
    }
    bool WriteDefault(const std::string& key, const std::string& value) override {
        return inner.WriteDefault(key, value);
    }
    bool DeleteKey(const std::string& key) override {
        deleted.push_back(key);
        return inner.DeleteKey(key);
    }
    sim::SimRegistry inner;
    std::string readOverride;
    std::vector<std::string> deleted;
};

class FileAssociation : public ::testing::Test {
protected:
    GuardedRegistry registry;
    sim::SimMessageBoxes boxes;
};

TEST_F(FileAssociation, Register_WritesTheThreeValuesAndReadsAsAssociated) {
    EXPECT_FALSE(IsAssociated(registry, kProgram));
    EXPECT_TRUE(RegisterAssociation(registry, boxes, kProgram));
    EXPECT_EQ(registry.inner.Value(".mkx"), kType);
    EXPECT_EQ(registry.inner.Value(kIconKey), "D:\\Program Files\\迅点\\迅点小侠4.exe,1");
    EXPECT_EQ(registry.inner.Value(kCommandKey), "D:\\Program Files\\迅点\\迅点小侠4.exe %1");
    EXPECT_TRUE(IsAssociated(registry, kProgram));
    EXPECT_FALSE(IsAssociated(registry, "E:\\moved\\迅点小侠4.exe"));
    // A path longer than the usual read buffer still reads back whole.
    const std::string longPath = "C:\\" + std::string(1100, 'a') + "\\迅点小侠4.exe";
    EXPECT_TRUE(RegisterAssociation(registry, boxes, longPath));
    EXPECT_TRUE(IsAssociated(registry, longPath));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(FileAssociation, ForeignOrBrokenValues_ReadAsNotAssociated) {
    struct Case {
        const char* name;
        std::string extensionValue;  // "" leaves .mkx missing
        std::string commandValue;    // "" leaves the command missing
    };
    const std::string ourCommand = kProgram + " %1";
    const std::vector<Case> cases{
        {"other program's type", "OtherEditor.mkx", ourCommand},
        {"missing extension", "", ourCommand},
        {"missing command", kType, ""},
        {"quoted command", kType, "\"" + kProgram + "\" \"%1\""},
        {"over-long extension", std::string(5000, 'x'), ourCommand},
        {"over-long command starting with ours", kType, ourCommand + std::string(3000, 'x')},
    };
    for (const Case& c : cases) {
        GuardedRegistry fresh;
        if (!c.extensionValue.empty()) {
            ASSERT_TRUE(fresh.inner.WriteDefault(".mkx", c.extensionValue));
        }
        if (!c.commandValue.empty()) {
            ASSERT_TRUE(fresh.inner.WriteDefault(kCommandKey, c.commandValue));
        }
        EXPECT_FALSE(IsAssociated(fresh, kProgram)) << c.name;
    }
}

TEST_F(FileAssociation, RefusedOrAlteredIcon_ShowsTheTaskModalFailureBox) {
    for (bool refuse : {true, false}) {
        GuardedRegistry fresh;
        sim::SimMessageBoxes shown;
        fresh.inner.FailWrites(refuse);
        if (!refuse) fresh.readOverride = "%SystemRoot%\\system32\\shell32.dll,0";
        EXPECT_FALSE(RegisterAssociation(fresh, shown, kProgram));
        ASSERT_EQ(shown.Count(), 1u) << refuse;
        const sim::MessageBoxRecord box = shown.Shown()[0];
        EXPECT_EQ(box.caption, "关联脚本文件失败");
        EXPECT_EQ(box.text, "关联 岚榕迅点小侠脚本 的文件失败！！！\r\n1，可能被杀毒软件拦截，请让行。\r\n"
                            "2，可能权限不够，请用管理员运行1次就可以了。");
        EXPECT_EQ(box.flags & (mb::kTaskModal | mb::kIconError), mb::kTaskModal | mb::kIconError);
    }
}

TEST_F(FileAssociation, Remove_DeletesChildrenFirstAndTheForeignExtensionToo) {
    ASSERT_TRUE(registry.inner.WriteDefault("OtherEditor.mkx\\shell\\open\\Command", "other.exe %1"));
    ASSERT_TRUE(registry.inner.WriteDefault(".mkx", "OtherEditor.mkx"));
    ASSERT_TRUE(RegisterAssociation(registry, boxes, kProgram));
    RemoveAssociation(registry);
    const std::vector<std::string> order{kIconKey,      kCommandKey, kType + "\\shell\\open",
                                         kType + "\\shell", kType,   ".mkx"};
    EXPECT_EQ(registry.deleted, order);
    EXPECT_FALSE(registry.inner.HasKey(kType));
    EXPECT_FALSE(registry.inner.HasKey(".mkx"));  // not given back to the other program
    EXPECT_TRUE(registry.inner.HasKey("OtherEditor.mkx\\shell\\open\\Command"));
}

TEST_F(FileAssociation, Remove_GoesOnPastFailuresSilently) {
    ASSERT_TRUE(RegisterAssociation(registry, boxes, kProgram));
    ASSERT_TRUE(registry.inner.WriteDefault(kType + "\\shell\\print\\Command", "x"));  // someone else's verb
    registry.inner.FailDeletes(true);
    RemoveAssociation(registry);
    EXPECT_TRUE(IsAssociated(registry, kProgram));
    registry.inner.FailDeletes(false);
    RemoveAssociation(registry);
    EXPECT_EQ(registry.deleted.size(), 12u);
    EXPECT_FALSE(registry.inner.HasKey(kIconKey));
    EXPECT_TRUE(registry.inner.HasKey(kType + "\\shell"));
    EXPECT_FALSE(registry.inner.HasKey(".mkx"));
    EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace
}  // namespace xd
