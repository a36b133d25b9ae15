#include "ui/MainWindow.h"

#include <commctrl.h>

#include "appcore/window/ToolbarDrawing.h"
#include "platform/Pixels.h"
#include "platform/Text.h"
#include "ui/Dpi.h"
#include "ui/HelpPage.h"
#include "ui/ToolbarStripPainter.h"
#include "ui/UnattendedStart.h"
#include "ui/WindowClass.h"

namespace xd::ui {
namespace {

constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_TOPMOST;
constexpr wchar_t kUiFontFace[] = L"Microsoft YaHei";
constexpr int kUiFontPoints = 9;
constexpr int kMenuGlyphPoints = 14;

// Mouse coordinates are signed 16-bit halves of lParam.
POINT PointOf(LPARAM lParam) noexcept {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

LRESULT CALLBACK StripProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* window = reinterpret_cast<MainWindow*>(data);
    switch (message) {
        case WM_PAINT: window->PaintStrip(hwnd); return 0;
        // The whole strip is painted at once from a buffer; a separate erase would flicker.
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_MOUSELEAVE:
            window->OnStripMouse(message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : message, PointOf(lParam),
                                 (wParam & MK_LBUTTON) != 0);
            return 0;
        default: return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
}

}  // namespace

MainWindow::~MainWindow() {
    if (uiFont_) ::DeleteObject(uiFont_);
    if (largeIcon_) ::DestroyIcon(largeIcon_);
    if (smallIcon_) ::DestroyIcon(smallIcon_);
}

HWND MainWindow::CreateMainWindow(HINSTANCE instance, WNDPROC windowProc, const std::string& title,
                                  void* self) noexcept {
    instance_ = instance;
    const std::wstring className = FormClassName(spec_.programName, L"Form1");
    largeIcon_ = static_cast<HICON>(::LoadImageW(instance, L"ICON_ZHU", IMAGE_ICON, 48, 48, 0));
    smallIcon_ = static_cast<HICON>(::LoadImageW(instance, L"ICON_ZHU", IMAGE_ICON, 32, 32, 0));
    if (!RegisterFormClass(instance, {.name = className.c_str(),
                                      .windowProc = windowProc,
                                      .icon = largeIcon_,
                                      .smallIcon = smallIcon_})) {
        return nullptr;
    }
    // Loaded before any control exists, so the strip and the menu find the face by name.
    static_cast<void>(iconFont_.Load(instance, L"ICONFONT"));

    dpi_ = DpiOf(nullptr);
    RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const SIZE compact = ScaleSize(spec_.compactWidth96, spec_.compactHeight96, dpi_);
    const int x = work.left + (work.right - work.left - compact.cx) / 2;
    const int y = work.top + (work.bottom - work.top - compact.cy) / 2;
    // Created compact: a window restored to its placement must not flash at full size first.
    HWND hwnd = ::CreateWindowExW(kFormExStyle, className.c_str(), Widen(title).c_str(), kFormStyle, x, y,
                                  compact.cx, compact.cy, nullptr, nullptr, instance, self);
    if (hwnd) dpi_ = DpiOf(hwnd);
    return hwnd;
}

bool MainWindow::CreateControls() noexcept {
    if (!ui::CreateControls(Window(), spec_.controls, dpi_)) return false;
    ::SetWindowSubclass(Child(spec_.stripId), &StripProc, 1, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

void MainWindow::SetUpSlider(int id, int min, int max, int position) noexcept {
    // Arrow step 1 is the scroll bar's own; the page step of 10 is the page size below.
    SCROLLINFO scroll{sizeof scroll, SIF_RANGE | SIF_POS | SIF_PAGE, min, max + 9, 10, position, 0};
    ::SetScrollInfo(Child(id), SB_CTL, &scroll, FALSE);
}

bool MainWindow::CreateMenu(std::span<const GlyphMenuItem> items) noexcept {
    return menu_.Create(items, L"iconfont", kMenuGlyphPoints, kUiFontFace, kUiFontPoints, dpi_);
}

void MainWindow::AddTrayIcon(const std::string& tip) noexcept {
    static_cast<void>(tray_.Add(Window(), spec_.trayIconId, spec_.trayCallback, smallIcon_, Widen(TrayTip(tip))));
}

std::string MainWindow::TrayTip(const std::string& tip) const {
    return unattended_ ? unattended_->TrayTip(Narrow(std::wstring(spec_.programName))) : tip;
}

void MainWindow::EndUnattended(bool stoppedByUser) noexcept {
    if (unattended_) unattended_->Finish(stoppedByUser);
    ::DestroyWindow(Window());
}

void MainWindow::StartStatusTick() noexcept { ::SetTimer(Window(), spec_.timerId, spec_.timerMs, nullptr); }

void MainWindow::ApplyFonts() noexcept {
    if (uiFont_) ::DeleteObject(uiFont_);
    uiFont_ = CreatePointFont(kUiFontFace, kUiFontPoints, dpi_);
    for (const ControlSpec& c : spec_.controls) {
        if (c.id != spec_.stripId && c.id != spec_.ownFontId) {
            ::SendMessageW(Child(c.id), WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_), TRUE);
        }
    }
    ::SendMessageW(Child(spec_.listId), LB_SETITEMHEIGHT, 0, LogicalToScreen(spec_.listItemHeight96, dpi_));
    OnFontsApplied();
}

void MainWindow::LayoutStrip() noexcept {
    RECT client{};
    ::GetClientRect(Window(), &client);
    const int width = client.right - client.left;
    const int height = LogicalToScreen(StripExpanded() ? spec_.stripHeightFull96 : spec_.stripHeightCompact96, dpi_);
    ::SetWindowPos(Child(spec_.stripId), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::PaintStrip(HWND strip) noexcept {
    PaintToolbarStrip(
        strip, [this](Point size) { return DescribeToolbarStrip(ToolbarState(), dpi_, size); }, iconFont_.Family(),
        dpi_);
}

void MainWindow::OnStripMouse(UINT message, POINT p, bool leftButtonHeld) noexcept {
    HWND strip = Child(spec_.stripId);
    MainWindowState& state = ToolbarState();
    const Point at{p.x, p.y};
    HoverOutcome outcome;
    switch (message) {
        case WM_MOUSEMOVE:
            if (!trackingLeave_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, strip, 0};
                trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
            }
            outcome = OnStripPointerMove(state, at, dpi_, leftButtonHeld);
            break;
        case WM_LBUTTONDOWN:
            // Captured, so the release is seen even off the strip.
            ::SetCapture(strip);
            outcome = OnStripButtonDown(state, at, dpi_);
            break;
        case WM_LBUTTONUP:
            if (::GetCapture() == strip) ::ReleaseCapture();
            outcome = OnStripButtonUp(state, at, dpi_);
            break;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            outcome = OnStripPointerLeave(state);
            break;
        default: return;
    }
    OnHoverOutcome(outcome);
    if (outcome.redraw) RedrawStrip();
    if (outcome.command != ToolbarCommand::None) {
        RunToolbarCommand(outcome.command);
        RedrawStrip();
    }
}

void MainWindow::ShowMenuAtPointer(bool bringToFront) noexcept {
    POINT at{};
    ::GetCursorPos(&at);
    if (bringToFront) ::SetForegroundWindow(Window());
    if (const int chosen = menu_.Track(Window(), at)) OnMenuCommand(chosen);
}

void MainWindow::ShowWindowTo(bool visible) noexcept {
    ::ShowWindow(Window(), visible ? SW_SHOW : SW_HIDE);
    if (visible) ::SetForegroundWindow(Window());
}

void MainWindow::ShowAbout(const ApplicationInfo& info) noexcept {
    about_.Show(instance_, Window(), {spec_.programName, info.productName, info.productVersion, info.fileDescription},
                dpi_);
}

void MainWindow::ShowHelp(const char* pageFileName, const std::string& programFolder,
                          const std::string& caption) noexcept {
    Platform platform = win32_.platform();
    ShowHelpPage(instance_, platform, pageFileName, programFolder, caption, Window());
}

void MainWindow::OnTimer() noexcept {
    HWND hwnd = Window();
    // The tick may open a message box (a stop that ends playback); it must not run again meanwhile.
    ::KillTimer(hwnd, spec_.timerId);
    // The tick's work stays off the playback's next action (see TickPutOff): a tick put off comes on a
    // one-off timer, after which the regular period resumes.
    if (const std::optional<std::int64_t> next = NextActionMicros()) {
        if (const UINT delay = tickPutOff_.DelayMs(win32_.clock.MonotonicMicros(), *next); delay != 0) {
            ::SetTimer(hwnd, spec_.timerId, delay, nullptr);
            return;
        }
    }
    OnStatusTick();
    if (::IsWindow(hwnd)) ::SetTimer(hwnd, spec_.timerId, spec_.timerMs, nullptr);
}

void MainWindow::OnHScroll(HWND bar, int code) noexcept {
    SCROLLINFO scroll{sizeof scroll, SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(bar, SB_CTL, &scroll);
    // The range's top holds one page more than the slider goes, so the thumb reaches the end.
    const int max = scroll.nMax - static_cast<int>(scroll.nPage) + 1;
    int position = scroll.nPos;
    switch (code) {
        case SB_LINELEFT: position -= 1; break;
        case SB_LINERIGHT: position += 1; break;
        case SB_PAGELEFT: position -= static_cast<int>(scroll.nPage); break;
        case SB_PAGERIGHT: position += static_cast<int>(scroll.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = scroll.nTrackPos; break;
        case SB_LEFT: position = scroll.nMin; break;
        case SB_RIGHT: position = max; break;
        default: return;
    }
    position = position < scroll.nMin ? scroll.nMin : position > max ? max : position;
    if (position != scroll.nPos) OnSlider(::GetDlgCtrlID(bar), position);
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) noexcept {
    dpi_ = dpi;
    ::SetWindowPos(Window(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutControls(Window(), spec_.controls, dpi_);
    ApplyFonts();
    menu_.SetDpi(dpi_);
    OnDpiChanging();
    LayoutStrip();
}

void MainWindow::OnDestroy() noexcept {
    ::KillTimer(Window(), spec_.timerId);
    OnDestroying();
    tray_.Remove();
    about_.Close();
    ::RemoveWindowSubclass(Child(spec_.stripId), &StripProc, 1);
    // Closed from the tray before the playback ended: a stop by hand.
    if (unattended_) unattended_->Finish(true);
    ::PostQuitMessage(0);
}

std::optional<LRESULT> MainWindow::HandleMainMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == TrayIcon::TaskbarCreatedMessage() && message != 0) {
        tray_.Readd();
        return 0;
    }
    if (message == spec_.trayCallback) {
        OnTrayMouse(lParam);
        return 0;
    }
    switch (message) {
        case WM_SIZE: LayoutStrip(); return 0;
        case WM_TIMER:
            if (wParam == spec_.timerId) OnTimer();
            return 0;
        case WM_HSCROLL: OnHScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam)); return 0;
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_MEASUREITEM: {
            auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (MeasureOwnItem(measure) || menu_.OnMeasureItem(measure)) return TRUE;
            return std::nullopt;
        }
        case WM_DRAWITEM: {
            const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (DrawOwnItem(draw) || menu_.OnDrawItem(draw)) return TRUE;
            return std::nullopt;
        }
        case WM_CLOSE:
            if (CloseRequest()) CloseAnswered();
            return 0;
        case WM_QUERYENDSESSION:
            return static_cast<LRESULT>(sessionEnd_.Query(Window(), [this] { return CloseRequest(); }));
        case WM_ENDSESSION:
            // The close request was answered in the query; the process ends once this returns.
            if (SessionEnd::Ending(wParam)) CloseAnswered();
            return 0;
        case WM_DESTROY: OnDestroy(); return 0;
        case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
        default: return std::nullopt;
    }
}

}  // namespace xd::ui
