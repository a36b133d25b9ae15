#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "engine/Numbers.h"

namespace xd {
namespace {

struct IntegerCase {
    const char* text;
    std::int32_t value;
};

class IntegerRule : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerRule, ReadsTheLeadingNumber) {
    EXPECT_EQ(ReadInteger(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, IntegerRule, ::testing::Values(
    IntegerCase{"120", 120}, IntegerCase{"   -45", -45}, IntegerCase{"+7", 7},
    IntegerCase{"12px", 12}, IntegerCase{"3.7", 3}, IntegerCase{"abc", 0}, IntegerCase{"", 0},
    IntegerCase{"   ", 0}, IntegerCase{"-", 0}, IntegerCase{"- 5", 0}, IntegerCase{"\t5", 0},
    IntegerCase{"0007", 7}, IntegerCase{"5 6", 5},
    IntegerCase{"&H1F", 31}, IntegerCase{"&hff", 255}, IntegerCase{"&HFFFFFFFF", -1},
    IntegerCase{"&H7FFFFFFF", 2147483647}, IntegerCase{"&HG", 0}, IntegerCase{"&H", 0},
    IntegerCase{"&O17", 15}, IntegerCase{"&o78", 7}, IntegerCase{"&B101", 5}, IntegerCase{"&b102", 2},
    IntegerCase{"&17", 15}, IntegerCase{"&9", 0}, IntegerCase{"&", 0}, IntegerCase{"  &H10", 16},
    IntegerCase{"2147483647", 2147483647}, IntegerCase{"-2147483648", -2147483647 - 1},
    IntegerCase{"99999999999999999999", 2147483647}, IntegerCase{"-99999999999", -2147483647 - 1}));

struct DecimalCase {
    const char* text;
    float value;
};

class DecimalRule : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalRule, ReadsTheLeadingDecimal) {
    EXPECT_EQ(ReadDecimal(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, DecimalRule, ::testing::Values(
    DecimalCase{"0.5", 0.5f}, DecimalCase{"  2", 2.0f}, DecimalCase{"-1.25", -1.25f},
    DecimalCase{"+3", 3.0f}, DecimalCase{".25", 0.25f}, DecimalCase{"1e2", 100.0f},
    DecimalCase{"2.5E-1x", 0.25f}, DecimalCase{"1e", 1.0f}, DecimalCase{"7abc", 7.0f},
    DecimalCase{"abc", 0.0f}, DecimalCase{"", 0.0f}, DecimalCase{".", 0.0f}, DecimalCase{"inf", 0.0f},
    DecimalCase{"nan", 0.0f}, DecimalCase{"0.01", 0.01f}, DecimalCase{"999", 999.0f},
    DecimalCase{"1e999", std::numeric_limits<float>::max()},
    DecimalCase{"-1e39", -std::numeric_limits<float>::max()},
    DecimalCase{"1e-999", 0.0f}));

TEST(DecimalRule, OverflowAndUnderflowAreToldApartWithoutAnExponent) {
    EXPECT_EQ(ReadDecimal(std::string(400, '9')), std::numeric_limits<float>::max());
    EXPECT_EQ(ReadDecimal("0." + std::string(400, '0') + "1"), 0.0f);
    EXPECT_EQ(ReadDecimal(std::string(400, '9') + "e-5"), std::numeric_limits<float>::max());
}

}  // namespace
}  // namespace xd
