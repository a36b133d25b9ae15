// Form2, the settings dialog: its window and controls built from settingsdialog::kControls, serving the
// settings-dialog logic (documents/settings) as ISettingsDialogView and handing it every notification.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "documents/settings/SettingsDialog.h"
#include "ui/ControlTable.h"
#include "ui/FormWindow.h"

namespace xd::script_edition {

class Form2 final : public ui::FormWindow<Form2>, public ISettingsDialogView {
public:
    // Resources and the window class come from the program's own module.
    Form2();
    ~Form2();

    // The logic the notifications go to while the dialog exists; null detaches it. hotkeysChanged runs after
    // each change of a hotkey list, for the copies of the keys the main window keeps.
    void Bind(SettingsDialogContext* context, std::function<void()> hotkeysChanged = {}) noexcept {
        context_ = context;
        hotkeysChanged_ = std::move(hotkeysChanged);
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // ISettingsDialogView
    bool Create(WindowHandle owner) override;
    void PostDeferredLoad() override;
    void ShowModal() override;
    void BringToForeground() override;
    void PostCloseRequest() override;
    void Close() override;
    WindowHandle Handle() override;
    bool IsChecked(SettingsCheck box) override;
    void SetChecked(SettingsCheck box, bool checked) override;
    void SetHotkeyItems(HotkeyList list, const HotkeyItems& items) override;
    int SelectedHotkeyItem(HotkeyList list) override;
    void SelectHotkeyItem(HotkeyList list, int index) override;
    std::string WaitSecondsText() override;
    void SetWaitSecondsText(const std::string& text) override;

private:
    void OnCommand(int id, int code) noexcept;
    void OnDpiChanged(int dpi, const RECT& suggested) noexcept;
    void ApplyFont() noexcept;
    HWND Child(int id) const noexcept { return ::GetDlgItem(FormWindow::Handle(), id); }

    HINSTANCE instance_;
    SettingsDialogContext* context_ = nullptr;
    std::function<void()> hotkeysChanged_;
    HWND owner_ = nullptr;
    // The Win32 control table and the wide texts it points into, made once from the portable table.
    std::vector<std::wstring> texts_;
    std::vector<ui::ControlSpec> controls_;
    HFONT font_ = nullptr;
    HICON largeIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    int dpi_ = 96;
};

}  // namespace xd::script_edition
