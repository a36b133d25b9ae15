#include "Form1.h"

#include <commctrl.h>
#include <shellapi.h>

#include <thread>

#include "Form1Layout.h"
#include "ProgramName.h"
#include "appcore/window/ToolbarDrawing.h"
#include "documents/editor/CommandHelp.h"
#include "documents/editor/EditMenu.h"
#include "platform/Text.h"
#include "recorder/StatusTick.h"
#include "recorder/app/Activities.h"
#include "recorder/app/MainWindowEvents.h"
#include "ui/Dpi.h"
#include "ui/HelpPage.h"
#include "ui/ToolbarStripPainter.h"
#include "ui/WindowClass.h"

namespace xd::script_edition {
namespace {

constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_TOPMOST;
constexpr UINT kTrayCallback = WM_APP + 1;
constexpr wchar_t kUiFontFace[] = L"Microsoft YaHei";
constexpr int kUiFontPoints = 9;
constexpr int kMenuGlyphPoints = 14;
constexpr int kHelpHoverDelayMs = 300;

// The help page ships as a resource and is written out under this name when asked for.
constexpr char kHelpPageFileName[] = "迅点小侠4帮助.html";

// PopupMenu1: glyph and colour beside each command.
constexpr ui::GlyphMenuItem kHelpMenuItems[] = {
    {helpmenu::kSettings, L"设置", 0xE78E, RGB(0x00, 0x00, 0xCD)},
    {helpmenu::kHelp, L"帮助", 0xE783, RGB(0x00, 0x64, 0x00)},
    {helpmenu::kAbout, L"关于", 0xE77E, RGB(0x80, 0x00, 0x80)},
    {105, nullptr, 0, 0},
    {helpmenu::kShow, L"显示", 0xEC86, RGB(0x80, 0x80, 0x80)},
    {helpmenu::kHide, L"隐藏", 0xEBE3, RGB(0x00, 0x00, 0x00)},
};

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
            form->OnStripMouse(message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : message,
                               PointOf(lParam),
                               (wParam & MK_LBUTTON) != 0);
            return 0;
        default: return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
}

}  // namespace

Form1::Form1(win32::Win32Platform& platform)
    : win32_(platform),
      context_{model_, editor_, *this, *this, platform.platform(), MakeHooks()},
      recording_(context_) {}

Form1::~Form1() {
    if (uiFont_) ::DeleteObject(uiFont_);
    if (helpImage_) ::DeleteObject(helpImage_);
    if (largeIcon_) ::DestroyIcon(largeIcon_);
    if (smallIcon_) ::DestroyIcon(smallIcon_);
}

MainWindowHooks Form1::MakeHooks() {
    MainWindowHooks hooks;
    hooks.openSettingsDialog = [this] { settings_.Open(context_); };
    hooks.openHelpPage = [this] {
        Platform platform = win32_.platform();
        ui::ShowHelpPage(instance_, platform, kHelpPageFileName, model_.window.info.programFolder,
                         model_.window.info.productName, FormWindow::Handle());
    };
    hooks.showAboutWindow = [this] {
        const ApplicationInfo& info = model_.window.info;
        about_.Show(instance_, FormWindow::Handle(),
                    {kInternalName, info.productName, info.productVersion, info.fileDescription}, dpi_);
    };
    return hooks;
}

