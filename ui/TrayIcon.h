// A notification-area icon with a tip, reporting its button events to the owner window as `callbackMessage`
// (lParam = the mouse message). The shell forgets icons when it restarts: call Readd on "TaskBarCreated".
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace xd::ui {

class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    bool Add(HWND owner, UINT id, UINT callbackMessage, HICON icon, const std::wstring& tip) noexcept;
    void SetTip(const std::wstring& tip) noexcept;
    bool Readd() noexcept;
    void Remove() noexcept;

    // The registered broadcast the shell sends when the taskbar is (re)created.
    static UINT TaskbarCreatedMessage() noexcept;

private:
    NOTIFYICONDATAW Data(UINT flags) const noexcept;

    HWND owner_ = nullptr;
    UINT id_ = 0;
    UINT callbackMessage_ = 0;
    HICON icon_ = nullptr;
    std::wstring tip_;
    bool added_ = false;
};

}  // namespace xd::ui
