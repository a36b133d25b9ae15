#include "platform/win32/Win32ProgramCopies.h"

#include <windows.h>

#include <string>
#include <vector>

#include "platform/Text.h"

namespace xd::win32 {
namespace {

constexpr wchar_t kScriptResource[] = L"XD_SCRIPT";

std::wstring OwnPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);
    }
}

bool AddScript(const std::wstring& file, std::string_view script) {
    HANDLE update = ::BeginUpdateResourceW(file.c_str(), FALSE);
    if (!update) return false;
    const bool added = ::UpdateResourceW(update, RT_RCDATA, kScriptResource, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                         const_cast<char*>(script.data()), static_cast<DWORD>(script.size())) != FALSE;
    // Without the update the copy is discarded, not left half-written.
    return ::EndUpdateResourceW(update, added ? FALSE : TRUE) != FALSE && added;
}

}  // namespace

std::optional<std::string> Win32ProgramCopies::EmbeddedScript() {
    HRSRC found = ::FindResourceW(nullptr, kScriptResource, RT_RCDATA);
    if (!found) return std::nullopt;
    HGLOBAL loaded = ::LoadResource(nullptr, found);
    const DWORD size = ::SizeofResource(nullptr, found);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) return std::nullopt;
    return std::string(static_cast<const char*>(data), size);
}

bool Win32ProgramCopies::WriteCopy(const std::string& path, std::string_view script) {
    if (script.size() > 0x7FFFFFFF) return false;
    const std::wstring own = OwnPath();
    const std::wstring target = Widen(path);
    if (own.empty() || target.empty()) return false;
    // Made beside the target and moved over it at the end, so a failure leaves the old file as it was.
    const std::wstring temporary = target + L".tmp~";
    if (!::CopyFileW(own.c_str(), temporary.c_str(), FALSE)) return false;
    // The copy keeps the read-only mark a program file may carry; the update needs to write.
    ::SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!AddScript(temporary, script) ||
        !::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace xd::win32
