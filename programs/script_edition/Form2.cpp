#include "Form2.h"

#include <algorithm>
#include <iterator>

#include "ProgramName.h"
#include "documents/settings/SettingsDialogLayout.h"
#include "platform/Text.h"
#include "platform/win32/WinHeaders.h"
#include "ui/Dpi.h"
#include "ui/OwnedPlacement.h"
#include "ui/Resources.h"
#include "ui/WindowClass.h"

namespace xd::script_edition {
namespace {

namespace layout = settingsdialog;

constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// The owner is topmost; the dialog must not open behind it.
constexpr DWORD kFormExStyle = WS_EX_TOPMOST;

int IdOf(SettingsCheck box) noexcept {
    switch (box) {
        case SettingsCheck::Check2: return layout::ctl::kCheck2;
        case SettingsCheck::Check3: return layout::ctl::kCheck3;
        case SettingsCheck::Check4: return layout::ctl::kCheck4;
        case SettingsCheck::Check5: return layout::ctl::kCheck5;
        case SettingsCheck::Check6: return layout::ctl::kCheck6;
        case SettingsCheck::Check7: return layout::ctl::kCheck7;
        case SettingsCheck::Check8: return layout::ctl::kCheck8;
        case SettingsCheck::Check9: return layout::ctl::kCheck9;
        case SettingsCheck::Check10: return layout::ctl::kCheck10;
        case SettingsCheck::Check11: return layout::ctl::kCheck11;
        case SettingsCheck::Check12: return layout::ctl::kCheck12;
    }
    return 0;
}

bool CheckOf(int id, SettingsCheck& box) noexcept {
    for (SettingsCheck c : {SettingsCheck::Check2, SettingsCheck::Check3, SettingsCheck::Check4, SettingsCheck::Check5,
                            SettingsCheck::Check6, SettingsCheck::Check7, SettingsCheck::Check8, SettingsCheck::Check9,
                            SettingsCheck::Check10, SettingsCheck::Check11, SettingsCheck::Check12}) {
        if (IdOf(c) == id) {
            box = c;
            return true;
        }
    }
    return false;
}

int ComboId(HotkeyList list) noexcept {
    return list == HotkeyList::Record ? layout::ctl::kComboRecord : layout::ctl::kComboPlay;
}

struct Win32Kind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle = 0;
};

Win32Kind KindOf(layout::ControlKind kind) noexcept {
    switch (kind) {
        case layout::ControlKind::GroupBox: return {L"Button", BS_GROUPBOX};
        case layout::ControlKind::Label: return {L"Static", SS_LEFT | SS_NOPREFIX};
        case layout::ControlKind::DropDownList: return {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
        case layout::ControlKind::CheckBox: return {L"Button", BS_AUTOCHECKBOX | WS_TABSTOP};
        case layout::ControlKind::Button: return {L"Button", BS_PUSHBUTTON | WS_TABSTOP};
        case layout::ControlKind::NumberBox:
            return {L"Edit", ES_NUMBER | ES_AUTOHSCROLL | ES_RIGHT | WS_TABSTOP, WS_EX_CLIENTEDGE};
    }
    return {L"Static", 0};
}

}  // namespace

Form2::Form2() : instance_(::GetModuleHandleW(nullptr)) {
    // Two passes: the texts first, so the pointers into them stay put.
    texts_.reserve(layout::kControls.size() * 2);
    for (const layout::ControlSpec& c : layout::kControls) {
        texts_.push_back(Widen(c.name));
        texts_.push_back(Widen(c.caption));
    }
    controls_.reserve(layout::kControls.size());
    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        const layout::ControlSpec& c = layout::kControls[i];
        const Win32Kind kind = KindOf(c.kind);
        controls_.push_back(ui::ControlSpec{texts_[2 * i].c_str(), kind.className, c.id, c.x, c.y, c.width, c.height,
                                            kind.style | (c.visible ? WS_VISIBLE : 0u), kind.exStyle,
                                            texts_[2 * i + 1].c_str()});
    }
}

Form2::~Form2() {
    Close();
    if (font_) ::DeleteObject(font_);
    if (largeIcon_) ::DestroyIcon(largeIcon_);
    if (smallIcon_) ::DestroyIcon(smallIcon_);
}

