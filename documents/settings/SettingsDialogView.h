// What the settings dialog's logic asks of Form2. The Win32 dialog implements
// it over the controls of kControls (SettingsDialogLayout.h) and calls the
// handlers of SettingsDialog.h for their notifications.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace xd {

// The dialog's check boxes by designer name; Check1 does not exist.
enum class SettingsCheck { Check2, Check3, Check4, Check5, Check6, Check7, Check8, Check9, Check10, Check11,
                           Check12 };

// Combo1 index 0 and 1.
enum class HotkeyList { Record = 0, Play = 1 };

inline constexpr int kHotkeyItemCount = 12;  // "F1" .. "F12"
using HotkeyItems = std::array<std::string, kHotkeyItemCount>;

// The dialog posts itself this message once created, as the main window does,
// so the controls are filled after creation has finished.
inline constexpr std::uint32_t kSettingsDeferredLoad = 4096;
inline constexpr std::uintptr_t kSettingsDeferredLoadParam = 4096;

class ISettingsDialogView {
public:
    virtual ~ISettingsDialogView() = default;
    // Creates Form2 owned by owner with all its controls, ready to be shown.
    // False when it could not be created; nothing is left behind then.
    virtual bool Create(WindowHandle owner) = 0;
    // Posts kSettingsDeferredLoad with kSettingsDeferredLoadParam to the dialog.
    virtual void PostDeferredLoad() = 0;
    // Disables the owner and shows the dialog. The Win32 dialog runs its modal
    // loop here until Close; a window-free view returns at once.
    virtual void ShowModal() = 0;
    virtual void BringToForeground() = 0;
    // WM_CLOSE to the dialog, as the caption's close box sends it.
    virtual void PostCloseRequest() = 0;
    // Destroys the dialog and its controls and enables the owner again.
    virtual void Close() = 0;
    virtual WindowHandle Handle() = 0;

    virtual bool IsChecked(SettingsCheck box) = 0;
    virtual void SetChecked(SettingsCheck box, bool checked) = 0;
    virtual void SetHotkeyItems(HotkeyList list, const HotkeyItems& items) = 0;
    // -1: no item selected.
    virtual int SelectedHotkeyItem(HotkeyList list) = 0;
    virtual void SelectHotkeyItem(HotkeyList list, int index) = 0;
    // Text1, the seconds to wait for a target window.
    virtual std::string WaitSecondsText() = 0;
    virtual void SetWaitSecondsText(const std::string& text) = 0;
};

}  // namespace xd
