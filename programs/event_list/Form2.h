// Form2, the settings dialog of the event-list edition: a modal window over the main window whose every
// control puts its option in force and writes it at once (eventlist/recording/EventOptions.h), and whose Check2 registers
// or removes the .mkx association (documents/settings/FileAssociation).
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "eventlist/recording/EventOptions.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "ui/FormWindow.h"

namespace xd::event_list {

// What the dialog changes, for as long as it is open.
struct Form2Context {
    EventOptions& options;
    IProfile& profile;
    std::string settingsFile;
    IRegistry& registry;
    IMessageBoxes& boxes;
    std::string programPath;  // program folder + program file name, for the association
    // After each change: the script's play settings and the hotkeys in the button hints follow.
    std::function<void()> changed;
};

class Form2 final : public ui::FormWindow<Form2> {
public:
    Form2() = default;
    ~Form2();

    // Shows the dialog modally over `owner` and returns when it closes; a dialog already open is brought to
    // the front instead.
    void Open(HINSTANCE instance, HWND owner, Form2Context context) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool Create(HINSTANCE instance, HWND owner) noexcept;
    void Fill() noexcept;
    void OnCommand(int id, int code) noexcept;
    void Close() noexcept;
    void ApplyFont() noexcept;
    HWND Child(int id) const noexcept { return ::GetDlgItem(FormWindow::Handle(), id); }

    Form2Context* context_ = nullptr;
    HWND owner_ = nullptr;
    HFONT font_ = nullptr;
    int dpi_ = 96;
    // Set while the controls are filled: their notifications are not the user's and write nothing.
    bool loading_ = false;
};

}  // namespace xd::event_list