bool Form1::Create(HINSTANCE instance, const ApplicationInfo& info, std::string commandLinePath) noexcept {
    instance_ = instance;
    const std::wstring className = ui::FormClassName(kInternalName, L"Form1");
    if (!ScintillaEditor::RegisterClasses(instance)) return false;
    largeIcon_ = static_cast<HICON>(::LoadImageW(instance, L"ICON_ZHU", IMAGE_ICON, 48, 48, 0));
    smallIcon_ = static_cast<HICON>(::LoadImageW(instance, L"ICON_ZHU", IMAGE_ICON, 32, 32, 0));
    if (!ui::RegisterFormClass(instance, {.name = className.c_str(),
                                          .windowProc = &Form1::WindowProc,
                                          .icon = largeIcon_,
                                          .smallIcon = smallIcon_})) {
        return false;
    }
    // Loaded before any control exists, so the strip and the menus find the face by name.
    static_cast<void>(iconFont_.Load(instance, L"ICONFONT"));

    dpi_ = ui::DpiOf(nullptr);
    RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const SIZE compact = ui::ScaleSize(kCompactWindowSize.width, kCompactWindowSize.height, dpi_);
    const int x = work.left + (work.right - work.left - compact.cx) / 2;
    const int y = work.top + (work.bottom - work.top - compact.cy) / 2;
    // Created compact: restoring the placement shows the window, and it must not flash at full size first.
    HWND hwnd = ::CreateWindowExW(kFormExStyle, className.c_str(), Widen(ApplicationTitle(info)).c_str(), kFormStyle,
                                  x, y, compact.cx, compact.cy, nullptr, nullptr, instance, this);
    if (!hwnd) return false;
    dpi_ = ui::DpiOf(hwnd);
    if (!CreateChildren()) return false;
    if (!playback_.Install(instance, dpi_, context_.hooks, hwnd)) return false;
    // The mouse hook's click demonstration shares the click-effect ring, and its lock, with the runner.
    recording_.SetClickEffect([this](Point screen, std::uint32_t message) { playback_.ShowClickEffectAt(screen, message); });
    // The hooks live as long as the window; without them the hotkeys and recording do nothing, the rest works.
    const bool hooksInstalled = recording_.Start(hwnd);

    static_cast<void>(helpMenu_.Create(kHelpMenuItems, L"iconfont", kMenuGlyphPoints, kUiFontFace, kUiFontPoints, dpi_));
    static_cast<void>(tray_.Add(hwnd, form1::kTrayIcon1, kTrayCallback, smallIcon_, Widen(ApplicationTitle(info))));
    RunFirstLoadStage(context_, info, std::move(commandLinePath));
    // After the first stage, which starts the window's state afresh.
    model_.window.hooksNotice.SetInstalled(hooksInstalled);
    ::SetTimer(hwnd, form1::kTimer1, form1::kTimer1IntervalMs, nullptr);
    return true;
}

bool Form1::CreateChildren() noexcept {
    HWND hwnd = FormWindow::Handle();
    if (!ui::CreateControls(hwnd, form1::kControls, dpi_)) return false;
    if (!ui::CreateControls(hwnd, std::span(&form1::kImage1Spec, 1), dpi_)) return false;
    if (!editor_.Attach(Child(form1::kScintilla1), dpi_)) return false;

    for (Slider slider : {Slider::Repeat, Slider::Speed}) {
        HWND bar = Child(slider == Slider::Repeat ? form1::kHScrollRepeat : form1::kHScrollSpeed);
        const SliderRange range = SliderRangeOf(slider);
        // Arrow step 1 is the scroll bar's own; the page step of 10 is the page size below.
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE, range.min, range.max + 9, 10,
                        slider == Slider::Repeat ? 0 : kSpeedSliderStartPosition, 0};
        ::SetScrollInfo(bar, SB_CTL, &info, FALSE);
    }
    ::SetWindowSubclass(Child(form1::kPicture1), &StripProc, 1, reinterpret_cast<DWORD_PTR>(this));
    ApplyFonts();
    return true;
}

