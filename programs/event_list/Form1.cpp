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
#include "platform/Pixels.h"
#include "platform/Text.h"
#include "platform/win32/WinHeaders.h"
#include "ui/Dpi.h"
#include "ui/WindowClass.h"

namespace xd::event_list {
namespace {

constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_TOPMOST;
constexpr wchar_t kUiFontFace[] = L"Microsoft YaHei";
constexpr int kUiFontPoints = 9;
constexpr std::int32_t kRepeatMax = 1000;
constexpr std::int32_t kSpeedMax = 200;

// Mouse coordinates are signed 16-bit halves of lParam.
POINT PointOf(LPARAM lParam) noexcept {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

LRESULT CALLBACK StripProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* form = reinterpret_cast<Form1*>(data);
    switch (message) {
        case WM_PAINT: form->PaintStrip(hwnd); return 0;
        // The whole strip is painted at once from a buffer; a separate erase would flicker.
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_MOUSELEAVE:
            form->OnStripMouse(message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : message, PointOf(lParam),
                               (wParam & MK_LBUTTON) != 0);
            return 0;
        default: return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
}

}  // namespace

Form1::Form1(win32::Win32Platform& platform)
    : win32_(platform),
      context_(model_, EventListServices{platform.platform(), platform.codePage, hintOverlays_, CountedThreadStarter()},
               EventListViews{*this, *this, *this, *this}) {}

Form1::~Form1() {
    hooks_.Remove();
    WaitForPlayers();
    if (uiFont_) ::DeleteObject(uiFont_);
    if (largeIcon_) ::DestroyIcon(largeIcon_);
    if (smallIcon_) ::DestroyIcon(smallIcon_);
}

bool Form1::Create(HINSTANCE instance, const ApplicationInfo& info, const std::string& commandLinePath) noexcept {
    instance_ = instance;
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

    const std::wstring className = ui::FormClassName(kInternalName, L"Form1");
    largeIcon_ = static_cast<HICON>(::LoadImageW(instance, L"ICON_ZHU", IMAGE_ICON, 48, 48, 0));
    smallIcon_ = static_cast<HICON>(::LoadImageW(instance, L"ICON_ZHU", IMAGE_ICON, 32, 32, 0));
    if (!ui::RegisterFormClass(instance, {.name = className.c_str(),
                                          .windowProc = &Form1::WindowProc,
                                          .icon = largeIcon_,
                                          .smallIcon = smallIcon_})) {
        return false;
    }
    // Loaded before any control exists, so the strip and the menu find the face by name.
    static_cast<void>(iconFont_.Load(instance, L"ICONFONT"));

    dpi_ = ui::DpiOf(nullptr);
    RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const SIZE compact = ui::ScaleSize(form1::kCompactWidth, form1::kCompactHeight, dpi_);
    const int x = work.left + (work.right - work.left - compact.cx) / 2;
    const int y = work.top + (work.bottom - work.top - compact.cy) / 2;
    const std::wstring title = Widen(window_.applicationTitle);
    HWND hwnd = ::CreateWindowExW(kFormExStyle, className.c_str(), title.c_str(), kFormStyle, x, y, compact.cx,
                                  compact.cy, nullptr, nullptr, instance, this);
    if (!hwnd) return false;
    mainWindow_.store(hwnd);
    dpi_ = ui::DpiOf(hwnd);
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
    static_cast<void>(tray_.Add(hwnd, form1::kTrayIcon1, appmsg::kTrayCallback, smallIcon_, title));

    ShowEventPlaySliders(context_.Document());
    commandLinePath_ = commandLinePath;
    ::PostMessageW(hwnd, appmsg::kDeferredLoad, 0, 0);
    ::SetTimer(hwnd, form1::kTimer1, form1::kTimer1IntervalMs, nullptr);
    return true;
}

bool Form1::CreateChildren() noexcept {
    HWND hwnd = FormWindow::Handle();
    if (!ui::CreateControls(hwnd, form1::kControls, dpi_)) return false;
    for (HWND bar : {Child(form1::kHScrollRepeat), Child(form1::kHScrollSpeed)}) {
        const int max = bar == Child(form1::kHScrollRepeat) ? kRepeatMax : kSpeedMax;
        // Arrow step 1 is the scroll bar's own; the page step of 10 is the page size below.
        SCROLLINFO scroll{sizeof scroll, SIF_RANGE | SIF_POS | SIF_PAGE, 0, max + 9, 10, 0, 0};
        ::SetScrollInfo(bar, SB_CTL, &scroll, FALSE);
    }
    ::SendMessageW(Child(form1::kTextDelay), EM_SETLIMITTEXT, 9, 0);
    ::SetWindowSubclass(Child(form1::kPicture1), &StripProc, 1, reinterpret_cast<DWORD_PTR>(this));
    ApplyFonts();
    return true;
}

void Form1::ApplyFonts() noexcept {
    if (uiFont_) ::DeleteObject(uiFont_);
    uiFont_ = ui::CreatePointFont(kUiFontFace, kUiFontPoints, dpi_);
    for (const ui::ControlSpec& c : form1::kControls) {
        if (c.id != form1::kPicture1) ::SendMessageW(Child(c.id), WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_), TRUE);
    }
    ::SendMessageW(Child(form1::kList1), LB_SETITEMHEIGHT, 0, LogicalToScreen(form1::kList1ItemHeight96, dpi_));
}

void Form1::Show(int showCommand) noexcept {
    ::ShowWindow(FormWindow::Handle(), showCommand);
    ::UpdateWindow(FormWindow::Handle());
}

void Form1::LayoutStrip() noexcept {
    RECT client{};
    ::GetClientRect(FormWindow::Handle(), &client);
    const int width = client.right - client.left;
    const bool expanded = model_.expanded;
    const int height = LogicalToScreen(expanded ? form1::kStripHeightFull : form1::kStripHeightCompact, dpi_);
    ::SetWindowPos(Child(form1::kPicture1), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
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
    RedrawToolbar();
}

void Form1::OnTimer() noexcept {
    HWND hwnd = FormWindow::Handle();
    // The tick's work stays off the player's next event (see TickPutOff): a tick put off comes on a
    // one-off timer, after which the regular period resumes.
    const UINT delay =
        model_.playback.current
            ? tickPutOff_.DelayMs(win32_.clock.MonotonicMicros(), model_.playback.current->nextEventMicros.load())
            : 0;
    if (delay != 0) {
        tickTimerChanged_ = true;
        ::SetTimer(hwnd, form1::kTimer1, delay, nullptr);
        return;
    }
    if (tickTimerChanged_) {
        tickTimerChanged_ = false;
        ::SetTimer(hwnd, form1::kTimer1, form1::kTimer1IntervalMs, nullptr);
    }
    const EventStatusTick tick = OnStatusTick(context_, hooks_.CheckAndReinstall());
    window_.arrowIndex = model_.statusFrame;
    if (tick.statusText) SetStatusIdle(*tick.statusText);
    if (tick.redrawList) ::InvalidateRect(Child(form1::kList1), nullptr, FALSE);
    // The slot windows never change after start-up: painting needs no lock.
    overlays_.PaintClickEffects(model_.effects, tick.effects);
}

void Form1::OnHScroll(HWND bar, int code) noexcept {
    const int id = ::GetDlgCtrlID(bar);
    if (id != form1::kHScrollRepeat && id != form1::kHScrollSpeed) return;
    const std::int32_t max = id == form1::kHScrollRepeat ? kRepeatMax : kSpeedMax;
    SCROLLINFO scroll{sizeof scroll, SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(bar, SB_CTL, &scroll);
    int position = scroll.nPos;
    switch (code) {
        case SB_LINELEFT: position -= 1; break;
        case SB_LINERIGHT: position += 1; break;
        case SB_PAGELEFT: position -= static_cast<int>(scroll.nPage); break;
        case SB_PAGERIGHT: position += static_cast<int>(scroll.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = scroll.nTrackPos; break;
        case SB_LEFT: position = 0; break;
        case SB_RIGHT: position = max; break;
        default: return;
    }
    if (position == scroll.nPos) return;
    // The sliders are script settings: they travel with the file and make the script modified.
    if (id == form1::kHScrollRepeat) {
        OnRepeatSlider(context_, position);
    } else {
        OnSpeedSlider(context_, position);
    }
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
        case appmsg::kDeferredLoad:
            // A path naming no file is ignored; a refused one has shown its box and leaves a new, empty script.
            static_cast<void>(OnStartUp(context_, commandLinePath_));
            return true;
        case appmsg::kRecordToggle: OnRecordToggleMessage(context_); return true;
        case appmsg::kPlayToggle: OnPlayToggleMessage(context_, static_cast<std::uint64_t>(wParam)); return true;
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

void Form1::OnDpiChanged(int dpi, const RECT& suggested) noexcept {
    dpi_ = dpi;
    HWND hwnd = FormWindow::Handle();
    ::SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ui::LayoutControls(hwnd, form1::kControls, dpi_);
    ApplyFonts();
    menu_.SetDpi(dpi_);
    hintOverlays_.SetDpi(dpi_);
    LayoutStrip();
}

void Form1::CloseAnswered() noexcept {
    hooks_.Remove();
    // The placement is the one setting written at exit.
    SaveWindowPlacement(win32_.windows, win32_.profile, SettingsFilePath(info_.programFolder),
                        win32::FromHwnd(FormWindow::Handle()));
    ::DestroyWindow(FormWindow::Handle());
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == ui::TrayIcon::TaskbarCreatedMessage() && message != 0) {
        tray_.Readd();
        return 0;
    }
    if (OnPrivateMessage(message, wParam, lParam)) return 0;
    switch (message) {
        case WM_SIZE: LayoutStrip(); return 0;
        case WM_TIMER:
            if (wParam == form1::kTimer1) OnTimer();
            return 0;
        case WM_HSCROLL: OnHScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam)); return 0;
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_MEASUREITEM: {
            auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure.CtlType == ODT_LISTBOX) {
                measure.itemHeight = static_cast<UINT>(LogicalToScreen(form1::kList1ItemHeight96, dpi_));
                return TRUE;
            }
            if (menu_.OnMeasureItem(measure)) return TRUE;
            break;
        }
        case WM_DRAWITEM: {
            const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (draw.CtlType == ODT_LISTBOX && draw.CtlID == form1::kList1) {
                DrawEventListLine(draw, listLookup_, dpi_);
                return TRUE;
            }
            if (menu_.OnDrawItem(draw)) return TRUE;
            break;
        }
        case appmsg::kTrayCallback: OnTrayMessage(lParam); return 0;
        case WM_CLOSE:
            if (OnCloseRequest(context_)) CloseAnswered();
            return 0;
        case WM_QUERYENDSESSION:
            return sessionEnd_.Query(FormWindow::Handle(), [this] { return OnCloseRequest(context_); });
        case WM_ENDSESSION:
            // The close request was answered in the query; the process ends once this returns.
            if (ui::SessionEnd::Ending(wParam)) CloseAnswered();
            return 0;
        case WM_DESTROY:
            ::KillTimer(FormWindow::Handle(), form1::kTimer1);
            CloseHintWindow();
            tray_.Remove();
            about_.Close();
            ::RemoveWindowSubclass(Child(form1::kPicture1), &StripProc, 1);
            ::PostQuitMessage(0);
            return 0;
        case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
        default: break;
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace xd::event_list
