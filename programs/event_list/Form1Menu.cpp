// Form1's menu, opened from the toolbar's last button and by the tray icon's right button: settings, help,
// about, 生成软件 (a program made from the script), show and hide; the tray icon's left button; and the
// settings dialog.
#include "Form1.h"

#include <utility>

#include "Form1Layout.h"
#include "ProgramName.h"
#include "eventlist/app/EventListCommands.h"
#include "platform/win32/WinHeaders.h"

namespace xd::event_list {
namespace {

enum MenuCommand : int { kSettings = 101, kHelp = 102, kAbout = 103, kMakeProgram = 104, kShow = 106, kHide = 107 };

// The help page ships as a resource and is written out under this name when asked for.
constexpr char kHelpPageFileName[] = "迅点小侠帮助.html";
constexpr char kBoxCaption[] = "迅点小侠";
// The glyph and colour beside each command.
constexpr ui::GlyphMenuItem kMenuItems[] = {
    {kSettings, L"设置", 0xE78E, RGB(0x00, 0x00, 0xCD)},
    {kHelp, L"帮助", 0xE783, RGB(0x00, 0x64, 0x00)},
    {kAbout, L"关于", 0xE77E, RGB(0x80, 0x00, 0x80)},
    {kMakeProgram, L"生成软件", 0xE6F5, RGB(0xB4, 0x00, 0xB0)},
    {105, nullptr, 0, 0},
    {kShow, L"显示", 0xEC86, RGB(0x80, 0x80, 0x80)},
    {kHide, L"隐藏", 0xEBE3, RGB(0x00, 0x00, 0x00)},
};

}  // namespace

bool Form1::CreateMenu() noexcept { return MainWindow::CreateMenu(kMenuItems); }

void Form1::OnMenuCommand(int command) noexcept {
    switch (command) {
        case kSettings: OpenSettings(); break;
        case kHelp: ShowHelp(kHelpPageFileName, info_.programFolder, kBoxCaption); break;
        case kAbout: ShowAbout(info_); break;
        case kMakeProgram: static_cast<void>(OnMakeProgramCommand(context_, win32_.copies)); break;
        case kShow: ShowWindowTo(true); break;
        case kHide: ShowWindowTo(false); break;
        default: break;
    }
}

void Form1::OpenSettings() noexcept {
    Form2Context context{model_.options, win32_.profile, model_.settingsFile, win32_.registry,
                         win32_.boxes, info_.programFolder + info_.programFileName, [this] {
                             // The script's play settings follow the options it carries.
                             OnEventOptionsChanged(context_);
                             // The button hints name the hotkeys.
                             window_.recordKey = model_.options.recordKey;
                             window_.playKey = model_.options.playKey;
                             RedrawStrip();
                         }};
    settingsDialog_.Open(instance_, FormWindow::Handle(), std::move(context));
}

void Form1::OnTrayMouse(LPARAM mouseMessage) noexcept {
    if (mouseMessage == WM_LBUTTONDOWN) ShowWindowTo(true);
    // The menu closes when the user clicks elsewhere only if its owner is the foreground window.
    if (mouseMessage == WM_RBUTTONDOWN) ShowMenuAtPointer(true);
}

}  // namespace xd::event_list
