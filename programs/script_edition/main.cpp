// Entry point of 迅点小侠4, the script edition.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "Form1.h"
#include "ui/Dpi.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    xd::ui::EnableDpiAwareness();

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    // The editor's drag and drop and clipboard go through OLE.
    const HRESULT ole = ::OleInitialize(nullptr);

    int exitCode = 1;
    {
        xd::script_edition::Form1 form;
        if (form.Create(instance)) {
            form.Show(showCommand);
            MSG msg{};
            while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            exitCode = static_cast<int>(msg.wParam);
        } else {
            // "The main window could not be created."
            ::MessageBoxW(nullptr, L"无法创建主窗口。", L"迅点小侠4", MB_OK | MB_ICONERROR);
        }
    }

    xd::script_edition::ScriptEditor::ReleaseResources();
    if (SUCCEEDED(ole)) ::OleUninitialize();
    return exitCode;
}
