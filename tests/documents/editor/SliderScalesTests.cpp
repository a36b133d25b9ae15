#include "documents/editor/SliderScales.h"

#include <gtest/gtest.h>

#include <cmath>

#include "documents/editor/ScriptControls.h"

namespace xd {
namespace {

TEST(SpeedScale, PositionGivesLineAndLabel) {
    struct Case {
        int position;
        const char* line;
        const char* label;
    };
    const Case cases[] = {
        {0, "配置.执行速度=1 '0.01 -- 999", "回放速度：正常"},
        {5, "配置.执行速度=1.5 '0.01 -- 999", "回放速度：1.5倍"},
        {-9, "配置.执行速度=0.1 '0.01 -- 999", "回放速度：0.1倍"},
        {-1, "配置.执行速度=0.9 '0.01 -- 999", "回放速度：0.9倍"},
        {1, "配置.执行速度=1.1 '0.01 -- 999", "回放速度：1.1倍"},
        {29, "配置.执行速度=3.9 '0.01 -- 999", "回放速度：3.9倍"},
        {30, "配置.执行速度=4 '0.01 -- 999", "回放速度：4倍"},
        {200, "配置.执行速度=174 '0.01 -- 999", "回放速度：174倍"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SpeedLine(SpeedFactorForPosition(c.position)), c.line) << c.position;
        EXPECT_EQ(SpeedLabel(c.position), c.label) << c.position;
    }
}

TEST(SpeedScale, ScriptSpeedGivesPosition) {
    struct Case {
        float factor;
        int position;
    };
    const Case cases[] = {
        {2.0f, 10}, {0.5f, -5}, {10.0f, 36}, {0.0f, 0},      {1.0f, 0},       {4.0f, 30},
        {3.9f, 29}, {0.1f, -9}, {174.0f, 200}, {999.0f, 1025}, {-3.0f, -40}, {1.25f, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(SpeedPositionForFactor(c.factor), c.position) << c.factor;
    EXPECT_EQ(SpeedPositionForFactor(std::nanf("")), 0);
    EXPECT_EQ(ClampSliderPosition(Slider::Speed, SpeedPositionForFactor(3.4e38f)), 200);
}

TEST(SpeedScale, EveryPositionSurvivesTheRoundTrip) {
    for (int p = kSpeedSliderRange.min; p <= kSpeedSliderRange.max; ++p) {
        EXPECT_EQ(SpeedPositionForFactor(SpeedFactorForPosition(p)), p) << p;
    }
}

TEST(RepeatScale, LabelsAndLine) {
    EXPECT_EQ(RepeatLabel(0), "回放次数：无限");
    EXPECT_EQ(RepeatLabel(25), "回放次数：25次");
    EXPECT_EQ(RepeatCountLine(0), "配置.执行次数=0 '=0为无限循环，直到按下停止键。");
}

}  // namespace
}  // namespace xd
