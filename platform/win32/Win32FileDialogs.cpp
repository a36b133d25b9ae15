#include "platform/win32/Win32FileDialogs.h"

#include <algorithm>
#include <vector>

#include "platform/Text.h"
#include "platform/win32/WinHeaders.h"

#include <commdlg.h>

namespace xd::win32 {

namespace {

// Long enough for extended-length paths.
constexpr std::size_t kPathChars = 32768;

std::optional<std::string> Run(const FileDialogRequest& request, bool save) {
    // The filter is "name\0pattern\0...\0\0".
    std::wstring filter;
    for (const auto& [name, pattern] : request.filters) {
        filter += Widen(name);
        filter.push_back(L'\0');
        filter += Widen(pattern);
        filter.push_back(L'\0');
    }
    filter.push_back(L'\0');
    std::wstring folder = Widen(request.initialFolder);
    std::wstring title = Widen(request.title);
    std::wstring extension = Widen(request.defaultExtension);

    std::vector<wchar_t> file(kPathChars, L'\0');
    std::wstring initial = Widen(request.initialName);
    initial.copy(file.data(), std::min(initial.size(), kPathChars - 1));

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = ToHwnd(request.owner);
    ofn.lpstrFilter = request.filters.empty() ? nullptr : filter.c_str();
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(kPathChars);
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // The open dialog moves the current directory, where the next save dialog starts.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) return std::nullopt;
    file.back() = L'\0';
    return Narrow(std::wstring_view(file.data()));
}

}  // namespace

std::optional<std::string> Win32FileDialogs::ChooseOpen(const FileDialogRequest& request) {
    return Run(request, false);
}

std::optional<std::string> Win32FileDialogs::ChooseSave(const FileDialogRequest& request) {
    return Run(request, true);
}

}  // namespace xd::win32
