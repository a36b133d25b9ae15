#include "ui/ProgramStart.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "documents/files/ScriptDocument.h"
#include "platform/Text.h"

namespace xd::ui {

std::string OwnProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!arguments) return {};
    std::vector<std::string> rest;
    for (int i = 1; i < count; ++i) rest.push_back(Narrow(arguments[i]));
    ::LocalFree(arguments);
    return rest;
}

std::string CommandLinePath() { return JoinCommandLinePath(CommandLineArguments()); }

}  // namespace xd::ui
