#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ScriptConfig.h"
#include "engine/ScriptSyntax.h"

namespace xd {
namespace {

std::vector<std::string> AfterLines(std::initializer_list<const char*> lines) {
    ScriptConfig config;
    for (const char* line : lines) ApplyConfigLine(line, config);
    return FormatScriptConfig(config);
}

const std::vector<std::string> kStartUp = {
    "执行次数=0", "执行速度=0", "前台模式=0", "点击效果=1", "虚拟鼠标=1", "开始位置=1", "移动鼠标=1", "随机偏移=0"};

std::vector<std::string> StartUpWith(std::size_t index, const char* line) {
    std::vector<std::string> expected = kStartUp;
    expected[index] = line;
    return expected;
}

TEST(ConfigAssignment, FreshConfigHoldsTheStartUpValues) {
    EXPECT_EQ(AfterLines({}), kStartUp);
}

struct AssignmentCase {
    const char* line;
    std::vector<std::string> members;
};

class ConfigAssignment : public ::testing::TestWithParam<AssignmentCase> {};

TEST_P(ConfigAssignment, SetsAtMostOneMember) {
    EXPECT_EQ(AfterLines({GetParam().line}), GetParam().members) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigAssignment, ::testing::Values(
    AssignmentCase{"配置.执行次数 = 3 '次", StartUpWith(0, "执行次数=3")},
    AssignmentCase{"配置.执行次数=0 '=0为无限循环，直到按下停止键。", kStartUp},
    AssignmentCase{"配置.执行次数=abc", kStartUp},
    AssignmentCase{"配置.执行次数=-5", StartUpWith(0, "执行次数=-5")},
    AssignmentCase{"配置.执行速度=0.5", StartUpWith(1, "执行速度=0.5")},
    AssignmentCase{"配置.执行速度=1 '0.01 -- 999", StartUpWith(1, "执行速度=1")},
    AssignmentCase{"配置.执行速度=2.5e1", StartUpWith(1, "执行速度=25")},
    AssignmentCase{"配置.执行速度=0.1", StartUpWith(1, "执行速度=0.1")},
    AssignmentCase{"配置.前台模式=1 '=0后台模式 =1前台模式", StartUpWith(2, "前台模式=1")},
    AssignmentCase{"配置.点击效果=0", StartUpWith(3, "点击效果=0")},
    AssignmentCase{"配置.虚拟鼠标=&H0", StartUpWith(4, "虚拟鼠标=0")},
    AssignmentCase{"配置.开始位置=0", StartUpWith(5, "开始位置=0")},
    AssignmentCase{"配置.移动鼠标=  0  ", StartUpWith(6, "移动鼠标=0")},
    AssignmentCase{"配置.随机偏移=15px", StartUpWith(7, "随机偏移=15")},
    AssignmentCase{"其它.随机偏移=4", StartUpWith(7, "随机偏移=4")},  // any text before the first "."
    AssignmentCase{"配置.执行=2", kStartUp},
    AssignmentCase{"配置.执行次数", kStartUp},
    AssignmentCase{"配置执行次数=9", kStartUp},
    AssignmentCase{"配置.执行次数＝9", kStartUp},
    AssignmentCase{"'岚榕迅点小侠脚本，版本：4.0.2  <--第一行不可删除和修改", kStartUp}));

TEST(ConfigAssignment, LaterLinesOverrideEarlierOnes) {
    EXPECT_EQ(AfterLines({"配置.执行次数=3", "配置.点击效果=0", "配置.执行次数=7"}),
              (std::vector<std::string>{"执行次数=7", "执行速度=0", "前台模式=0", "点击效果=0", "虚拟鼠标=1",
                                        "开始位置=1", "移动鼠标=1", "随机偏移=0"}));
}

struct SpeedCase {
    float speed;
    const char* text;
};

class SpeedText : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(SpeedText, IsShortestDecimalWithinSevenDigits) {
    EXPECT_EQ(FormatSpeed(GetParam().speed), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpeedText, ::testing::Values(
    SpeedCase{0.0f, "0"}, SpeedCase{-0.0f, "0"}, SpeedCase{2.5f, "2.5"}, SpeedCase{0.1f, "0.1"},
    SpeedCase{1.0f, "1"}, SpeedCase{0.01f, "0.01"}, SpeedCase{999.0f, "999"}, SpeedCase{-1.5f, "-1.5"},
    SpeedCase{1.0f / 3.0f, "0.3333333"}, SpeedCase{1234567.0f, "1234567"}, SpeedCase{12345678.0f, "12345680"},
    SpeedCase{1e-5f, "0.00001"}, SpeedCase{1e20f, "100000000000000000000"},
    SpeedCase{1.0000001f, "1"}));

}  // namespace
}  // namespace xd
