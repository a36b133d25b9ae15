// The script edition's main window: a topmost toolbar-strip form that grows into the editor view. A thin
// shell: every decision is made by the main-window logic (recorder/app), which this window drives through
// AppContext and serves as IMainWindowView and IScriptControls.
#pragma once
#include <windows.h>

#include <string>

#include "Form2Host.h"
#include "PlaybackHost.h"
#include "Recording.h"
#include "ScintillaEditor.h"
#include "appcore/window/AppInfo.h"
#include "appcore/window/ToolbarHover.h"
#include "platform/win32/Win32Platform.h"
#include "recorder/app/AppModel.h"
#include "ui/AboutWindow.h"
#include "ui/FormWindow.h"
#include "ui/GlyphMenu.h"
#include "ui/Resources.h"
#include "ui/SessionEnd.h"
#include "ui/TrayIcon.h"

namespace xd::script_edition {

class Form1 final : public ui::FormWindow<Form1>, private IMainWindowView, private IScriptControls {
public:
    explicit Form1(win32::Win32Platform& platform);
    ~Form1();

    [[nodiscard]] bool Create(HINSTANCE instance, const ApplicationInfo& info, std::string commandLinePath) noexcept;
    void Show(int showCommand) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The toolbar strip (Picture1) reports here from its subclass procedure.
    void PaintStrip(HWND strip) noexcept;
    void OnStripMouse(UINT message, POINT p, bool leftButtonHeld) noexcept;

private:
    // IMainWindowView
    WindowHandle Handle() override;
    void SetWindowTitle(const std::string& title) override;
    void SetTrayTip(const std::string& tip) override;
    void SetWindowSize(WindowSize96 size) override;
    void FocusEditor() override;
    void SetCommand6Enabled(bool enabled) override;
    void SetWaitCursor(bool waiting) override;
    void FillCommandList(const std::array<std::string_view, kCommandCount>& names) override;
    void ShowHelpImage(bool show) override;
    void ShowHelpMenuAtPointer() override;
    bool IsVisible() override;
    void SetVisible(bool visible) override;
    void RepaintAll() override;

    // IScriptControls
    int SliderPosition(Slider slider) override;
    void SetSliderPosition(Slider slider, int position) override;
    void SetSliderLabel(Slider slider, const std::string& text) override;
    void SelectCommand(int index) override;
    void SetHelpText(const std::string& text) override;
    void SetTemplateText(const std::string& text) override;
    void SetModeButtonState(int state) override;
    void RedrawToolbar() override;

    MainWindowHooks MakeHooks();
    bool CreateChildren() noexcept;
    void ApplyFonts() noexcept;
    void LayoutStrip() noexcept;
    void OnTimer() noexcept;
    void OnHScroll(HWND bar, int code) noexcept;
    void OnCommand(int id, int code) noexcept;
    void OnEditorContextMenu(LPARAM lParam) noexcept;
    void ApplyHoverOutcome(const HoverOutcome& outcome) noexcept;
    void OnDpiChanged(int dpi, const RECT& suggested) noexcept;
    HWND Child(int id) const noexcept { return ::GetDlgItem(FormWindow::Handle(), id); }

    win32::Win32Platform& win32_;
    AppModel model_;
    ScintillaEditor editor_;
    AppContext context_;
    Recording recording_;  // after context_: it plugs into context_.hooks
    PlaybackHost playback_{model_, win32_};  // after model_: the runner shares its state
    ui::AboutWindow about_;
    Form2Host settings_;
    ui::PrivateFont iconFont_;
    ui::TrayIcon tray_;
    ui::SessionEnd sessionEnd_;
    ui::GlyphMenu helpMenu_;
    HINSTANCE instance_ = nullptr;
    HFONT uiFont_ = nullptr;
    HBITMAP helpImage_ = nullptr;
    HICON largeIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    int dpi_ = 96;
    bool trackingLeave_ = false;
};

}  // namespace xd::script_edition
