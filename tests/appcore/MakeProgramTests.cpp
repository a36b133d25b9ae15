#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "appcore/madeprogram/CarriedScript.h"
#include "appcore/madeprogram/MakeProgram.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimFileDialogs.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimProgramCopies.h"

namespace xd {
namespace {

// Nothing is asked of a script that would not play, nothing is written unless the user chose where, and a
// failed write leaves no copy behind; each way ends with at most one box saying what happened.
TEST(MakeProgram, RefusesAsksWritesOrSaysWhyNot) {
    struct Case {
        const char* name;
        std::string refusal;
        std::optional<std::string> chosen;
        bool failWrite;
        MadeProgramOutcome outcome;
        std::size_t dialogs;
        std::uint32_t boxFlags;  // 0: no box
        std::string boxStarts;
    };
    const Case cases[] = {
        {"refused", "发现脚本语法错误：第 3 行", std::nullopt, false, MadeProgramOutcome::Refused, 0,
         mb::kIconWarning, "发现脚本语法错误：第 3 行"},
        {"cancelled", "", std::nullopt, false, MadeProgramOutcome::Cancelled, 1, 0, ""},
        {"written", "", "D:\\每日.exe", false, MadeProgramOutcome::Written, 1, mb::kIconInformation, "已生成软件："},
        {"failed", "", "D:\\每日.exe", true, MadeProgramOutcome::Failed, 1, mb::kIconError, "无法生成软件："},
    };
    for (const Case& c : cases) {
        sim::SimFileDialogs dialogs;
        sim::SimMessageBoxes boxes;
        sim::SimProgramCopies copies;
        if (c.dialogs) dialogs.QueueAnswer(c.chosen);
        copies.SetFailWrites(c.failWrite);
        const MadeProgramRequest request{42, "迅点小侠", "D:\\脚本\\每日.mkx", "SCRIPT-BYTES", c.refusal};

        EXPECT_EQ(MakeProgram(dialogs, boxes, copies, request), c.outcome) << c.name;
        ASSERT_EQ(dialogs.Requests().size(), c.dialogs) << c.name;
        if (c.dialogs) {
            EXPECT_TRUE(dialogs.Requests()[0].save) << c.name;
            EXPECT_EQ(dialogs.Requests()[0].request.initialName, "每日") << c.name;
        }
        const std::map<std::string, std::string> written = copies.Written();
        if (c.outcome == MadeProgramOutcome::Written) {
            EXPECT_EQ(written, (std::map<std::string, std::string>{{"D:\\每日.exe", "SCRIPT-BYTES"}}));
        } else {
            EXPECT_TRUE(written.empty()) << c.name;
        }
        ASSERT_EQ(boxes.Count(), c.boxFlags ? 1u : 0u) << c.name;
        if (c.boxFlags) {
            const sim::MessageBoxRecord box = boxes.Shown()[0];
            EXPECT_EQ(box.flags & 0xF0, c.boxFlags) << c.name;
            EXPECT_EQ(box.caption, "迅点小侠") << c.name;
            EXPECT_EQ(box.owner, 42u) << c.name;
            EXPECT_EQ(box.text.rfind(c.boxStarts, 0), 0u) << c.name << ": " << box.text;
        }
    }
}

TEST(MakeProgram, TheProgramIsNamedAfterTheScript) {
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\脚本\\每日.mkx", "每日"}, {"C:/a.b/c.mkx", "c"}, {"plain", "plain"}, {"D:\\.mkx", ".mkx"}, {"", "未命名"},
    };
    for (const auto& [path, name] : cases) {
        const FileDialogRequest request = MadeProgramDialogRequest(7, path);
        EXPECT_EQ(request.initialName, name) << path;
        EXPECT_EQ(request.defaultExtension, "exe");
        EXPECT_EQ(request.filters.at(0).second, "*.exe");
    }
}

// A made program runs as `/play` of its own script, with whatever options it was started with.
TEST(MadeProgram, PlaysItsScriptWithTheOptionsItIsGiven) {
    EXPECT_EQ(CarriedScriptPath("D:\\工具\\每日.exe"), "D:\\工具\\每日.mkx");
    EXPECT_EQ(CarriedScriptPath("D:\\a.b\\run"), "D:\\a.b\\run.mkx");
    EXPECT_EQ(CarriedScriptPath("x.EXE"), "x.mkx");

    using Args = std::vector<std::string>;
    const std::pair<Args, Args> cases[] = {
        {{}, {"/play", "D:\\每日.mkx"}},
        {{"/repeat", "3", "/log", "x.txt"}, {"/play", "D:\\每日.mkx", "/repeat", "3", "/log", "x.txt"}},
        {{"/PLAY", "other.mkx"}, {"/PLAY", "other.mkx"}},
    };
    for (const auto& [given, expected] : cases) EXPECT_EQ(MadeProgramArguments(given, "D:\\每日.mkx"), expected);
}

TEST(MadeProgram, TheCarriedScriptReadsAsAFileThatCannotBeReplaced) {
    sim::SimFileSystem real;
    real.Put("D:\\other.mkx", "other");
    CarriedScriptFiles files(real, "D:\\每日.mkx", "CARRIED");

    EXPECT_TRUE(files.Exists("D:\\每日.mkx"));
    EXPECT_EQ(files.FileSize("D:\\每日.mkx"), 7u);
    EXPECT_EQ(files.ReadFile("D:\\每日.mkx", 100).bytes, "CARRIED");
    EXPECT_EQ(files.ReadFile("D:\\每日.mkx", 6).status, FileStatus::TooLarge);
    EXPECT_FALSE(files.WriteFileReplacing("D:\\每日.mkx", "x"));
    EXPECT_FALSE(files.Remove("D:\\每日.mkx"));
    EXPECT_FALSE(real.Exists("D:\\每日.mkx"));

    EXPECT_EQ(files.ReadFile("D:\\other.mkx", 100).bytes, "other");
    EXPECT_TRUE(files.WriteFileReplacing("D:\\new.mkx", "new"));
    EXPECT_EQ(real.Get("D:\\new.mkx"), "new");
    EXPECT_FALSE(files.Exists("D:\\missing.mkx"));
}

}  // namespace
}  // namespace xd
