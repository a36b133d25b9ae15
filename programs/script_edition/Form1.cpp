#include "Form1.h"

#include <commctrl.h>

#include <thread>

#include "Form1Layout.h"
#include "ProgramName.h"
#include "documents/editor/CommandHelp.h"
#include "documents/editor/EditMenu.h"
#include "platform/Text.h"
#include "recorder/StatusTick.h"
#include "recorder/app/Activities.h"
#include "recorder/app/MainWindowEvents.h"
#include "recorder/app/UnattendedPlayback.h"
#include "recorder/app/ScriptProgram.h"
#include "ui/Dpi.h"
#include "ui/UnattendedStart.h"

namespace xd::script_edition {
namespace {

constexpr UINT kTrayCallback = WM_APP + 1;
constexpr int kHelpHoverDelayMs = 300;

// Mouse coordinates are signed 16-bit halves of lParam.
POINT PointOf(LPARAM lParam) noexcept {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// The help page ships as a resource and is written out under this name when asked for.
constexpr char kHelpPageFileName[] = "迅点小侠4帮助.html";

// PopupMenu1: glyph and colour beside each command.
constexpr ui::GlyphMenuItem kHelpMenuItems[] = {
    {helpmenu::kSettings, L"设置", 0xE78E, RGB(0x00, 0x00, 0xCD)},
    {helpmenu::kHelp, L"帮助", 0xE783, RGB(0x00, 0x64, 0x00)},
    {helpmenu::kAbout, L"关于", 0xE77E, RGB(0x80, 0x00, 0x80)},
    {helpmenu::kMakeProgram, L"生成软件", 0xE6F5, RGB(0xB4, 0x00, 0xB0)},
    {105, nullptr, 0, 0},
    {helpmenu::kShow, L"显示", 0xEC86, RGB(0x80, 0x80, 0x80)},
    {helpmenu::kHide, L"隐藏", 0xEBE3, RGB(0x00, 0x00, 0x00)},
};

// In the order of ui::MainWindowSpec: the controls, the strip, the list, the control with a font of its own,
// the compact size, the status tick and the tray icon.
constexpr ui::MainWindowSpec kMainWindowSpec{
    kInternalName, form1::kControls, form1::kPicture1, form1::kStripHeightCompact, form1::kStripHeightFull,
    form1::kList1, form1::kList1ItemHeight96, form1::kScintilla1, kCompactWindowSize.width, kCompactWindowSize.height,
    form1::kTimer1, form1::kTimer1IntervalMs, form1::kTrayIcon1, kTrayCallback};

}  // namespace

Form1::Form1(win32::Win32Platform& platform)
    : MainWindow(platform, kMainWindowSpec),
      context_{model_, editor_, *this, *this, platform.platform(), MakeHooks()},
      recording_(context_) {}

Form1::~Form1() {
    if (helpImage_) ::DeleteObject(helpImage_);
}

MainWindowHooks Form1::MakeHooks() {
    MainWindowHooks hooks;
    hooks.openSettingsDialog = [this] { settings_.Open(context_); };
    hooks.openHelpPage = [this] {
        ShowHelp(kHelpPageFileName, model_.window.info.programFolder, model_.window.info.productName);
    };
    hooks.showAboutWindow = [this] { ShowAbout(model_.window.info); };
    hooks.makeProgram = [this] { static_cast<void>(MakeScriptProgram(context_, win32_.copies)); };
    return hooks;
}

bool Form1::Create(HINSTANCE instance, const ApplicationInfo& info, std::string commandLinePath) noexcept {
    if (!ScintillaEditor::RegisterClasses(instance)) return false;
    HWND hwnd = CreateMainWindow(instance, &Form1::WindowProc, ApplicationTitle(info), this);
    if (!hwnd) return false;
    if (!CreateChildren()) return false;
    if (!playback_.Install(instance, dpi_, context_.hooks, hwnd)) return false;
    // The mouse hook's click demonstration shares the click-effect ring, and its lock, with the runner.
    recording_.SetClickEffect([this](Point screen, std::uint32_t message) { playback_.ShowClickEffectAt(screen, message); });
    // The hooks live as long as the window; without them the hotkeys and recording do nothing, the rest works.
    const bool hooksInstalled = recording_.Start(hwnd);

    static_cast<void>(CreateMenu(kHelpMenuItems));
    AddTrayIcon(ApplicationTitle(info));
    RunFirstLoadStage(context_, info, std::move(commandLinePath));
    // After the first stage, which starts the window's state afresh.
    model_.window.hooksNotice.SetInstalled(hooksInstalled);
    StartStatusTick();
    return true;
}

bool Form1::CreateChildren() noexcept {
    if (!MainWindow::CreateControls()) return false;
    if (!ui::CreateControls(FormWindow::Handle(), std::span(&form1::kImage1Spec, 1), dpi_)) return false;
    if (!editor_.Attach(Child(form1::kScintilla1), dpi_)) return false;
    for (Slider slider : {Slider::Repeat, Slider::Speed}) {
        SetUpSlider(slider == Slider::Repeat ? form1::kHScrollRepeat : form1::kHScrollSpeed, SliderRangeOf(slider).min,
                    SliderRangeOf(slider).max, slider == Slider::Repeat ? 0 : kSpeedSliderStartPosition);
    }
    ApplyFonts();
    return true;
}

void Form1::OnFontsApplied() noexcept {
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

bool Form1::StripExpanded() noexcept {
    RECT client{};
    ::GetClientRect(FormWindow::Handle(), &client);
    return client.right - client.left > LogicalToScreen(kCompactWindowSize.width, dpi_);
}

void Form1::OnStatusTick() noexcept {
    const StatusTickResult result = playback_.Tick(model_.window, editor_, recording_.CheckHooks());
    const std::optional<bool> unattendedEnd = unattendedPlaying_ ? UnattendedPlaybackEnd(model_) : std::nullopt;
    if (result.stopPlayback) TogglePlayback(context_);
    if (result.redraw) RedrawToolbar();
    if (unattendedEnd) {
        unattendedPlaying_ = false;
        EndUnattended(*unattendedEnd);
    }
}

void Form1::StartUnattended() noexcept {
    unattendedPlaying_ = StartUnattendedPlayback(context_, unattended_->Request());
    if (!unattendedPlaying_) EndUnattended(false);
}

void Form1::OnSlider(int id, int position) noexcept {
    if (id != form1::kHScrollRepeat && id != form1::kHScrollSpeed) return;
    ::SetScrollPos(Child(id), SB_CTL, position, TRUE);
    OnSliderMoved(context_, id == form1::kHScrollRepeat ? Slider::Repeat : Slider::Speed);
}

void Form1::OnMenuCommand(int command) noexcept { static_cast<void>(RunHelpMenuCommand(context_, command)); }

void Form1::OnTrayMouse(LPARAM mouseMessage) noexcept {
    if (mouseMessage == WM_LBUTTONDOWN) OnTrayButtonDown(context_, TrayButton::Left);
    if (mouseMessage == WM_RBUTTONDOWN) OnTrayButtonDown(context_, TrayButton::Right);
}

void Form1::RunToolbarCommand(ToolbarCommand command) noexcept { xd::RunToolbarCommand(context_, command); }

bool Form1::CloseRequest() noexcept { return OnCloseRequest(context_); }

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

void Form1::OnHoverOutcome(const HoverOutcome& outcome) noexcept {
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
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const std::optional<LRESULT> result = HandleMainMessage(message, wParam, lParam)) return *result;
    switch (message) {
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
    // Unattended, the hotkeys do nothing: a copy of the program open beside this one keeps them.
    if (unattended_ && (message == appmsg::kRecordHotkey || message == appmsg::kPlayHotkey)) return 0;
    if (message >= WM_USER && HandleCustomMessage(context_, message, wParam)) {
        if (message == appmsg::kDeferredLoad && unattended_) StartUnattended();
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace xd::script_edition
