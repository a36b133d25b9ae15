#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/CheckScript.h"

namespace xd {
namespace {

const std::string kHeader = "'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改";

std::string Script(std::initializer_list<const char*> lines) {
    std::string text = kHeader;
    for (const char* line : lines) text += std::string("\r\n") + line;
    return text;
}

struct ScriptCase {
    const char* name;
    std::string text;
    ScriptCheckStatus status;
    std::string message;
};

class ScriptCheckPass : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptCheckPass, ReportsTheFirstFailingLine) {
    ScriptConfig config;
    const ScriptCheck check = CheckScript(GetParam().text, config);
    EXPECT_EQ(check.status, GetParam().status);
    EXPECT_EQ(check.message, GetParam().message);
}

const char* const kNotAScript = "此脚本不是岚榕迅点小侠脚本格式，无法执行脚本。";

INSTANTIATE_TEST_SUITE_P(Cases, ScriptCheckPass, ::testing::Values(
    ScriptCase{"HeaderOnly", kHeader, ScriptCheckStatus::Passed, ""},
    ScriptCase{"Empty", "", ScriptCheckStatus::NotAScript, kNotAScript},
    ScriptCase{"ByteOrderMark", "\xEF\xBB\xBF" + Script({}), ScriptCheckStatus::NotAScript, kNotAScript},
    ScriptCase{"IndentedHeader", " " + Script({}), ScriptCheckStatus::NotAScript, kNotAScript},
    ScriptCase{"HalfHeader", "'岚榕迅点小侠", ScriptCheckStatus::NotAScript, kNotAScript},
    ScriptCase{"HeaderAlone", "'岚榕迅点小侠脚本", ScriptCheckStatus::Passed, ""},
    ScriptCase{"LfOnlyIsOneComment", kHeader + "\n乱码\n鼠标点击(", ScriptCheckStatus::Passed, ""},
    ScriptCase{"LoneCrStaysInLine", Script({"鼠标点击(1,2,3,4,5)\r鼠标点击("}), ScriptCheckStatus::Passed, ""},
    ScriptCase{"BlankCommentAndSpaces",
               Script({"", "   ", "' 注释", "   '缩进的注释", "  鼠标点击(1,100,200,1,500)  ", ""}),
               ScriptCheckStatus::Passed, ""},
    ScriptCase{"TabIndented", Script({"鼠标点击(1,2,3,1,5)", "\t鼠标点击(1,2,3,1,5)"}),
               ScriptCheckStatus::SyntaxError, "发现脚本语法错误：第 3 行\r\n未知的命令"},
    ScriptCase{"FullWidthSpaceIndented", Script({"　鼠标点击(1,2,3,1,5)"}),
               ScriptCheckStatus::SyntaxError, "发现脚本语法错误：第 2 行\r\n未知的命令"},
    ScriptCase{"UnknownCommand", Script({"键盘输入(1)"}),
               ScriptCheckStatus::SyntaxError, "发现脚本语法错误：第 2 行\r\n未知的命令"},
    ScriptCase{"UnknownKeyName", Script({"键盘按键(\"Ctrl+S\",1,0)", "键盘按键(\"Ctrl+回车\",1,0)"}),
               ScriptCheckStatus::SyntaxError, "发现脚本语法错误：第 3 行\r\n按键名称错误：“Ctrl+回车”"},
    ScriptCase{"FirstFailureOnly", Script({"", "鼠标拖移(1,2,3,4,5,6)", "xyz"}),
               ScriptCheckStatus::SyntaxError, "发现脚本语法错误：第 3 行\r\n需要参数 7 个，检查到参数是6 个"},
    ScriptCase{"TrailingCrLfMakesABlankLine", Script({"鼠标点击(1,2,3,1,5)", ""}), ScriptCheckStatus::Passed, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptCheckPass, KeepsEveryStatementWithItsLineAndArguments) {
    ScriptConfig config;
    const ScriptCheck check = CheckScript(
        Script({"配置.执行次数=2", "目标窗口(\"标题\",\"类\",\"0\")", "'x", "鼠标点击(1,120,45,1,800)",
                "鼠标拖移(1,2,3,4,5,6,7)", "鼠标滚轮(-120,10,10,1,100)"}),
        config);
    ASSERT_EQ(check.status, ScriptCheckStatus::Passed);
    ASSERT_EQ(check.commands.size(), 5u);
    const std::vector<CommandKind> kinds{CommandKind::Config, CommandKind::TargetWindow, CommandKind::Click,
                                         CommandKind::Drag, CommandKind::Wheel};
    const std::vector<std::size_t> lines{2, 3, 5, 6, 7};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(check.commands[i].kind, kinds[i]);
        EXPECT_EQ(check.commands[i].lineNumber, lines[i]);
    }
    EXPECT_EQ(check.commands[1].arguments, (std::vector<std::string>{"标题", "类", "0"}));
    EXPECT_EQ(check.commands[4].arguments, (std::vector<std::string>{"-120", "10", "10", "1", "100"}));
    EXPECT_EQ(config.repeatCount.load(), 2);
}

TEST(ScriptCheckPass, ConfigurationAboveTheFailingLineStaysApplied) {
    ScriptConfig config;
    const ScriptCheck check =
        CheckScript(Script({"配置.执行次数=4", "鼠标点击 '说明", "配置.执行速度=3"}), config);
    EXPECT_EQ(check.status, ScriptCheckStatus::SyntaxError);
    EXPECT_EQ(check.errorLine, 3u);
    EXPECT_EQ(check.reason, "命令之后缺少参数");
    EXPECT_EQ(config.repeatCount.load(), 4);
    EXPECT_EQ(config.speed.load(), 0.0f);
}

TEST(ScriptCheckPass, RefusedTextAppliesNothing) {
    ScriptConfig config;
    EXPECT_EQ(CheckScript("配置.执行次数=9\r\n" + kHeader, config).status, ScriptCheckStatus::NotAScript);
    EXPECT_EQ(config.repeatCount.load(), 0);
}

TEST(ScriptCheckPass, HostileTextsFinish) {
    ScriptConfig config;
    EXPECT_EQ(CheckScript(kHeader + std::string(10'000'000, '\r'), config).status, ScriptCheckStatus::Passed);
    EXPECT_EQ(CheckScript(kHeader + std::string(10'000'000, '\n'), config).status, ScriptCheckStatus::Passed);
    std::string blanks = kHeader;
    for (int i = 0; i < 1'000'000; ++i) blanks += "\r\n";
    const ScriptCheck many = CheckScript(blanks + "x", config);
    EXPECT_EQ(many.message, "发现脚本语法错误：第 1000001 行\r\n未知的命令");
    std::string binary = kHeader + "\r\n";
    for (int i = 0; i < 1 << 20; ++i) binary += static_cast<char>((i * 7919) & 0xFF);
    EXPECT_NE(CheckScript(binary, config).status, ScriptCheckStatus::NotAScript);
}

}  // namespace
}  // namespace xd
