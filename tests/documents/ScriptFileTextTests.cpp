#include "documents/ScriptFileText.h"

#include <gtest/gtest.h>

#include "platform/sim/SimFileSystem.h"

namespace xd {
namespace {

using namespace std::string_literals;

const std::string kBom = "\xEF\xBB\xBF";
const std::string kHeader = "'岚榕迅点小侠脚本";  // 25 bytes in UTF-8
const std::string kScript = "'岚榕迅点小侠脚本 v4\r\n配置.执行次数=0\r\n";
// The same script in GBK, as an older editor would have saved it.
const std::string kScriptGbk =
    "'\xE1\xB0\xE9\xC5\xD1\xB8\xB5\xE3\xD0\xA1\xCF\xC0\xBD\xC5\xB1\xBE v4\r\n"
    "\xC5\xE4\xD6\xC3.\xD6\xB4\xD0\xD0\xB4\xCE\xCA\xFD=0\r\n";
// The event-list edition's binary files begin with these 20 bytes.
const std::string kBinaryMagic = "\xE1\xB0\xE9\xC5\xD1\xB8\xB5\xE3\xD0\xA1\xCF\xC0\xBD\xC5\xB1\xBE\xCE\xC4\xBC\xFE";

std::string Utf16Le(std::u16string_view text, bool bom = true) {
    std::string bytes = bom ? "\xFF\xFE" : "";
    for (char16_t u : text) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    return bytes;
}

struct VerdictCase {
    const char* name;
    std::string raw;
    ScriptFileVerdict verdict;
};

TEST(DecodeScriptFileBytes, RefusesShortFilesAndTheOldBinaryFormat) {
    ASSERT_EQ((kBom + kHeader + "\r\n").size(), 30u);
    for (const VerdictCase& c : {
             VerdictCase{"empty", "", ScriptFileVerdict::Damaged},
             VerdictCase{"exactly 30 bytes", kBom + kHeader + "\r\n", ScriptFileVerdict::Damaged},
             VerdictCase{"31 bytes with BOM and header", kBom + kHeader + "\r\nX", ScriptFileVerdict::Ok},
             VerdictCase{"binary script", kBinaryMagic + "\x2C\x75\0\0\x03\0\0\0"s + std::string(40, '\0'),
                         ScriptFileVerdict::OldVersion},
             VerdictCase{"magic but only 30 bytes", kBinaryMagic + std::string(10, '\0'), ScriptFileVerdict::Damaged},
             VerdictCase{"19 bytes of magic are not the magic", kBinaryMagic.substr(0, 19) + std::string(20, 'a'),
                         ScriptFileVerdict::Ok},
         }) {
        EXPECT_EQ(DecodeScriptFileBytes(c.raw).verdict, c.verdict) << c.name;
    }
}

TEST(DecodeScriptFileBytes, Utf8WithBomIsTakenByteForByte) {
    const std::string body = kScript + "\xFF not valid UTF-8 \r\n";
    ScriptFileText t = DecodeScriptFileBytes(kBom + body);
    EXPECT_EQ(t.verdict, ScriptFileVerdict::Ok);
    EXPECT_EQ(t.utf8, body);
}

TEST(DecodeScriptFileBytes, GbkAndUtf16LeOpenToTheSameText) {
    ScriptFileText gbk = DecodeScriptFileBytes(kScriptGbk);
    ScriptFileText utf16 = DecodeScriptFileBytes(Utf16Le(u"'岚榕迅点小侠脚本 v4\r\n配置.执行次数=0\r\n"));
    ASSERT_EQ(gbk.verdict, ScriptFileVerdict::Ok);
    ASSERT_EQ(utf16.verdict, ScriptFileVerdict::Ok);
    EXPECT_EQ(gbk.utf8, kScript);
    EXPECT_EQ(utf16.utf8, kScript);
}

TEST(DecodeScriptFileBytes, Utf16OddTrailingByteIsIgnored) {
    std::string raw = Utf16Le(u"'岚榕迅点小侠脚本 v4\r\n配置.执行次数=0\r\n") + "\x41";
    EXPECT_EQ(DecodeScriptFileBytes(raw).utf8, kScript);
}

TEST(ReadScriptFile, ReadFailuresCountAsDamagedUnlessTheFileIsThere) {
    sim::SimFileSystem files;
    EXPECT_EQ(ReadScriptFile(files, "C:\\missing.mkx").verdict, ScriptFileVerdict::Damaged);

    files.Put("C:\\locked.mkx", kBom + kScript);
    files.FailReads("C:\\locked.mkx");
    EXPECT_EQ(ReadScriptFile(files, "C:\\locked.mkx").verdict, ScriptFileVerdict::Unreadable);

    files.Put("C:\\huge.mkx", kBom + kScript);
    files.SetReportedSize("C:\\huge.mkx", kMaxScriptFileBytes + 1);
    EXPECT_EQ(ReadScriptFile(files, "C:\\huge.mkx").verdict, ScriptFileVerdict::Damaged);

    files.Put("C:\\good.mkx", kBom + kScript);
    ScriptFileText good = ReadScriptFile(files, "C:\\good.mkx");
    EXPECT_EQ(good.verdict, ScriptFileVerdict::Ok);
    EXPECT_EQ(good.utf8, kScript);
}

}  // namespace
}  // namespace xd
