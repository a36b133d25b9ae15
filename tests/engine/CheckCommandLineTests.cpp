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
