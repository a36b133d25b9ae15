#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ScriptSyntax.h"

namespace xd {
namespace {

struct SplitCase {
    const char* line;
    std::vector<std::string> arguments;
};

class ArgumentSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ArgumentSplit, YieldsTheArgumentTexts) {
    EXPECT_EQ(SplitArguments(GetParam().line), GetParam().arguments) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Cases, ArgumentSplit, ::testing::Values(
    SplitCase{"鼠标点击(1,100,200,1,500) '双击", {"1", "100", "200", "1", "500"}},
    SplitCase{"鼠标点击( 1 , 100,200 ,1,  500 )", {"1", "100", "200", "1", "500"}},
    SplitCase{"鼠标点击(1,,,,)", {"1", "", "", "", ""}},
    SplitCase{"目标窗口(\"a,b)c\",\"Cls\",\"1,2\")", {"a,b)c", "Cls", "1,2"}},
    // Doubled quotes at either end belong to the text, not to the enclosing pair.
    SplitCase{"目标窗口(\"ab\"\"cd\"\"\",\"Cls\",\"0\")", {"ab\"\"cd\"\"", "Cls", "0"}},
    SplitCase{"目标窗口(\"\"\"x\",\"\"\"\",0)", {"\"\"x", "\"\"", "0"}},
    // Not a well-formed quoted text: every quote at the ends goes, as before.
    SplitCase{"目标窗口(\"\"ab\"\",Cls,0)", {"ab", "Cls", "0"}},
    SplitCase{"目标窗口(\" padded \",Cls,0)", {" padded ", "Cls", "0"}},
    SplitCase{"目标窗口(\"it's\",\"'\",0) 'x", {"it's", "'", "0"}},
    SplitCase{"目标窗口(\"\",\"\",\"\")", {"", "", ""}},
    SplitCase{"目标窗口(窗口 名,类,0)", {"窗口 名", "类", "0"}},
    SplitCase{"鼠标点击()", {""}},
    SplitCase{"配置.执行次数=0 '=0为无限循环", {}},
    SplitCase{"鼠标点击(1,2,3,4,5) ,(9)", {"1", "2", "3", "4", "5"}},
    // A second "(" opens a new slot and leaves the skipped one empty.
    SplitCase{"鼠标点击(1(2,3,4,5)", {"", "2", "3", "4", "5"}},
    // Without a closing ")" the last argument is never stored.
    SplitCase{"鼠标点击(1,2", {"1"}}));

TEST(ArgumentSplit, SlotsAreBoundedForHostileLines) {
    const std::string opens = "鼠标点击" + std::string(5'000'000, '(') + "1,2,3,4,5)";
    EXPECT_LE(SplitArguments(opens).size(), kMaxArgumentSlots);
    const std::string commas = "鼠标点击(" + std::string(5'000'000, ',') + ")";
    EXPECT_EQ(SplitArguments(commas).size(), kMaxArgumentSlots);
}

}  // namespace
}  // namespace xd