void Form1::ApplyFonts() noexcept {
    if (uiFont_) ::DeleteObject(uiFont_);
    uiFont_ = ui::CreatePointFont(kUiFontFace, kUiFontPoints, dpi_);
    for (const ui::ControlSpec& c : form1::kControls) {
        if (c.id != form1::kScintilla1 && c.id != form1::kPicture1) {
            ::SendMessageW(Child(c.id), WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_), TRUE);
        }
    }
    ::SendMessageW(Child(form1::kList1), LB_SETITEMHEIGHT, 0, LogicalToScreen(form1::kList1ItemHeight96, dpi_));

    if (helpImage_) ::DeleteObject(helpImage_);
    const Rect box = ui::ScaleBox(form1::kImage1Spec.x, form1::kImage1Spec.y, form1::kImage1Spec.width, form1::kImage1Spec.height, dpi_);
    helpImage_ = ui::LoadPngResource(instance_, L"RCDATA_ZHU", box.Width(), box.Height(), ::GetSysColor(COLOR_BTNFACE));
    ::SendMessageW(Child(form1::kImage1), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(helpImage_));
    ::SetWindowPos(Child(form1::kImage1), nullptr, box.left, box.top, box.Width(), box.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::Show(int showCommand) noexcept {
    ::ShowWindow(FormWindow::Handle(), showCommand);
    ::UpdateWindow(FormWindow::Handle());
    FocusEditor();
}

void Form1::LayoutStrip() noexcept {
    RECT client{};
    ::GetClientRect(FormWindow::Handle(), &client);
    const int width = client.right - client.left;
    const bool compact = width <= LogicalToScreen(kCompactWindowSize.width, dpi_);
    const int height = LogicalToScreen(compact ? form1::kStripHeightCompact : form1::kStripHeightFull, dpi_);
    ::SetWindowPos(Child(form1::kPicture1), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::OnTimer() noexcept {
    HWND hwnd = FormWindow::Handle();
    // The tick may open a message box (a stop that ends playback); it must not run again meanwhile.
    ::KillTimer(hwnd, form1::kTimer1);
    if (const UINT delay = playback_.TickDelayMs(); delay != 0) {
        ::SetTimer(hwnd, form1::kTimer1, delay, nullptr);
        return;
    }
    const StatusTickResult result = playback_.Tick(model_.window, editor_, recording_.CheckHooks());
    if (result.stopPlayback) TogglePlayback(context_);
    if (result.redraw) RedrawToolbar();
    if (::IsWindow(hwnd)) ::SetTimer(hwnd, form1::kTimer1, form1::kTimer1IntervalMs, nullptr);
}

void Form1::OnHScroll(HWND bar, int code) noexcept {
    const int id = ::GetDlgCtrlID(bar);
    if (id != form1::kHScrollRepeat && id != form1::kHScrollSpeed) return;
    const Slider slider = id == form1::kHScrollRepeat ? Slider::Repeat : Slider::Speed;
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(bar, SB_CTL, &info);
    int position = info.nPos;
    switch (code) {
        case SB_LINELEFT: position -= 1; break;
        case SB_LINERIGHT: position += 1; break;
        case SB_PAGELEFT: position -= static_cast<int>(info.nPage); break;
        case SB_PAGERIGHT: position += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = info.nTrackPos; break;
        case SB_LEFT: position = info.nMin; break;
        case SB_RIGHT: position = SliderRangeOf(slider).max; break;
        default: return;
    }
    position = ClampSliderPosition(slider, position);
    if (position == info.nPos) return;
    ::SetScrollPos(bar, SB_CTL, position, TRUE);
    OnSliderMoved(context_, slider);
}

void Form1::OnCommand(int id, int code) noexcept {
    switch (id) {
        case form1::kCommand5:
            if (code == BN_CLICKED && context_.hooks.openSettingsDialog) context_.hooks.openSettingsDialog();
            break;
        case form1::kCommand6:
            if (code == BN_CLICKED) OnContinueRecording(context_);
            break;
        case form1::kList1:
            if (code == LBN_SELCHANGE) {
                const auto index = ::SendMessageW(Child(form1::kList1), LB_GETCURSEL, 0, 0);
                if (index != LB_ERR) ShowCommandHelp(*this, static_cast<int>(index));
            }
            break;
        default: break;
    }
}

void Form1::OnEditorContextMenu(LPARAM lParam) noexcept {
    POINT at = PointOf(lParam);
    if (lParam == -1) ::GetCursorPos(&at);  // from the keyboard
    HMENU menu = ::CreatePopupMenu();
    if (!menu) return;
    for (const EditMenuItem& item : BuildEditMenu(editor_)) {
        if (item.separator) {
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            ::AppendMenuW(menu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), static_cast<UINT_PTR>(item.id),
                          Widen(item.text).c_str());
        }
    }
    const int chosen = static_cast<int>(::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x,
                                                         at.y, 0, FormWindow::Handle(), nullptr));
    ::DestroyMenu(menu);
    if (chosen) static_cast<void>(RunEditCommand(editor_, chosen));
}

void Form1::PaintStrip(HWND strip) noexcept {
    ui::PaintToolbarStrip(
        strip, [this](Point size) { return DescribeToolbarStrip(model_.window, dpi_, size); }, iconFont_.Family(),
        dpi_);
}

void Form1::OnStripMouse(UINT message, POINT p, bool leftButtonHeld) noexcept {
    HWND strip = Child(form1::kPicture1);
    const Point at{p.x, p.y};
    HoverOutcome outcome;
    switch (message) {
        case WM_MOUSEMOVE:
            if (!trackingLeave_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, strip, 0};
                trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
            }
            outcome = OnStripPointerMove(model_.window, at, dpi_, leftButtonHeld);
            break;
        case WM_LBUTTONDOWN:
            // Captured, so the release is seen even off the strip.
            ::SetCapture(strip);
            outcome = OnStripButtonDown(model_.window, at, dpi_);
            break;
        case WM_LBUTTONUP:
            if (::GetCapture() == strip) ::ReleaseCapture();
            outcome = OnStripButtonUp(model_.window, at, dpi_);
            break;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            outcome = OnStripPointerLeave(model_.window);
            break;
        default: return;
    }
    ApplyHoverOutcome(outcome);
}

