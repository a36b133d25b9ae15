#include "ui/TrayIcon.h"

#include <shellapi.h>

#include <cwchar>

namespace xd::ui {

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const noexcept {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = id_;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    // The shell's tip holds 127 characters and a terminator.
    std::wcsncpy(data.szTip, tip_.c_str(), (sizeof data.szTip / sizeof data.szTip[0]) - 1);
    return data;
}

bool TrayIcon::Add(HWND owner, UINT id, UINT callbackMessage, HICON icon, const std::wstring& tip) noexcept {
    owner_ = owner;
    id_ = id;
    callbackMessage_ = callbackMessage;
    icon_ = icon;
    tip_ = tip;
    return Readd();
}

void TrayIcon::SetTip(const std::wstring& tip) noexcept {
    tip_ = tip;
    if (!added_) return;
    NOTIFYICONDATAW data = Data(NIF_TIP);
    ::Shell_NotifyIconW(NIM_MODIFY, &data);
}

bool TrayIcon::Readd() noexcept {
    if (!owner_) return false;
    NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    added_ = ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    return added_;
}

void TrayIcon::Remove() noexcept {
    if (!added_) return;
    NOTIFYICONDATAW data = Data(0);
    ::Shell_NotifyIconW(NIM_DELETE, &data);
    added_ = false;
}

UINT TrayIcon::TaskbarCreatedMessage() noexcept {
    static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

}  // namespace xd::ui
