// The event-list edition's main window: a topmost toolbar-strip form that grows into the event list and its
// editors. A thin shell over the portable core: the document commands (eventlist/document) decide, this
// window serves as their IEventDocumentView; the strip's hover and hints are the shared toolbar logic
// (recorder/ToolbarHover.h), painted by the shared window layer.
#pragma once
#include <windows.h>

#include <mutex>
#include <string>

#include "EventListDrawing.h"
#include "Form2.h"
#include "eventlist/document/EventDocument.h"
#include "eventlist/settings/EventSettings.h"
#include "platform/win32/Win32Platform.h"
#include "recorder/AppInfo.h"
#include "recorder/MainWindowState.h"
#include "recorder/ToolbarHover.h"
#include "ui/AboutWindow.h"
#include "ui/FormWindow.h"
#include "ui/GlyphMenu.h"
#include "ui/PlaybackOverlays.h"
#include "ui/Resources.h"
#include "ui/TrayIcon.h"

namespace xd::event_list {

namespace appmsg {
constexpr UINT kTrayCallback = WM_APP + 1;
// Posted at the end of Create: the script of the command line is opened once the window shows, so a box
// about it stands over the window.
constexpr UINT kDeferredLoad = WM_APP + 2;
}  // namespace appmsg

class Form1 final : public ui::FormWindow<Form1>, private IEventDocumentView {
public:
    explicit Form1(win32::Win32Platform& platform);
    ~Form1();

    [[nodiscard]] bool Create(HINSTANCE instance, const ApplicationInfo& info, const std::string& commandLinePath) noexcept;
    void Show(int showCommand) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The toolbar strip (Picture1) reports here from its subclass procedure.
    void PaintStrip(HWND strip) noexcept;
    void OnStripMouse(UINT message, POINT p, bool leftButtonHeld) noexcept;

private:
    // IEventDocumentView (Form1View.cpp)
    void SetCaption(const std::string& caption) override;
    void SetSaveEnabled(bool enabled) override;
    void SetRepeatSlider(std::int32_t position, const std::string& label) override;
    void SetSpeedSlider(std::int32_t position, const std::string& label) override;
    void SetHasEvents(bool hasEvents) override;
    void SetWaitCursor(bool waiting) override;
    void EventListReplaced() override;
    void PlaySettingsReplaced() override;

    // Form1.cpp: creation, layout, the status tick, sliders, dispatch.
    bool CreateChildren() noexcept;
    void ApplyFonts() noexcept;
    void LayoutStrip() noexcept;
    void OnTimer() noexcept;
    void OnDeferredLoad() noexcept;
    void OnHScroll(HWND bar, int code) noexcept;
    void OnDpiChanged(int dpi, const RECT& suggested) noexcept;
    void SetWindowSize96(int width, int height) noexcept;
    HWND Child(int id) const noexcept { return ::GetDlgItem(FormWindow::Handle(), id); }
    EventDocumentContext Document() noexcept;
    EventSettingsStore Settings() noexcept;
    void OnCommand(int id, int code) noexcept;

    // Form1Toolbar.cpp: the strip and the seven buttons' commands.
    void ApplyHoverOutcome(const HoverOutcome& outcome) noexcept;
    void RunToolbarCommand(ToolbarCommand command) noexcept;
    void ToggleEventRecording() noexcept;
    void ToggleEventPlayback() noexcept;
    void ToggleMode() noexcept;
    void ToggleExpanded() noexcept;
    void RedrawToolbar() noexcept;

    // Form1Menu.cpp: the menu of the toolbar's last button and the tray icon, and the settings dialog.
    bool CreateMenu() noexcept;
    void OpenSettings() noexcept;
    void ShowMenuAtPointer() noexcept;
    void RunMenuCommand(int command) noexcept;
    void OnTrayMessage(LPARAM mouseMessage) noexcept;
    void SetVisible(bool visible) noexcept;

    win32::Win32Platform& win32_;
    ApplicationInfo info_;
    EventDocument document_;
    // The options only the settings file holds; the script settings among them are document_.settings.
    EventOptions options_;
    // The toolbar's buttons, hover and status text, and the click-effect ring the status tick steps.
    MainWindowState window_;
    // The ring is taken by the player's thread too once playback is wired; the tick steps it under this lock.
    std::mutex effectsGuard_;
    ui::PlaybackOverlays overlays_;
    EventListLookup listLookup_;
    std::string commandLinePath_;
    ui::AboutWindow about_;
    Form2 settingsDialog_;
    ui::PrivateFont iconFont_;
    ui::TrayIcon tray_;
    ui::GlyphMenu menu_;
    HINSTANCE instance_ = nullptr;
    HFONT uiFont_ = nullptr;
    HICON largeIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    int dpi_ = 96;
    bool trackingLeave_ = false;
};

}  // namespace xd::event_list
