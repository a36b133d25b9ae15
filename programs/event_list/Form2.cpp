#include "Form2.h"

#include <array>
#include <iterator>
#include <string>

#include "Form2Layout.h"
#include "ProgramName.h"
#include "documents/ProfileValues.h"
#include "documents/SettingsStore.h"
#include "documents/settings/FileAssociation.h"
#include "platform/Text.h"
#include "ui/Dpi.h"
#include "ui/OwnedPlacement.h"
#include "ui/Resources.h"
#include "ui/WindowClass.h"

namespace xd::event_list {
namespace {

constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// The owner is topmost; the dialog must not open behind it.
constexpr DWORD kFormExStyle = WS_EX_TOPMOST;
constexpr wchar_t kFontFace[] = L"Microsoft YaHei";
constexpr int kFontPoints = 9;

struct CheckRow {
    int id;
    EventFlagOption option;
};

// The option boxes; Check2, the association, is handled apart.
constexpr std::array<CheckRow, 11> kOptionChecks{{
    {form2::kCheck1, EventFlagOption::NoMoves},
    {form2::kCheck3, EventFlagOption::DedicatedMode},
    {form2::kCheck4, EventFlagOption::MoveToCurrent},
    {form2::kCheck5, EventFlagOption::DemoClick},
    {form2::kCheck6, EventFlagOption::ConfirmDelete},
    {form2::kCheck7, EventFlagOption::ClickEffect},
    {form2::kCheck8, EventFlagOption::VirtualPointer},
    {form2::kCheck9, EventFlagOption::DeleteLast},
    {form2::kCheck10, EventFlagOption::MoveToStart},
    {form2::kCheck11, EventFlagOption::StopOnMouseMove},
    {form2::kCheck12, EventFlagOption::RecordKeyboard},
}};

bool IsOn(const EventOptions& o, EventFlagOption option) noexcept {
    switch (option) {
        case EventFlagOption::NoMoves: return o.noMoves;
        case EventFlagOption::DedicatedMode: return o.dedicatedMode;
        case EventFlagOption::MoveToCurrent: return o.moveToCurrent;
        case EventFlagOption::ConfirmDelete: return o.confirmDelete;
        case EventFlagOption::DemoClick: return o.demoClick;
        case EventFlagOption::ClickEffect: return o.clickEffect;
        case EventFlagOption::VirtualPointer: return o.virtualPointer;
        case EventFlagOption::MoveToStart: return o.moveToStart;
        case EventFlagOption::DeleteLast: return o.deleteLast;
        case EventFlagOption::StopOnMouseMove: return o.stopOnMouseMove;
        case EventFlagOption::RecordKeyboard: return o.recordKeyboard;
    }
    return false;
}

std::wstring SecondsText(std::int32_t seconds) { return std::to_wstring(ClampWaitForWindowSeconds(seconds)); }

// The list item (0 for F1 .. 11 for F12); a hotkey out of range still selects an item.
WPARAM HotkeyItem(std::int32_t key) noexcept { return static_cast<WPARAM>(ClampHotkey(key) - kFirstHotkey); }

}  // namespace

Form2::~Form2() {
    Close();
    if (font_) ::DeleteObject(font_);
}

void Form2::Open(HINSTANCE instance, HWND owner, Form2Context context) noexcept {
    if (HWND open = FormWindow::Handle()) {
        ::ShowWindow(open, SW_SHOWNORMAL);
        ::SetForegroundWindow(open);
        return;
    }
    // The context lives on this frame, which the modal loop keeps alive until the dialog closes.
    context_ = &context;
    if (Create(instance, owner)) {
        Fill();
        ::EnableWindow(owner_, FALSE);
        HWND hwnd = FormWindow::Handle();
        ::ShowWindow(hwnd, SW_SHOWNORMAL);
        ::UpdateWindow(hwnd);
        ::SetForegroundWindow(hwnd);
        ::SetFocus(Child(form2::kComboRecord));
        RunModalLoop();
    }
    context_ = nullptr;
}

bool Form2::Create(HINSTANCE instance, HWND owner) noexcept {
    const std::wstring className = ui::FormClassName(kInternalName, L"Form2");
    // The class keeps the main window's icon: the small icon of the owner's class.
    const auto icon = reinterpret_cast<HICON>(::GetClassLongPtrW(owner, GCLP_HICONSM));
    if (!ui::RegisterFormClass(instance, {.name = className.c_str(),
                                          .windowProc = &Form2::WindowProc,
                                          .icon = icon,
                                          .smallIcon = icon})) {
        return false;
    }
    owner_ = owner;
    dpi_ = ui::DpiOf(owner);
    const SIZE size = ui::ScaleSize(form2::kFormWidth96, form2::kFormHeight96, dpi_);
    const POINT corner = ui::CentredOnOwner(owner, size);
    HWND hwnd = ::CreateWindowExW(kFormExStyle, className.c_str(), L"设置", kFormStyle, corner.x, corner.y, size.cx,
                                  size.cy, owner, nullptr, instance, this);
    if (!hwnd) return false;
    if (!ui::CreateControls(hwnd, form2::kControls, dpi_)) {
        ::DestroyWindow(hwnd);
        return false;
    }
    ::SendMessageW(Child(form2::kText1), EM_LIMITTEXT, form2::kWaitSecondsDigits, 0);
    ApplyFont();
    return true;
}

void Form2::ApplyFont() noexcept {
    HFONT old = font_;
    font_ = ui::CreatePointFont(kFontFace, kFontPoints, dpi_);
    for (const ui::ControlSpec& c : form2::kControls) {
        ::SendMessageW(Child(c.id), WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    }
    if (old) ::DeleteObject(old);
}

void Form2::Fill() noexcept {
    loading_ = true;
    const EventOptions& options = context_->options;
    const bool associated = IsAssociated(context_->registry, context_->programPath);
    ::SendMessageW(Child(form2::kCheck2), BM_SETCHECK, associated ? BST_CHECKED : BST_UNCHECKED, 0);
    for (const CheckRow& row : kOptionChecks) {
        ::SendMessageW(Child(row.id), BM_SETCHECK, IsOn(options, row.option) ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    ::SetWindowTextW(Child(form2::kText1), SecondsText(options.waitForWindowSeconds).c_str());
    for (int id : {form2::kComboRecord, form2::kComboPlay}) {
        HWND combo = Child(id);
        ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (int f = 1; f <= 12; ++f) {
            const std::wstring item = L"F" + std::to_wstring(f);
            ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        ::SendMessageW(combo, CB_SETCURSEL, HotkeyItem(id == form2::kComboRecord ? options.recordKey : options.playKey), 0);
    }
    loading_ = false;
}

void Form2::OnCommand(int id, int code) noexcept {
    if (!context_ || loading_) return;
    Form2Context& c = *context_;
    if (id == form2::kComboRecord || id == form2::kComboPlay) {
        if (code != CBN_SELCHANGE) return;
        const auto item = static_cast<int>(::SendMessageW(Child(id), CB_GETCURSEL, 0, 0));
        if (item < 0 || item > kLastHotkey - kFirstHotkey) return;
        // A failed write keeps the key in force for this run; there is nobody to tell.
        if (id == form2::kComboRecord) {
            static_cast<void>(SetEventRecordKey(c.options, c.profile, c.settingsFile, item));
        } else {
            static_cast<void>(SetEventPlayKey(c.options, c.profile, c.settingsFile, item));
        }
        if (c.changed) c.changed();
        return;
    }
    if (id == form2::kText1) {
        if (code == EN_CHANGE) {
            wchar_t text[16] = {};
            ::GetWindowTextW(Child(id), text, static_cast<int>(std::size(text)));
            const std::int32_t seconds = ClampWaitForWindowSeconds(ParseProfileInt64(Narrow(text)));
            // Every change is in force and written at once; a failed write keeps it for this run.
            if (seconds != c.options.waitForWindowSeconds)
                static_cast<void>(SetEventWaitForWindowSeconds(c.options, c.profile, c.settingsFile, seconds));
        } else if (code == EN_KILLFOCUS) {
            // What was typed, clamped; the change this causes finds the value already in force.
            const std::wstring shown = SecondsText(c.options.waitForWindowSeconds);
            wchar_t text[16] = {};
            ::GetWindowTextW(Child(id), text, static_cast<int>(std::size(text)));
            if (shown != text) ::SetWindowTextW(Child(id), shown.c_str());
        }
        return;
    }
    if (code != BN_CLICKED) return;
    if (id == form2::kCommand1) {
        ::PostMessageW(FormWindow::Handle(), WM_CLOSE, 0, 0);
        return;
    }
    const bool ticked = ::SendMessageW(Child(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (id == form2::kCheck2) {
        // A failed registration leaves the box ticked; the box it showed said why.
        if (ticked) {
            static_cast<void>(RegisterAssociation(context_->registry, context_->boxes, context_->programPath));
        } else {
            RemoveAssociation(context_->registry);
        }
        return;
    }
    for (const CheckRow& row : kOptionChecks) {
        if (row.id == id) {
            static_cast<void>(SetEventFlagOption(c.options, c.profile, c.settingsFile, row.option, ticked));
            if (c.changed) c.changed();
            return;
        }
    }
}

void Form2::Close() noexcept {
    // The owner first, so activation returns to it and not to some other program.
    if (owner_) ::EnableWindow(owner_, TRUE);
    if (HWND hwnd = FormWindow::Handle()) ::DestroyWindow(hwnd);
    if (owner_ && ::IsWindow(owner_)) ::SetForegroundWindow(owner_);
    owner_ = nullptr;
}

LRESULT Form2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_CLOSE: Close(); return 0;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(FormWindow::Handle(), nullptr, suggested.left, suggested.top,
                           suggested.right - suggested.left, suggested.bottom - suggested.top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
            ui::LayoutControls(FormWindow::Handle(), form2::kControls, dpi_);
            ApplyFont();
            return 0;
        }
        default: break;
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace xd::event_list
