#include "documents/editor/CommandHelp.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/MemoryScriptControls.h"

namespace xd {
namespace {

TEST(CommandHelp, EveryNameIsFoundAtItsOwnListIndex) {
    const auto names = CommandNames();
    for (int i = 0; i < kCommandCount; ++i) {
        const std::string line = std::string(names[static_cast<std::size_t>(i)]) + "=1";
        EXPECT_EQ(CommandOfLine(line), i) << line;
    }
}

TEST(CommandHelp, LinesThatBeginWithNoCommandFindNone) {
    for (const char* line : {"'鼠标点击(1,2,3,1,5)", "  鼠标点击(1,2,3,1,5)", "配置.开始位置=1", "配置.", ""}) {
        EXPECT_EQ(CommandOfLine(line), std::nullopt) << line;
    }
}

TEST(CommandHelp, ShowsNameWithDescriptionAndNameWithTemplate) {
    MemoryScriptControls controls;
    ShowCommandHelp(controls, kCmdRepeatCount);
    EXPECT_EQ(controls.HelpText(), "配置.执行次数\r\n=0为无限循环，直到按下停止键。");
    EXPECT_EQ(controls.TemplateText(), "配置.执行次数=0 '=0为无限循环，直到按下停止键。");

    ShowCommandHelp(controls, kCmdWheel);
    EXPECT_EQ(controls.TemplateText(), "鼠标滚轮(滚动值,位置x,位置y,次数,等待时间)");
    EXPECT_TRUE(controls.HelpText().starts_with("鼠标滚轮\r\n滚动值=120"));
}

TEST(CommandHelp, NoSelectionLeavesTheHelpAsItWas) {
    MemoryScriptControls controls;
    ShowCommandHelp(controls, kCmdClick);
    const std::string help = controls.HelpText();
    ShowCommandHelp(controls, -1);
    ShowCommandHelp(controls, kCommandCount);
    EXPECT_EQ(controls.HelpText(), help);
}

}  // namespace
}  // namespace xd
