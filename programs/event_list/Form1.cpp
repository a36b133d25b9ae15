#include "Form1.h"

#include <commctrl.h>

#include "Form1Layout.h"
#include "ProgramName.h"
#include "appcore/playback/ClickEffects.h"
#include "appcore/playback/ThreadStarter.h"
#include "documents/SettingsStore.h"
#include "documents/WindowPlacementStore.h"
#include "eventlist/PlaySliders.h"
#include "eventlist/app/EventListCommands.h"
#include "eventlist/app/EventStatusTick.h"
#include "eventlist/app/EventUnattendedPlayback.h"
#include "platform/Pixels.h"
#include "platform/Text.h"
#include "platform/win32/WinHeaders.h"
#include "ui/Dpi.h"
#include "ui/UnattendedStart.h"

namespace xd::event_list {
namespace {

constexpr std::int32_t kRepeatMax = 1000;
constexpr std::int32_t kSpeedMax = 200;

// In the order of ui::MainWindowSpec: the controls, the strip, the list, the control with a font of its own,
// the compact size, the status tick and the tray icon.
constexpr ui::MainWindowSpec kMainWindowSpec{
    kInternalName, form1::kControls, form1::kPicture1, form1::kStripHeightCompact, form1::kStripHeightFull,
    form1::kList1, form1::kList1ItemHeight96, 0, form1::kCompactWidth, form1::kCompactHeight,
    form1::kTimer1, form1::kTimer1IntervalMs, form1::kTrayIcon1, appmsg::kTrayCallback};

}  // namespace

Form1::Form1(win32::Win32Platform& platform)
    : MainWindow(platform, kMainWindowSpec),
      context_(model_, EventListServices{platform.platform(), platform.codePage, hintOverlays_, CountedThreadStarter()},
               EventListViews{*this, *this, *this, *this}) {}

Form1::~Form1() {
    hooks_.Remove();
    WaitForPlayers();
}

bool Form1::Create(HINSTANCE instance, const ApplicationInfo& info, const std::string& commandLinePath) noexcept {
    info_ = info;
    window_ = InitialMainWindowState(info);
    model_.document.caption = window_.applicationTitle;
    window_.buttons[kPlayButton].state = kButtonDisabled;  // nothing to play yet
    const std::string settingsFile = SettingsFilePath(info_.programFolder);
    LoadEventListOptions(model_, win32_.profile, settingsFile);
    window_.recordKey = model_.options.recordKey;
    window_.playKey = model_.options.playKey;
    window_.buttons[kModeButton].state = model_.document.settings.foreground ? kButtonActive : kButtonEnabled;
    listLookup_ = [this](int line) { return LineLook(line); };

    HWND hwnd = CreateMainWindow(instance, &Form1::WindowProc, window_.applicationTitle, this);
    if (!hwnd) return false;
    mainWindow_.store(hwnd);
    if (!CreateChildren()) return false;
    // Where the window was left last time, always compact.
    RestoreWindowPlacement(win32_.windows, win32_.profile, settingsFile, win32::FromHwnd(hwnd));
    SetWindowSize96(form1::kCompactWidth, form1::kCompactHeight);

    // Form4: the eight click-effect windows, made once and reused. This edition's virtual pointer is the
    // position hint window, so the overlays have no pointer form.
    if (!overlays_.RegisterClasses(instance, {kInternalName, L"Form4", L""}, dpi_)) return false;
    CreateClickEffectWindows(SharedClickEffects{model_.effects, model_.effectGuard}, overlays_);
    // Form3, the position hint window, made when a selection or a playback needs it.
    if (!RegisterForm3(instance)) return false;
    hintOverlays_.Bind(instance, hwnd, dpi_);
    // The hotkeys, the recording and the demonstration clicks all come through the low-level hooks, in
    // from the start. Without them the buttons still work.
    model_.hooksNotice.SetInstalled(hooks_.Install(*this));

    static_cast<void>(CreateMenu());
    AddTrayIcon(window_.applicationTitle);

    ShowEventPlaySliders(context_.Document());
    commandLinePath_ = commandLinePath;
    ::PostMessageW(hwnd, appmsg::kDeferredLoad, 0, 0);
    StartStatusTick();
    return true;
}

bool Form1::CreateChildren() noexcept {
    if (!MainWindow::CreateControls()) return false;
    SetUpSlider(form1::kHScrollRepeat, 0, kRepeatMax, 0);
    SetUpSlider(form1::kHScrollSpeed, 0, kSpeedMax, 0);
    ::SendMessageW(Child(form1::kTextDelay), EM_SETLIMITTEXT, 9, 0);
    ApplyFonts();
    return true;
}

void Form1::Show(int showCommand) noexcept {
    ::ShowWindow(FormWindow::Handle(), showCommand);
    ::UpdateWindow(FormWindow::Handle());
}

void Form1::SetWindowSize96(int width96, int height96) noexcept {
    HWND hwnd = FormWindow::Handle();
    RECT now{};
    ::GetWindowRect(hwnd, &now);
    const SIZE size = ui::ScaleSize(width96, height96, dpi_);
    // Growing from the compact strip must not push the list off the bottom or right of the work area.
    int x = now.left, y = now.top;
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    if (::GetMonitorInfoW(::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (x + size.cx > work.right) x = work.right - size.cx > work.left ? work.right - size.cx : work.left;
        if (y + size.cy > work.bottom) y = work.bottom - size.cy > work.top ? work.bottom - size.cy : work.top;
    }
    ::SetWindowPos(hwnd, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetStatusIdle(const std::string& text) noexcept {
    if (window_.statusIdle == text) return;
    window_.statusIdle = text;
    // A hovered button keeps its hint; leaving the strip shows the idle text.
    if (window_.hoverButton == 0) window_.statusText = text;
    RedrawStrip();
}

std::optional<std::int64_t> Form1::NextActionMicros() noexcept {
    if (!model_.playback.current) return std::nullopt;
    return model_.playback.current->nextEventMicros.load();
}

void Form1::StartUnattended(bool opened) noexcept {
    unattendedPlaying_ = StartEventUnattendedPlayback(context_, unattended_->Request(), opened);
    if (!unattendedPlaying_) EndUnattended(false);
}

void Form1::EndUnattendedPlayback(bool stoppedByUser) noexcept {
    unattendedPlaying_ = false;
    EndUnattended(stoppedByUser);
}

void Form1::OnStatusTick() noexcept {
    // Only this thread ends a playback; without the player's own end, Esc or the window's close did.
    if (unattendedPlaying_ && !context_.Playing()) {
        EndUnattendedPlayback(true);
        return;
    }
    const EventStatusTick tick = ::xd::OnStatusTick(context_, hooks_.CheckAndReinstall());
    window_.arrowIndex = model_.statusFrame;
    if (tick.statusText) SetStatusIdle(*tick.statusText);
    if (tick.redrawList) ::InvalidateRect(Child(form1::kList1), nullptr, FALSE);
    // The slot windows never change after start-up: painting needs no lock.
    overlays_.PaintClickEffects(model_.effects, tick.effects);
}

void Form1::OnSlider(int id, int position) noexcept {
    // The sliders are script settings: they travel with the file and make the script modified.
    if (id == form1::kHScrollRepeat) OnRepeatSlider(context_, position);
    if (id == form1::kHScrollSpeed) OnSpeedSlider(context_, position);
}

void Form1::OnCommand(int id, int code) noexcept {
    if (id == form1::kCommand5 && code == BN_CLICKED) {
        OpenSettings();
    } else if (id == form1::kCommand6 && code == BN_CLICKED) {
        OnContinueRecordingCommand(context_);
    } else {
        OnListCommand(id, code);
    }
}

bool Form1::OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case appmsg::kDeferredLoad: {
            // A path naming no file is ignored; a refused one has shown its box and leaves a new, empty script.
            const bool opened = OnStartUp(context_, commandLinePath_);
            if (unattended_) StartUnattended(opened);
            return true;
        }
        // Unattended, the hotkeys do nothing: a copy of the program open beside this one keeps them.
        case appmsg::kRecordToggle:
            if (!unattended_) OnRecordToggleMessage(context_);
            return true;
        case appmsg::kPlayToggle:
            if (unattended_ && wParam == 0) return true;
            OnPlayToggleMessage(context_, static_cast<std::uint64_t>(wParam));
            // The player ended on its own: played to the end, or a box has said why not.
            if (unattendedPlaying_ && !context_.Playing()) EndUnattendedPlayback(false);
            return true;
        case appmsg::kShowHint: return true;  // the hint window shows from ShowHintWindow
        case form3::kDragEnded: {
            HWND hint = reinterpret_cast<HWND>(wParam);
            // Only the selection's mark moves an event; a drop after it was closed changes nothing.
            if (hint != selectionHint_ || !::IsWindow(hint)) return true;
            const Point corner{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            static_cast<void>(OnHintDragEnd(context_, win32::FromHwnd(hint), corner));
            return true;
        }
        case appmsg::kPlayerSelectLine:
            OnPlayerSelectLine(context_, static_cast<std::uint64_t>(wParam), static_cast<std::int32_t>(lParam));
            return true;
        case appmsg::kPlayerEventWindow: {
            const auto packed = static_cast<std::uint64_t>(lParam);
            // The handle's low 32 bits, sign-extended as the system extends them.
            const auto handle = static_cast<LONG_PTR>(static_cast<std::int32_t>(packed & 0xFFFFFFFFu));
            OnPlayerEventWindow(context_, static_cast<std::uint64_t>(wParam), static_cast<std::int32_t>(packed >> 32),
                                win32::FromHwnd(reinterpret_cast<HWND>(handle)));
            return true;
        }
        case appmsg::kPlayerEnableWindow: ::EnableWindow(FormWindow::Handle(), wParam != 0); return true;
        case appmsg::kPlayerRepaint:
            ::RedrawWindow(FormWindow::Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
            return true;
        default: return false;
    }
}

bool Form1::CloseRequest() noexcept { return OnCloseRequest(context_); }

void Form1::CloseAnswered() noexcept {
    hooks_.Remove();
    // The placement is the one setting written at exit.
    SaveWindowPlacement(win32_.windows, win32_.profile, SettingsFilePath(info_.programFolder),
                        win32::FromHwnd(FormWindow::Handle()));
    ::DestroyWindow(FormWindow::Handle());
}

bool Form1::MeasureOwnItem(MEASUREITEMSTRUCT& measure) noexcept {
    if (measure.CtlType != ODT_LISTBOX) return false;
    measure.itemHeight = static_cast<UINT>(LogicalToScreen(form1::kList1ItemHeight96, dpi_));
    return true;
}

bool Form1::DrawOwnItem(const DRAWITEMSTRUCT& draw) noexcept {
    if (draw.CtlType != ODT_LISTBOX || draw.CtlID != form1::kList1) return false;
    DrawEventListLine(draw, listLookup_, dpi_);
    return true;
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (OnPrivateMessage(message, wParam, lParam)) return 0;
    if (const std::optional<LRESULT> result = HandleMainMessage(message, wParam, lParam)) return *result;
    return DefaultProc(message, wParam, lParam);
}

}  // namespace xd::event_list
