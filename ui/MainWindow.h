// What both programs' main windows do: a topmost toolbar-strip form, created compact in the middle of the work
// area, with the strip painted from the shared toolbar model and its pointer turned into commands, two sliders,
// a glyph menu, a tray icon that comes back when the taskbar does, the 100 ms status tick kept off the
// playback's next action, DPI changes, and closing through the program's close request (also at the end of
// the Windows session). Each program's Form1 derives from it and adds only its own controls, commands and views.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "appcore/playback/TickPutOff.h"
#include "appcore/window/AppInfo.h"
#include "appcore/window/MainWindowState.h"
#include "appcore/window/ToolbarHover.h"
#include "platform/win32/Win32Platform.h"
#include "ui/AboutWindow.h"
#include "ui/ControlTable.h"
#include "ui/GlyphMenu.h"
#include "ui/Resources.h"
#include "ui/SessionEnd.h"
#include "ui/TrayIcon.h"

namespace xd::ui {

// The facts of one program's main window.
struct MainWindowSpec {
    std::wstring_view programName;  // names the window class: program + "_Form1"
    std::span<const ControlSpec> controls;
    int stripId = 0;  // Picture1, the toolbar strip
    int stripHeightCompact96 = 0;
    int stripHeightFull96 = 0;
    int listId = 0;  // List1, whose lines are as high as listItemHeight96
    int listItemHeight96 = 0;
    int ownFontId = 0;  // a control that keeps a font of its own (the editor), or 0
    int compactWidth96 = 0;
    int compactHeight96 = 0;
    UINT timerId = 0;  // the status tick
    UINT timerMs = 0;
    UINT trayIconId = 0;
    UINT trayCallback = 0;  // the tray icon's mouse messages, lParam = the mouse message
};

class UnattendedStart;

class MainWindow {
public:
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Before Create: this window plays the command line's script unattended (`/play`).
    void SetUnattended(UnattendedStart& start) noexcept { unattended_ = &start; }

    // The toolbar strip reports here from its subclass procedure.
    void PaintStrip(HWND strip) noexcept;
    void OnStripMouse(UINT message, POINT p, bool leftButtonHeld) noexcept;

protected:
    MainWindow(win32::Win32Platform& platform, const MainWindowSpec& spec) noexcept : win32_(platform), spec_(spec) {}
    ~MainWindow();

    // The class registered with the program's icons, the icon font loaded, the window created compact in the
    // middle of the work area. `self` reaches the form's procedure in WM_NCCREATE.
    [[nodiscard]] HWND CreateMainWindow(HINSTANCE instance, WNDPROC windowProc, const std::string& title,
                                        void* self) noexcept;
    // The controls of the table, the strip's subclass and the fonts; the program adds its own after.
    [[nodiscard]] bool CreateControls() noexcept;
    // A slider from min to max (arrow step 1, page step 10) at position.
    void SetUpSlider(int id, int min, int max, int position) noexcept;
    [[nodiscard]] bool CreateMenu(std::span<const GlyphMenuItem> items) noexcept;
    void AddTrayIcon(const std::string& tip) noexcept;
    // The last step of creation.
    void StartStatusTick() noexcept;

    // The messages every main window handles the same way; nullopt for the rest.
    std::optional<LRESULT> HandleMainMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    void ApplyFonts() noexcept;
    void LayoutStrip() noexcept;
    void RedrawStrip() noexcept { ::InvalidateRect(Child(spec_.stripId), nullptr, FALSE); }
    // bringToFront: so that the menu closes when the user clicks elsewhere.
    void ShowMenuAtPointer(bool bringToFront) noexcept;
    void ShowWindowTo(bool visible) noexcept;
    void ShowAbout(const ApplicationInfo& info) noexcept;
    void ShowHelp(const char* pageFileName, const std::string& programFolder, const std::string& caption) noexcept;
    HWND Child(int id) const noexcept { return ::GetDlgItem(Window(), id); }
    // The tray tip: `tip`, or what an unattended playback plays.
    [[nodiscard]] std::string TrayTip(const std::string& tip) const;
    // The unattended playback ended (or never started): reported, and the window goes without its close
    // request, as there is nothing to save and no placement to keep.
    void EndUnattended(bool stoppedByUser) noexcept;

    win32::Win32Platform& win32_;
    HINSTANCE instance_ = nullptr;
    int dpi_ = 96;
    ui::PrivateFont iconFont_;
    ui::TrayIcon tray_;
    ui::GlyphMenu menu_;
    ui::AboutWindow about_;
    UnattendedStart* unattended_ = nullptr;

private:
    // What each program's window says for itself.
    virtual HWND Window() const noexcept = 0;
    virtual MainWindowState& ToolbarState() noexcept = 0;
    virtual bool StripExpanded() noexcept = 0;
    virtual void OnStatusTick() noexcept = 0;
    // When the playback's next action is due (monotonic µs), or nullopt with no playback.
    virtual std::optional<std::int64_t> NextActionMicros() noexcept = 0;
    virtual void OnSlider(int id, int position) noexcept = 0;
    virtual void OnCommand(int id, int code) noexcept = 0;
    virtual void OnMenuCommand(int command) noexcept = 0;
    virtual void OnTrayMouse(LPARAM mouseMessage) noexcept = 0;
    virtual void RunToolbarCommand(ToolbarCommand command) noexcept = 0;
    // The close request (a save prompt): true when the window may go.
    virtual bool CloseRequest() noexcept = 0;
    virtual void CloseAnswered() noexcept { ::DestroyWindow(Window()); }
    virtual void OnHoverOutcome(const HoverOutcome&) noexcept {}
    virtual bool MeasureOwnItem(MEASUREITEMSTRUCT&) noexcept { return false; }
    virtual bool DrawOwnItem(const DRAWITEMSTRUCT&) noexcept { return false; }
    virtual void OnFontsApplied() noexcept {}
    virtual void OnDpiChanging() noexcept {}
    virtual void OnDestroying() noexcept {}

    void OnTimer() noexcept;
    void OnHScroll(HWND bar, int code) noexcept;
    void OnDpiChanged(int dpi, const RECT& suggested) noexcept;
    void OnDestroy() noexcept;

    MainWindowSpec spec_;
    ui::SessionEnd sessionEnd_;
    TickPutOff tickPutOff_;
    HFONT uiFont_ = nullptr;
    HICON largeIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool trackingLeave_ = false;
};

}  // namespace xd::ui
