#include "platform/sim/IniProfile.h"

#include <string_view>

#include "platform/sim/IniText.h"

namespace xd::sim {

std::string IniProfile::GetString(const std::string& file, const std::string& section, const std::string& key,
                                  const std::string& defaultValue, std::size_t bufferChars) {
    FileRead read = files_.ReadFile(file, kMaxIniFileBytes);
    if (read.status == FileStatus::Ok) {
        if (auto value = IniText(std::move(read.bytes)).Get(section, key)) {
            return TruncateToBufferChars(*value, bufferChars);
        }
    }
    // The Win32 service drops a default's trailing blanks; keep readers alike.
    std::string_view fallback = defaultValue;
    while (!fallback.empty() && (fallback.back() == ' ' || fallback.back() == '\t')) fallback.remove_suffix(1);
    return TruncateToBufferChars(fallback, bufferChars);
}

bool IniProfile::WriteString(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& value) {
    FileRead read = files_.ReadFile(file, kMaxIniFileBytes);
    // Only a missing file may start from nothing; replacing an unreadable or
    // oversized one would throw its contents away.
    if (read.status != FileStatus::Ok && read.status != FileStatus::NotFound) return false;
    IniText text(read.status == FileStatus::Ok ? std::move(read.bytes) : std::string());
    std::string before = text.Bytes();
    if (!text.Set(section, key, value)) return false;
    if (text.Bytes().size() > kMaxIniFileBytes) return false;
    if (read.status == FileStatus::Ok && text.Bytes() == before) return true;
    return files_.WriteFileReplacing(file, text.Bytes());
}

}  // namespace xd::sim
