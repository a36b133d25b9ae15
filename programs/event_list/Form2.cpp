#include "Form2.h"

#include <array>
#include <string>

#include "Form2Layout.h"
#include "ProgramName.h"
#include "documents/settings/FileAssociation.h"
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
    EventSettingsCheck box;
};

// The option boxes; Check2, the association, is handled apart.
constexpr std::array<CheckRow, 9> kOptionChecks{{
    {form2::kCheck1, EventSettingsCheck::Check1},
    {form2::kCheck3, EventSettingsCheck::Check3},
    {form2::kCheck4, EventSettingsCheck::Check4},
    {form2::kCheck5, EventSettingsCheck::Check5},
    {form2::kCheck6, EventSettingsCheck::Check6},
    {form2::kCheck7, EventSettingsCheck::Check7},
    {form2::kCheck8, EventSettingsCheck::Check8},
    {form2::kCheck9, EventSettingsCheck::Check9},
    {form2::kCheck10, EventSettingsCheck::Check10},
}};

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
    EventSettingsStore& settings = context_->settings;
    const bool associated = IsAssociated(context_->registry, context_->programPath);
    ::SendMessageW(Child(form2::kCheck2), BM_SETCHECK, associated ? BST_CHECKED : BST_UNCHECKED, 0);
    for (const CheckRow& row : kOptionChecks) {
        ::SendMessageW(Child(row.id), BM_SETCHECK, IsEventOptionOn(settings, row.box) ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    for (int id : {form2::kComboRecord, form2::kComboPlay}) {
        HWND combo = Child(id);
        ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (int f = 1; f <= 12; ++f) {
            const std::wstring item = L"F" + std::to_wstring(f);
            ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        const EventHotkeyList list = id == form2::kComboRecord ? EventHotkeyList::Record : EventHotkeyList::Play;
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(EventHotkeyItem(settings, list)), 0);
    }
    loading_ = false;
}

void Form2::OnCommand(int id, int code) noexcept {
    if (!context_ || loading_) return;
    EventSettingsStore& settings = context_->settings;
    if (id == form2::kComboRecord || id == form2::kComboPlay) {
        if (code != CBN_SELCHANGE) return;
        const auto item = static_cast<int>(::SendMessageW(Child(id), CB_GETCURSEL, 0, 0));
        SetEventHotkey(settings, id == form2::kComboRecord ? EventHotkeyList::Record : EventHotkeyList::Play, item);
        if (context_->changed) context_->changed();
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
            SetEventOption(settings, row.box, ticked);
            if (context_->changed) context_->changed();
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