bool Form2::Create(WindowHandle owner) {
    if (FormWindow::Handle()) return false;
    const std::wstring className = ui::FormClassName(kInternalName, L"Form2");
    const std::wstring icon = Widen(layout::kIconResource);
    if (!largeIcon_) {
        largeIcon_ = static_cast<HICON>(::LoadImageW(instance_, icon.c_str(), IMAGE_ICON, layout::kBigIconSize,
                                                     layout::kBigIconSize, 0));
    }
    if (!smallIcon_) {
        smallIcon_ = static_cast<HICON>(::LoadImageW(instance_, icon.c_str(), IMAGE_ICON, layout::kSmallIconSize,
                                                     layout::kSmallIconSize, 0));
    }
    if (!ui::RegisterFormClass(instance_, {.name = className.c_str(),
                                           .windowProc = &Form2::WindowProc,
                                           .icon = largeIcon_,
                                           .smallIcon = smallIcon_})) {
        return false;
    }
    owner_ = win32::ToHwnd(owner);
    dpi_ = ui::DpiOf(owner_);
    const SIZE size = ui::ScaleSize(layout::kFormWidth96, layout::kFormHeight96, dpi_);
    const POINT corner = ui::CentredOnOwner(owner_, size);
    HWND hwnd = ::CreateWindowExW(kFormExStyle, className.c_str(), Widen(layout::kFormCaption).c_str(), kFormStyle,
                                  corner.x, corner.y, size.cx, size.cy, owner_, nullptr, instance_, this);
    if (!hwnd) return false;
    // The dialog follows its own monitor's DPI once it exists.
    dpi_ = ui::DpiOf(hwnd);
    if (dpi_ != ui::DpiOf(owner_)) {
        const SIZE scaled = ui::ScaleSize(layout::kFormWidth96, layout::kFormHeight96, dpi_);
        ::SetWindowPos(hwnd, nullptr, 0, 0, scaled.cx, scaled.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!ui::CreateControls(hwnd, controls_, dpi_)) {
        ::DestroyWindow(hwnd);
        return false;
    }
    ::SendMessageW(Child(layout::ctl::kText1), EM_LIMITTEXT, layout::kWaitSecondsDigits, 0);
    ApplyFont();
    return true;
}

void Form2::ApplyFont() noexcept {
    HFONT old = font_;
    font_ = ui::CreatePointFont(Widen(layout::kControlFont.face).c_str(), layout::kControlFont.points, dpi_,
                                layout::kControlFont.style != 0);
    for (const ui::ControlSpec& c : controls_) {
        ::SendMessageW(Child(c.id), WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    }
    if (old) ::DeleteObject(old);
}

void Form2::PostDeferredLoad() {
    ::PostMessageW(FormWindow::Handle(), kSettingsDeferredLoad, kSettingsDeferredLoadParam, 0);
}

void Form2::ShowModal() {
    HWND hwnd = FormWindow::Handle();
    if (!hwnd) return;
    if (owner_) ::EnableWindow(owner_, FALSE);
    ::ShowWindow(hwnd, SW_SHOWNORMAL);
    ::UpdateWindow(hwnd);
    ::SetForegroundWindow(hwnd);
    ::SetFocus(Child(layout::ctl::kComboRecord));
    RunModalLoop();
}

void Form2::BringToForeground() {
    if (HWND hwnd = FormWindow::Handle()) {
        ::ShowWindow(hwnd, SW_SHOWNORMAL);
        ::SetForegroundWindow(hwnd);
    }
}

void Form2::PostCloseRequest() { ::PostMessageW(FormWindow::Handle(), WM_CLOSE, 0, 0); }

void Form2::Close() {
    // The owner first, so activation returns to it and not to some other program.
    if (owner_) ::EnableWindow(owner_, TRUE);
    if (HWND hwnd = FormWindow::Handle()) ::DestroyWindow(hwnd);
    if (owner_ && ::IsWindow(owner_)) ::SetForegroundWindow(owner_);
    owner_ = nullptr;
}

WindowHandle Form2::Handle() { return win32::FromHwnd(FormWindow::Handle()); }

bool Form2::IsChecked(SettingsCheck box) {
    return ::SendMessageW(Child(IdOf(box)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form2::SetChecked(SettingsCheck box, bool checked) {
    ::SendMessageW(Child(IdOf(box)), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Form2::SetHotkeyItems(HotkeyList list, const HotkeyItems& items) {
    HWND combo = Child(ComboId(list));
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
}

int Form2::SelectedHotkeyItem(HotkeyList list) {
    const LRESULT index = ::SendMessageW(Child(ComboId(list)), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void Form2::SelectHotkeyItem(HotkeyList list, int index) {
    ::SendMessageW(Child(ComboId(list)), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string Form2::WaitSecondsText() {
    HWND edit = Child(layout::ctl::kText1);
    wchar_t text[16] = {};
    const int length = ::GetWindowTextW(edit, text, static_cast<int>(std::size(text)));
    return Narrow(std::wstring_view(text, static_cast<std::size_t>(std::max(length, 0))));
}

void Form2::SetWaitSecondsText(const std::string& text) {
    ::SetWindowTextW(Child(layout::ctl::kText1), Widen(text).c_str());
}

void Form2::OnCommand(int id, int code) noexcept {
    if (!context_) return;
    if (id == layout::ctl::kText1) {
        if (code == EN_CHANGE) OnWaitSecondsChanged(*context_);
        if (code == EN_KILLFOCUS) OnWaitSecondsDone(*context_);
        return;
    }
    if (id == layout::ctl::kComboRecord || id == layout::ctl::kComboPlay) {
        if (code == CBN_SELCHANGE) {
            OnHotkeyListChanged(*context_, id == layout::ctl::kComboRecord ? HotkeyList::Record : HotkeyList::Play);
            if (hotkeysChanged_) hotkeysChanged_();
        }
        return;
    }
    if (code != BN_CLICKED) return;
    if (id == layout::ctl::kCommand1) {
        OnSettingsOkClicked(*context_);
        return;
    }
    SettingsCheck box{};
    if (CheckOf(id, box)) OnSettingsCheckClicked(*context_, box);
}

void Form2::OnDpiChanged(int dpi, const RECT& suggested) noexcept {
    dpi_ = dpi;
    HWND hwnd = FormWindow::Handle();
    ::SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ui::LayoutControls(hwnd, controls_, dpi_);
    ApplyFont();
}

LRESULT Form2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_CLOSE:
            // The logic destroys the dialog through Close, or keeps it open while the hotkeys clash.
            if (context_) {
                static_cast<void>(OnSettingsCloseRequest(*context_));
            } else {
                Close();
            }
            return 0;
        case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
        case kSettingsDeferredLoad:
            if (context_) OnSettingsDeferredLoad(*context_, static_cast<std::uintptr_t>(wParam));
            return 0;
        default: break;
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace xd::script_edition
