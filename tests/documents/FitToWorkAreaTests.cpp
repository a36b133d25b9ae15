#include <gtest/gtest.h>

#include <climits>

#include "documents/WindowPlacementStore.h"

namespace xd {
namespace {

struct FitCase {
    const char* name;
    Rect window;
    Rect expected;
};

class FitToWorkAreaTest : public testing::TestWithParam<FitCase> {};

// A 1920x1040 work area (taskbar below).
constexpr Rect kWorkArea{0, 0, 1920, 1040};

TEST_P(FitToWorkAreaTest, BringsTheWindowBackOnScreen) {
    EXPECT_EQ(FitToWorkArea(GetParam().window, kWorkArea), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitToWorkAreaTest,
    testing::Values(FitCase{"Inside", {100, 50, 850, 500}, {100, 50, 850, 500}},
                    FitCase{"TallerThanWorkArea", {10, 300, 500, 1500}, {10, 0, 500, 1040}},
                    FitCase{"PartlyOffRightKeepsWidth", {1500, 100, 2250, 550}, {1170, 100, 1920, 550}},
                    FitCase{"PartlyAboveKeepsHeight", {100, -30, 850, 420}, {100, 0, 850, 450}}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(FitToWorkArea, ExtremeEdgesFromAHandEditedFileStayInRange) {
    Rect r = FitToWorkArea(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kWorkArea);
    EXPECT_EQ(r, kWorkArea);
}

}  // namespace
}  // namespace xd
