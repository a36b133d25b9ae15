// Entry point of 迅点小侠4, the script edition.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <string>

#include "Form1.h"
#include "platform/Text.h"
#include "platform/win32/CrashHandler.h"
#include "ui/Dpi.h"
#include "ui/GdiPlus.h"
#include "ui/MessageLoop.h"
#include "ui/ProgramStart.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    xd::win32::InstallCrashHandler("迅点小侠4", xd::ApplicationInfo{}.fileVersion);
    xd::ui::EnableDpiAwareness();

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    // The editor's drag and drop and clipboard go through OLE.
    const HRESULT ole = ::OleInitialize(nullptr);

    int exitCode = 1;
    {
        const xd::ui::GdiPlusSession gdiplus;
        xd::win32::Win32Platform platform;
        const xd::ApplicationInfo info = xd::MakeApplicationInfo(xd::ui::OwnProgramPath());
        xd::script_edition::Form1 form(platform);
        if (form.Create(instance, info, xd::ui::CommandLinePath())) {
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
