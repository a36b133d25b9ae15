#include "platform/win32/Win32Profile.h"

#include <vector>

#include "platform/Text.h"
#include "platform/win32/WinHeaders.h"

namespace xd::win32 {

namespace {
// The profile functions cannot return more than this anyway.
constexpr std::size_t kMaxBufferChars = 65535;
}  // namespace

std::string Win32Profile::GetString(const std::string& file, const std::string& section, const std::string& key,
                                    const std::string& defaultValue, std::size_t bufferChars) {
    if (bufferChars == 0) return std::string();
    if (bufferChars > kMaxBufferChars) bufferChars = kMaxBufferChars;
    std::vector<wchar_t> buffer(bufferChars, L'\0');
    DWORD length = GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(defaultValue).c_str(),
                                            buffer.data(), static_cast<DWORD>(bufferChars), Widen(file).c_str());
    if (length >= bufferChars) length = static_cast<DWORD>(bufferChars - 1);
    return Narrow(std::wstring_view(buffer.data(), length));
}

bool Win32Profile::WriteString(const std::string& file, const std::string& section, const std::string& key,
                               const std::string& value) {
    return WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                      Widen(file).c_str()) != FALSE;
}

}  // namespace xd::win32
