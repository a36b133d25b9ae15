#include "platform/Text.h"

#include <gtest/gtest.h>

namespace xd {
namespace {

const std::string kReplacementUtf8 = "\xEF\xBF\xBD";

struct GbkCase {
    const char* utf8;
    const char* gbk;
};

TEST(Text, GbkAndUtf8ConvertBothWays) {
    const GbkCase cases[] = {
        {"迅点小侠", "\xD1\xB8\xB5\xE3\xD0\xA1\xCF\xC0"},
        {"巧手配置.INI", "\xC7\xC9\xCA\xD6\xC5\xE4\xD6\xC3.INI"},
        {"a确定b", "a\xC8\xB7\xB6\xA8" "b"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk) << c.utf8;
        EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8) << c.utf8;
    }
}

TEST(Text, GbkConversionOfLongTextCrossesBufferBoundaries) {
    std::string utf8;
    for (int i = 0; i < 2000; ++i) utf8 += "迅点x";
    std::string gbk = Utf8ToGbk(utf8);
    EXPECT_EQ(gbk.size(), 2000u * 5);
    EXPECT_EQ(GbkToUtf8(gbk), utf8);
}

TEST(Text, BadGbkBytesBecomeReplacementsAndTheRestSurvives) {
    // 0xFF is never a GBK lead byte; a lone lead byte at the end is cut off.
    EXPECT_EQ(GbkToUtf8("a\xFF" "b"), "a" + kReplacementUtf8 + "b");
    EXPECT_EQ(GbkToUtf8("\xD1\xB8\xB5"), "迅" + kReplacementUtf8);
    // A lead byte followed by an invalid trail: the trail byte is kept as ASCII.
    EXPECT_EQ(GbkToUtf8("\x81\x0A" "z"), kReplacementUtf8 + "\nz");
}

TEST(Text, CharactersGbkCannotHoldBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToGbk("a😀b"), "a?b");
    EXPECT_EQ(Utf8ToGbk("ก迅"), "?\xD1\xB8");
    // Invalid UTF-8 is replaced first; U+FFFD has no GBK form either.
    EXPECT_EQ(Utf8ToGbk("x\xC3y"), "x?y");
}

TEST(Text, Utf16RoundTripsIncludingSurrogatePairs) {
    const std::string texts[] = {"", "plain", "迅点小侠", "😀 emoji", "mixed 𝄞 and é"};
    for (const auto& t : texts) EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(t)), t) << t;
    EXPECT_EQ(Utf8ToUtf16("😀"), (std::u16string{0xD83D, 0xDE00}));
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D, 0xDE00}), "😀");
}

TEST(Text, LoneSurrogatesInUtf16BecomeReplacements) {
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xD800, u'b'}), "a" + kReplacementUtf8 + "b");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00}), kReplacementUtf8);
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D}), kReplacementUtf8);  // cut off at the end
}

struct BadUtf8Case {
    std::string bytes;
    std::u16string expected;
};

TEST(Text, InvalidUtf8IsRejectedAndReplaced) {
    const BadUtf8Case cases[] = {
        {"\x80", u"\uFFFD"},                          // stray continuation
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                // overlong '/'
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},      // overlong, three bytes
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},      // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\xE8\xBF", u"\uFFFD"},                      // truncated 迅
        {"\xE8\xBF" "A", u"\uFFFDA"},                 // truncated, next byte kept
        {"\xFF", u"\uFFFD"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(IsValidUtf8(c.bytes));
        EXPECT_EQ(Utf8ToUtf16(c.bytes), c.expected);
        EXPECT_TRUE(IsValidUtf8(Utf16ToUtf8(Utf8ToUtf16(c.bytes))));
    }
    EXPECT_TRUE(IsValidUtf8("迅点 ascii 😀"));
    EXPECT_TRUE(IsValidUtf8(""));
}

}  // namespace
}  // namespace xd