void Form1::ApplyHoverOutcome(const HoverOutcome& outcome) noexcept {
    if (outcome.startHelpHoverTimer) {
        HWND hwnd = FormWindow::Handle();
        try {
            std::thread([hwnd] {
                ::Sleep(kHelpHoverDelayMs);
                ::PostMessageW(hwnd, appmsg::kHelpHoverElapsed, 0, 0);
            }).detach();
        } catch (...) {
            // No thread, no help picture: nothing else depends on it.
        }
    }
    if (outcome.restoreEditorView) ShowHelpImage(false);
    if (outcome.redraw) RedrawToolbar();
    if (outcome.command != ToolbarCommand::None) {
        RunToolbarCommand(context_, outcome.command);
        RedrawToolbar();
    }
}

void Form1::OnDpiChanged(int dpi, const RECT& suggested) noexcept {
    dpi_ = dpi;
    HWND hwnd = FormWindow::Handle();
    ::SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ui::LayoutControls(hwnd, form1::kControls, dpi_);
    ApplyFonts();
    helpMenu_.SetDpi(dpi_);
    LayoutStrip();
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == ui::TrayIcon::TaskbarCreatedMessage() && message != 0) {
        tray_.Readd();
        return 0;
    }
    switch (message) {
        case WM_SIZE: LayoutStrip(); return 0;
        case WM_TIMER:
            if (wParam == form1::kTimer1) OnTimer();
            return 0;
        case WM_HSCROLL: OnHScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam)); return 0;
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            // SCN_UPDATEUI (2007) of the editor.
            if (header && header->idFrom == form1::kScintilla1 && header->code == 2007) OnEditorUpdateUi(context_);
            return 0;
        }
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) == editor_.Handle()) {
                OnEditorContextMenu(lParam);
                return 0;
            }
            break;
        case WM_MEASUREITEM:
            if (helpMenu_.OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_DRAWITEM:
            if (helpMenu_.OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case kTrayCallback:
            if (lParam == WM_LBUTTONDOWN) OnTrayButtonDown(context_, TrayButton::Left);
            if (lParam == WM_RBUTTONDOWN) OnTrayButtonDown(context_, TrayButton::Right);
            return 0;
        case WM_CLOSE:
            if (OnCloseRequest(context_)) ::DestroyWindow(FormWindow::Handle());
            return 0;
        case WM_QUERYENDSESSION:
            return sessionEnd_.Query(FormWindow::Handle(), [this] { return OnCloseRequest(context_); });
        case WM_ENDSESSION:
            // The close request was answered in the query; the process ends once this returns.
            if (ui::SessionEnd::Ending(wParam)) ::DestroyWindow(FormWindow::Handle());
            return 0;
        case WM_DESTROY:
            ::KillTimer(FormWindow::Handle(), form1::kTimer1);
            recording_.Stop();
            tray_.Remove();
            about_.Close();
            ::RemoveWindowSubclass(Child(form1::kPicture1), &StripProc, 1);
            ::PostQuitMessage(0);
            return 0;
        case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
        case appmsg::kDeferredLoad: {
            // The first layout happens with the real client size, before the script fills the controls.
            RECT client{};
            ::GetClientRect(FormWindow::Handle(), &client);
            ::SendMessageW(FormWindow::Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
            break;
        }
        default: break;
    }
    if (recording_.HandleMessage(message)) return 0;
    if (message >= WM_USER && HandleCustomMessage(context_, message, wParam)) return 0;
    return DefaultProc(message, wParam, lParam);
}

}  // namespace xd::script_edition
