#include "platform/win32/Win32CodePage.h"

#include <climits>

#include "platform/Text.h"
#include "platform/win32/WinHeaders.h"

namespace xd::win32 {

std::string Win32CodePage::Utf8ToAnsi(std::string_view utf8) {
    const std::wstring wide = Widen(utf8);
    if (wide.empty() || wide.size() > INT_MAX / 4) return {};
    const int n = static_cast<int>(wide.size());
    const int length = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string ansi(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), n, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

std::string Win32CodePage::AnsiToUtf8(std::string_view ansi) {
    if (ansi.empty() || ansi.size() > INT_MAX / 2) return {};
    const int n = static_cast<int>(ansi.size());
    const int length = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), n, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), n, wide.data(), length);
    return Narrow(wide);
}

}  // namespace xd::win32
