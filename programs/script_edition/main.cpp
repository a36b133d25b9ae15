// Entry point of 迅点小侠4, the script edition.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "Form1.h"
#include "documents/files/ScriptDocument.h"
#include "platform/Text.h"
#include "ui/Dpi.h"
#include "ui/GdiPlus.h"
#include "ui/MessageLoop.h"

namespace {

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The arguments after the program's name, joined with blanks: an unquoted path with blanks arrives whole.
std::string CommandLinePath() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!arguments) return {};
    std::vector<std::string> rest;
    for (int i = 1; i < count; ++i) rest.push_back(xd::Narrow(arguments[i]));
    ::LocalFree(arguments);
    return xd::JoinCommandLinePath(rest);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    xd::ui::EnableDpiAwareness();

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    // The editor's drag and drop and clipboard go through OLE.
    const HRESULT ole = ::OleInitialize(nullptr);

    int exitCode = 1;
    {
        const xd::ui::GdiPlusSession gdiplus;
        xd::win32::Win32Platform platform;
        const xd::ApplicationInfo info = xd::MakeApplicationInfo(xd::Narrow(OwnPath()));
        xd::script_edition::Form1 form(platform);
        if (form.Create(instance, info, CommandLinePath())) {
            form.Show(showCommand);
            using Form = xd::ui::FormWindow<xd::script_edition::Form1>;
            exitCode = xd::ui::RunMessageLoop(form.Form::Handle());
        } else {
            // "The main window could not be created."
            ::MessageBoxW(nullptr, L"无法创建主窗口。", L"迅点小侠4", MB_OK | MB_ICONERROR);
        }
    }

    xd::script_edition::ScintillaEditor::ReleaseResources();
    if (SUCCEEDED(ole)) ::OleUninitialize();
    return exitCode;
}
