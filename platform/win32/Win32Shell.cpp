#include "platform/win32/Win32Shell.h"

#include "platform/win32/WinHeaders.h"

#include <shellapi.h>

#include "platform/Text.h"

namespace xd::win32 {

std::string Win32Shell::TempFolder() {
    wchar_t buffer[MAX_PATH + 1]{};
    const DWORD n = ::GetTempPathW(MAX_PATH + 1, buffer);
    if (n == 0 || n > MAX_PATH) return {};
    return Narrow(std::wstring(buffer, n));
}

bool Win32Shell::OpenDocument(const std::string& path) {
    // ShellExecute answers a value above 32 when it started something.
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", Widen(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace xd::win32
