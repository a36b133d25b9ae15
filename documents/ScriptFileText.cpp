#include "documents/ScriptFileText.h"

#include "platform/Text.h"

namespace xd {
namespace {

constexpr std::size_t kDamagedAtOrBelow = 30;
// "岚榕迅点小侠脚本文件" in GBK: the event-list edition's binary file starts with it.
constexpr std::string_view kBinaryScriptMagic =
    "\xE1\xB0\xE9\xC5\xD1\xB8\xB5\xE3\xD0\xA1\xCF\xC0\xBD\xC5\xB1\xBE\xCE\xC4\xBC\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return Utf16ToUtf8(units);
}

}  // namespace

ScriptFileText DecodeScriptFileBytes(std::string_view raw) {
    ScriptFileText result;
    if (raw.size() <= kDamagedAtOrBelow) return result;
    if (raw.substr(0, kBinaryScriptMagic.size()) == kBinaryScriptMagic) {
        result.verdict = ScriptFileVerdict::OldVersion;
        return result;
    }
    if (raw.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        result.utf8.assign(raw.substr(kUtf8Bom.size()));
    } else if (raw.substr(0, kUtf16LeBom.size()) == kUtf16LeBom) {
        result.utf8 = Utf16LeToUtf8(raw.substr(kUtf16LeBom.size()));
    } else {
        result.utf8 = GbkToUtf8(raw);
    }
    result.verdict = ScriptFileVerdict::Ok;
    return result;
}

ScriptFileText ReadScriptFile(IFileSystem& files, const std::string& path) {
    FileRead read = files.ReadFile(path, kMaxScriptFileBytes);
    if (read.status != FileStatus::Ok) {
        ScriptFileText refused;
        if (read.status == FileStatus::Unreadable) refused.verdict = ScriptFileVerdict::Unreadable;
        return refused;
    }
    return DecodeScriptFileBytes(read.bytes);
}

}  // namespace xd
