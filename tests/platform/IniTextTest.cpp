#include "platform/sim/IniText.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace xd::sim {
namespace {

using namespace std::string_literals;

struct GetCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

class IniTextGet : public testing::TestWithParam<GetCase> {};

TEST_P(IniTextGet, FindsTheValueTheServiceWouldReturn) {
    const GetCase& c = GetParam();
    EXPECT_EQ(IniText(c.file).Get(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniTextGet,
    testing::Values(
        GetCase{"BlanksAroundNamesAndValue", "  [ a ]  \r\n  k  =  v  \r\n", "a", "k", "v"},
        GetCase{"AsciiCaseIgnored", "[Window]\r\nTopMost=1\r\n", "WINDOW", "topmost", "1"},
        GetCase{"ChineseNames", "[选项]\n删除提醒=0\n", "选项", "删除提醒 ", "0"},
        GetCase{"LoneCr", "[a]\rk=v\r[b]\rk=w", "b", "k", "w"},
        GetCase{"BomBeforeFirstSection", "\xEF\xBB\xBF[a]\r\nk=v\r\n", "a", "k", "v"},
        GetCase{"QuotesDropped", "[a]\r\nk=\"x y\"\r\n", "a", "k", "x y"},
        GetCase{"EqualsInsideValueKept", "[a]\r\nk=x=y\r\n", "a", "k", "x=y"},
        GetCase{"KeyInOtherSectionOnly", "[a]\r\nk=v\r\n[b]\r\n", "b", "k", std::nullopt},
        GetCase{"KeyBeforeAnySection", "k=v\r\n[a]\r\n", "a", "k", std::nullopt},
        GetCase{"CommentIsNotAKey", "[a]\r\n;k=v\r\n", "a", ";k", std::nullopt},
        GetCase{"FirstDuplicateWins", "[a]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\n", "a", "k", "1"},
        GetCase{"SectionWithoutBracketEndIsNoSection", "[a\r\nk=v\r\n", "a", "k", std::nullopt},
        GetCase{"NulBytesAreJustBytes", "[a]\r\nk=v\0w\r\n"s, "a", "k", "v\0w"s}),
    [](const testing::TestParamInfo<GetCase>& info) { return std::string(info.param.name); });

struct SetCase {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

class IniTextSet : public testing::TestWithParam<SetCase> {};

TEST_P(IniTextSet, ChangesOnlyTheOneEntry) {
    const SetCase& c = GetParam();
    IniText text(c.before);
    ASSERT_TRUE(text.Set(c.section, c.key, c.value));
    EXPECT_EQ(text.Bytes(), c.after);
    EXPECT_EQ(text.Get(c.section, c.key), std::string(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniTextSet,
    testing::Values(
        SetCase{"CreatesFromNothing", "", "选项", "录快捷键", "115", "[选项]\r\n录快捷键=115\r\n"},
        SetCase{"ReplacesValueKeepsEverythingElse", "; mine\r\n[a]\r\n  k = old  \r\nodd line\r\n\r\n[b]\r\nk=x\r\n",
                "a", "k", "new", "; mine\r\n[a]\r\n  k = new\r\nodd line\r\n\r\n[b]\r\nk=x\r\n"},
        SetCase{"NewKeyGoesAfterSectionsLastLine", "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "a", "k", "v",
                "[a]\r\nx=1\r\nk=v\r\n\r\n[b]\r\ny=2\r\n"},
        SetCase{"NewKeyInLastSectionWithoutFinalLineEnd", "[a]\nx=1", "a", "k", "v", "[a]\nx=1\nk=v\n"},
        SetCase{"NewSectionFollowsFileLineEnds", "[a]\nx=1\n", "b", "k", "v", "[a]\nx=1\n\n[b]\nk=v\n"},
        SetCase{"BomKept", "\xEF\xBB\xBF", "a", "k", "v", "\xEF\xBB\xBF[a]\r\nk=v\r\n"},
        SetCase{"LoneCrFileKeepsLoneCr", "[a]\rx=1\r", "a", "k", "v", "[a]\rx=1\rk=v\r"},
        SetCase{"GarbageAroundIsUntouched", "\x01\xFF\0=\r\n[a]\r\n"s, "a", "k", "v",
                "\x01\xFF\0=\r\n[a]\r\nk=v\r\n"s}),
    [](const testing::TestParamInfo<SetCase>& info) { return std::string(info.param.name); });

TEST(IniText, RefusesWhatWouldBreakTheLineStructure) {
    const std::string before = "[a]\r\nk=v\r\n";
    for (auto [section, key, value] : {std::tuple{"a", "k", "x\r\ny=1"}, std::tuple{"a", "", "v"},
                                       std::tuple{"a", "k=", "v"}, std::tuple{"a]", "k", "v"},
                                       std::tuple{"a\n", "k", "v"}, std::tuple{"a", ";k", "v"},
                                       std::tuple{"a", "[k", "]"}}) {
        IniText text(before);
        EXPECT_FALSE(text.Set(section, key, value)) << section << "/" << key;
        EXPECT_EQ(text.Bytes(), before);
    }
}

struct TruncateCase {
    std::string text;
    std::size_t bufferChars;
    std::string expected;
};

TEST(IniText, TruncatesToBufferCharsWithoutSplittingCharacters) {
    const std::string clef = "\xF0\x9D\x84\x9E";  // two UTF-16 units
    for (const TruncateCase& c : {
             TruncateCase{"abc", 0, ""},
             TruncateCase{"abc", 1, ""},
             TruncateCase{"abc", 3, "ab"},
             TruncateCase{"abc", 4, "abc"},
             TruncateCase{"选项值", 3, "选项"},
             TruncateCase{"a" + clef, 3, "a"},
             TruncateCase{"a" + clef, 4, "a" + clef},
             TruncateCase{"\xE9\x80", 2, "\xE9"},
         }) {
        EXPECT_EQ(TruncateToBufferChars(c.text, c.bufferChars), c.expected) << c.text << " " << c.bufferChars;
    }
}

}  // namespace
}  // namespace xd::sim
