#include <gtest/gtest.h>

#include <string>

#include "engine/Keywords.h"
#include "engine/ScriptSyntax.h"

namespace xd {
namespace {

struct LineCase {
    const char* line;    // stripped line, begins with a keyword
    const char* reason;  // "" when well formed
};

std::string Check(std::string_view line) {
    const Keyword* keyword = FindKeyword(line);
    if (keyword == nullptr) return "<no keyword>";
    return CheckCommandLine(0, keyword->text, line, keyword->parameterCount);
}

class StatementCheck : public ::testing::TestWithParam<LineCase> {};

TEST_P(StatementCheck, GivesTheReasonTheUserSees) {
    EXPECT_EQ(Check(GetParam().line), GetParam().reason) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(WellFormed, StatementCheck, ::testing::Values(
    LineCase{"鼠标点击(1,100,200,1,500) '双击", ""},
    LineCase{"鼠标点击(1,100,200,1,500)trailing text is ignored", ""},
    LineCase{"鼠标点击   ( 1 , 100 , 200 , 1 , 500 )", ""},
    LineCase{"鼠标拖移(1,2,3,4,5,6,7)", ""},
    LineCase{"鼠标滚轮(-120,10,10,1,100)", ""},
    LineCase{"目标窗口(\"记事本\",\"Notepad\",\"0\")", ""},
    LineCase{"目标窗口(\"a,b)c\",\"Cls\",\"1,2\")", ""},
    LineCase{"目标窗口(\"say \"\"hi\"\" now\"\"\",\"Cls\",\"0\")", ""},
    LineCase{"目标窗口(\"it's\",\"Cls\",\"0\")", ""},
    LineCase{"目标窗口(x,y,z) '注释", ""},
    LineCase{"鼠标点击(1,x,,,)", ""},          // five fields, only the first holds something
    LineCase{"鼠标点击(abc,def,ghi,jkl,mno)", ""},  // form only, never values
    LineCase{"配置.执行次数 = 3 '次", ""},
    LineCase{"配置.执行速度=0.5", ""},
    LineCase{"配置.执行=2", ""},                 // part of the member list text
    LineCase{"配置.,=2", ""},
    LineCase{"配置.执行次数=abc", ""},
    LineCase{"配置.", ""},
    LineCase{"配置.()", ""},                     // an argument list expecting nothing
    LineCase{"配置.随机偏移=0 'x)", ""}));

INSTANTIATE_TEST_SUITE_P(Malformed, StatementCheck, ::testing::Values(
    LineCase{"鼠标点击（1,100,200,1,500）", "命令之后缺少“(”"},
    LineCase{"鼠标点击(1，100，200，1，500)", "需要参数 5 个，检查到参数是1 个"},
    LineCase{"鼠标点击\t(1,100,200,1,500)", "命令之后缺少“(”"},
    LineCase{"鼠标点击(1,100,200,1,500", "命令最后面缺少“)”"},
    LineCase{"鼠标点击(1,100,200,1,500 '说明)", "命令最后面缺少“)”"},
    LineCase{"目标窗口(\"a)b\",\"c\",\"0", "命令最后面缺少“)”"},  // quote never closes
    LineCase{"鼠标点击 '说明", "命令之后缺少参数"},
    LineCase{"配置.'执行次数=1", "命令之后缺少参数"},
    LineCase{"鼠标点击", "需要参数 5 个，检查到参数是0 个"},
    LineCase{"鼠标点击   ", "需要参数 5 个，检查到参数是0 个"},
    LineCase{"鼠标点击()", "需要参数 5 个，检查到参数是0 个"},
    LineCase{"鼠标点击(,,,,)", "需要参数 5 个，检查到参数是4 个"},
    LineCase{"鼠标点击( , ,1,,)", "需要参数 5 个，检查到参数是4 个"},
    LineCase{"鼠标拖移(1,2,3,4,5,6)", "需要参数 7 个，检查到参数是6 个"},
    LineCase{"鼠标滚轮(120,10,10,1,100,0,0)", "需要参数 5 个，检查到参数是7 个"},
    LineCase{"目标窗口(\"a,b\",\"c\")", "需要参数 3 个，检查到参数是2 个"},
    LineCase{"目标窗口(\"\")", "需要参数 3 个，检查到参数是1 个"},
    LineCase{"配置.(1)", "需要参数 0 个，检查到参数是1 个"},
    LineCase{"配置.=1", "缺少配置成员"},
    LineCase{"配置. =1", "缺少配置成员"},
    LineCase{"配置.次序=2", "配置成员名称错误"},
    LineCase{"配置.执行次数 '注=1", "配置成员名称错误"},
    LineCase{"配置.执行 次数=1", "配置成员名称错误"},
    LineCase{"配置.执行速度=", "缺少配置的值"},
    LineCase{"配置.执行速度=  '只有注释", "缺少配置的值"},
    LineCase{"配置.执行速度", "配置赋值缺少“=”"},
    LineCase{"配置.执行速度 '注释", "配置赋值缺少“=”"},
    LineCase{"配置.执行速度＝1", "配置赋值缺少“=”"}));

// The keyboard statements are checked for their values too: a line the player cannot play as it reads fails.
INSTANTIATE_TEST_SUITE_P(KeyStatements, StatementCheck, ::testing::Values(
    LineCase{"键盘按键(\"Ctrl+S\",1,300)", ""},
    LineCase{"键盘按键( \"ctrl+shift+pagedown\" , 12 , 0 ) '任何大小写", ""},
    LineCase{"键盘按键(F24,2147483647,0)", ""},          // quotes are optional for a key, as for any argument
    LineCase{"键盘按键(\"VK_E5\",1,-5)", ""},
    LineCase{"输入文字(\"你好，世界 😀\",100)", ""},
    LineCase{"输入文字(\"a, b) 'c\",0)", ""},           // comma, parenthesis and apostrophe inside the quotes
    LineCase{"输入文字(\"\"\"\",0)", ""},                 // one double quote, doubled inside its pair
    LineCase{"键盘按键(\"Ctrl+Q1\",1,0)", "按键名称错误：“Ctrl+Q1”"},
    LineCase{"键盘按键(\"Ctrl+Ctrl\",1,0)", "按键名称错误：“Ctrl+Ctrl”"},
    LineCase{"键盘按键(\"\",1,0)", "按键名称错误：“”"},
    LineCase{"键盘按键(\"回车\",1,0)", "按键名称错误：“回车”"},
    LineCase{"键盘按键(\"A\",0,0)", "次数必须是 1 到 2147483647 之间的整数"},
    LineCase{"键盘按键(\"A\",-3,0)", "次数必须是 1 到 2147483647 之间的整数"},
    LineCase{"键盘按键(\"A\",x,0)", "次数必须是 1 到 2147483647 之间的整数"},
    LineCase{"键盘按键(\"A\",,0)", "次数必须是 1 到 2147483647 之间的整数"},
    LineCase{"键盘按键(\"A\",1)", "需要参数 3 个，检查到参数是2 个"},
    LineCase{"键盘按键 \"A\",1,0", "命令之后缺少“(”"},
    LineCase{"输入文字(abc,0)", "文字必须用英文双引号括起来"},
    LineCase{"输入文字(\"a\" \"b\",0)", "文字必须用英文双引号括起来"},
    LineCase{"输入文字(“中文引号”,0)", "文字必须用英文双引号括起来"},
    LineCase{"输入文字(\"\",0)", "文字不能为空"},
    LineCase{"输入文字(\"x\")", "需要参数 2 个，检查到参数是1 个"},
    LineCase{"输入文字(\"x\",0,0)", "需要参数 2 个，检查到参数是3 个"}));

TEST(StatementCheck, ReasonsAreByteExactUtf8) {
    // Curly quotes around the parenthesis, not ASCII ones.
    EXPECT_EQ(Check("鼠标点击(1"), "\xE5\x91\xBD\xE4\xBB\xA4\xE6\x9C\x80\xE5\x90\x8E\xE9\x9D\xA2\xE7\xBC\xBA"
                                  "\xE5\xB0\x91\xE2\x80\x9C)\xE2\x80\x9D");
}

TEST(StatementCheck, HugeLinesStayLinear) {
    std::string commas = "鼠标点击(" + std::string(10'000'000, ',') + ")";
    EXPECT_EQ(Check(commas), "需要参数 5 个，检查到参数是10000000 个");
    std::string open = "目标窗口(\"" + std::string(10'000'000, 'x');
    EXPECT_EQ(Check(open), "命令最后面缺少“)”");
    std::string member = "配置." + std::string(10'000'000, 'y') + "=1";
    EXPECT_EQ(Check(member), "配置成员名称错误");
}

}  // namespace
}  // namespace xd
