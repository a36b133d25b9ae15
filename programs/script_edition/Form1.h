// The script edition's main window: a topmost toolbar-strip form that grows into the editor view. A thin
// shell: every decision is made by the main-window logic (recorder/app), which this window drives through
// AppContext and serves as IMainWindowView and IScriptControls.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "Form2Host.h"
#include "PlaybackHost.h"
#include "Recording.h"
#include "ScintillaEditor.h"
#include "appcore/window/AppInfo.h"
#include "platform/win32/Win32Platform.h"
#include "recorder/app/AppModel.h"
#include "ui/FormWindow.h"
#include "ui/MainWindow.h"

namespace xd::script_edition {

class Form1 final : public ui::FormWindow<Form1>,
                    public ui::MainWindow,
                    private IMainWindowView,
                    private IScriptControls {
public:
    explicit Form1(win32::Win32Platform& platform);
    ~Form1();

    [[nodiscard]] bool Create(HINSTANCE instance, const ApplicationInfo& info, std::string commandLinePath) noexcept;
    void Show(int showCommand) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // ui::MainWindow
    HWND Window() const noexcept override { return FormWindow::Handle(); }
    MainWindowState& ToolbarState() noexcept override { return model_.window; }
    bool StripExpanded() noexcept override;
    void OnStatusTick() noexcept override;
    std::optional<std::int64_t> NextActionMicros() noexcept override { return playback_.NextActionMicros(); }
    void OnSlider(int id, int position) noexcept override;
    void OnCommand(int id, int code) noexcept override;
    void OnMenuCommand(int command) noexcept override;
    void OnTrayMouse(LPARAM mouseMessage) noexcept override;
    void RunToolbarCommand(ToolbarCommand command) noexcept override;
    bool CloseRequest() noexcept override;
    void OnHoverOutcome(const HoverOutcome& outcome) noexcept override;
    void OnFontsApplied() noexcept override;
    void OnDestroying() noexcept override { recording_.Stop(); }

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
    void OnEditorContextMenu(LPARAM lParam) noexcept;
    // `/play`: after the deferred load opened the script.
    void StartUnattended() noexcept;

    AppModel model_;
    ScintillaEditor editor_;
    AppContext context_;
    Recording recording_;  // after context_: it plugs into context_.hooks
    PlaybackHost playback_{model_, win32_};  // after model_: the runner shares its state
    Form2Host settings_;
    HBITMAP helpImage_ = nullptr;
    bool unattendedPlaying_ = false;
};

}  // namespace xd::script_edition
