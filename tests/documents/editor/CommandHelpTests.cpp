#include "documents/editor/CommandHelp.h"

#include <gtest/gtest.h>

#include <string>

#include "documents/editor/EditorSetup.h"
#include "engine/Keywords.h"
#include "engine/ScriptSyntax.h"
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

// A statement the language gains must reach the command list and the colouring too.
TEST(CommandHelp, EveryStatementOfTheLanguageIsListedAndColoured) {
    const auto names = CommandNames();
    const std::string coloured = " " + std::string(editorsetup::kKeywords) + " ";
    for (const Keyword& keyword : kKeywords) {
        if (keyword.kind == CommandKind::Config) continue;
        SCOPED_TRACE(std::string(keyword.text));
        const auto listed = CommandOfLine(std::string(keyword.text) + "(");
        ASSERT_TRUE(listed.has_value());
        EXPECT_EQ(names[static_cast<std::size_t>(*listed)], keyword.text);
        EXPECT_NE(coloured.find(" " + std::string(keyword.text) + " "), std::string::npos);
    }
}

// The examples the help gives are lines the check lets through.
TEST(CommandHelp, KeyboardExamplesPassTheCheck) {
    for (const int index : {kCmdKeyPress, kCmdTypeText}) {
        const std::string_view help = kCommandHelp[static_cast<std::size_t>(index)].description;
        const std::size_t at = help.find(kCommandHelp[static_cast<std::size_t>(index)].name);
        ASSERT_NE(at, std::string_view::npos) << index;
        const std::string line(help.substr(at, help.find(')', at) + 1 - at));
        const Keyword* keyword = FindKeyword(line);
        ASSERT_NE(keyword, nullptr) << line;
        EXPECT_EQ(CheckCommandLine(0, keyword->text, line, keyword->parameterCount), "") << line;
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
