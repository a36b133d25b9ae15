// Entry point of 迅点小侠, the event-list edition.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "Form1.h"
#include "platform/Text.h"
#include "platform/win32/CrashHandler.h"
#include "ui/Dpi.h"
#include "ui/GdiPlus.h"
#include "ui/MessageLoop.h"
#include "ui/ProgramStart.h"

namespace {

// This edition's name and version; the rest of what the program knows of itself is shared.
xd::ApplicationInfo EventListInfo() {
    xd::ApplicationInfo info = xd::MakeApplicationInfo(xd::ui::OwnProgramPath());
    info.productVersion = "3.1.0.0";
    info.fileVersion = "3.1.0.0";
    return info;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    xd::win32::InstallCrashHandler("迅点小侠", EventListInfo().fileVersion);
    xd::ui::EnableDpiAwareness();

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    int exitCode = 1;
    {
        const xd::ui::GdiPlusSession gdiplus;
        xd::win32::Win32Platform platform;
        xd::event_list::Form1 form(platform);
        if (form.Create(instance, EventListInfo(), xd::ui::CommandLinePath())) {
            form.Show(showCommand);
            using Form = xd::ui::FormWindow<xd::event_list::Form1>;
            exitCode = xd::ui::RunMessageLoop(form.Form::Handle());
        } else {
            // "The main window could not be created."
            ::MessageBoxW(nullptr, L"无法创建主窗口。", L"迅点小侠", MB_OK | MB_ICONERROR);
        }
    }
    return exitCode;
}
