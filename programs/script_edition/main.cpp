// Entry point of 迅点小侠4, the script edition.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <optional>
#include <string>

#include "Form1.h"
#include "platform/Text.h"
#include "platform/win32/CrashHandler.h"
#include "recorder/app/UnattendedPlayback.h"
#include "ui/Dpi.h"
#include "ui/GdiPlus.h"
#include "ui/MessageLoop.h"
#include "ui/ProgramStart.h"
#include "ui/UnattendedStart.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    xd::win32::InstallCrashHandler("迅点小侠4", xd::ApplicationInfo{}.fileVersion);
    xd::ui::EnableDpiAwareness();
    // A script to open, or `/play`: then a bad command line or a missing script ends here with its code.
    xd::ui::UnattendedStart start(xd::ScriptPlayLimits(), xd::ScriptPlayCauses());
    if (const std::optional<int> ended = start.EndsAtOnce()) return *ended;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    // The editor's drag and drop and clipboard go through OLE.
    const HRESULT ole = ::OleInitialize(nullptr);

    int exitCode = 1;
    {
        const xd::ui::GdiPlusSession gdiplus;
        const xd::ApplicationInfo info = xd::MakeApplicationInfo(xd::ui::OwnProgramPath());
        xd::script_edition::Form1 form(start.Platform());
        if (start.Unattended()) form.SetUnattended(start);
        if (form.Create(instance, info, start.ScriptPath())) {
            // Unattended, the window stays hidden until the user opens it from the tray (the placement just
            // restored may have shown it).
            form.Show(start.Unattended() ? SW_HIDE : showCommand);
            using Form = xd::ui::FormWindow<xd::script_edition::Form1>;
            exitCode = start.ProcessExitCode(xd::ui::RunMessageLoop(form.Form::Handle()));
        } else {
            // "The main window could not be created." Unattended, the box only goes to the log.
            static_cast<void>(start.Platform().boxes.Show(xd::kNoWindow, "无法创建主窗口。", "迅点小侠4",
                                                          xd::mb::kOk | xd::mb::kIconError));
            start.Finish(false);
            exitCode = start.ProcessExitCode(exitCode);
        }
    }

    xd::script_edition::ScintillaEditor::ReleaseResources();
    if (SUCCEEDED(ole)) ::OleUninitialize();
    return exitCode;
}
