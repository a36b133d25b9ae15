// Form1's controls as the form designer holds them: ids, kinds and geometry in 96-DPI units. The toolbar
// strip and the sliders sit where the script edition has them; below them the event list on the left and
// the selected event's details on the right.
#pragma once
#include <windows.h>

#include <array>

#include "ui/ControlTable.h"

namespace xd::event_list::form1 {

enum ControlId : int {
    kTrayIcon1 = 109,
    kLabel1Repeat = 110,
    kHScrollRepeat = 112,
    kHScrollSpeed = 113,
    kLabel1Speed = 114,
    kCommand5 = 116,  // 设置
    kCommand6 = 117,  // 继续录制
    kPicture1 = 118,
    kList1 = 120,
    kTimer1 = 128,
    kLabelTitle = 140,
    kTextTitle = 141,
    kLabelClass = 142,
    kTextClass = 143,
    kLabelScreen = 144,
    kTextScreen = 145,
    kLabelWindow = 146,
    kTextWindow = 147,
    kOption1 = 150,  // the eleven kind options: kOption1 + 0..10
    kCheckLeft = 170,
    kCheckRight = 171,
    kCheckMiddle = 172,
    kCheckCtrl = 173,
    kCheckShift = 174,
    kLabelDelay = 180,
    kTextDelay = 181,
    kLabelDelayUnit = 182,
    kLabelGroupNote = 183,
    kCommandDelete = 190,
    kCommandInsert = 191,
};

constexpr int kKindOptionCount = 11;
constexpr UINT kTimer1IntervalMs = 100;
constexpr int kList1ItemHeight96 = 17;
// Window sizes in 96-DPI units, width then height.
constexpr int kCompactWidth = 275, kCompactHeight = 76;
constexpr int kExpandedWidth = 510, kExpandedHeight = 360;
// Picture1 is as high as this while the window is compact, and kStripHeightFull otherwise.
constexpr int kStripHeightCompact = 49;
constexpr int kStripHeightFull = 52;

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
constexpr DWORD kDetailLabel = SS_LEFT | SS_NOPREFIX;  // shown with a selected event
constexpr DWORD kReadOnlyBox = WS_BORDER | ES_AUTOHSCROLL | ES_READONLY;
constexpr DWORD kOption = WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr DWORD kCheck = WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

// Sliders come before Picture1 so they stay above the strip they overlap. Label1 stays hidden: the strip
// paints its captions itself. The detail controls start hidden: they show once a line is selected.
inline const std::array<ui::ControlSpec, 38> kControls{{
    {L"HScroll1(0)", L"ScrollBar", kHScrollRepeat, 276, 27, 106, 16, WS_VISIBLE | SBS_HORZ | WS_TABSTOP, 0, nullptr},
    {L"HScroll1(1)", L"ScrollBar", kHScrollSpeed, 395, 27, 106, 16, WS_VISIBLE | SBS_HORZ | WS_TABSTOP, 0, nullptr},
    {L"Picture1", L"Static", kPicture1, 0, 0, 272, 52, WS_VISIBLE | SS_NOTIFY | WS_CLIPSIBLINGS, 0, nullptr},
    {L"Label1(0)", L"Static", kLabel1Repeat, 278, 7, 115, 17, SS_LEFT | SS_NOPREFIX, 0, L"回放次数：无限"},
    {L"Label1(1)", L"Static", kLabel1Speed, 397, 7, 99, 17, SS_LEFT | SS_NOPREFIX, 0, L"回放速度：正常"},
    {L"List1", L"ListBox", kList1, 4, 57, 238, 264,
     WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED |
         LBS_NODATA,
     0, nullptr},

    {L"LabelTitle", L"Static", kLabelTitle, 250, 60, 34, 17, kDetailLabel, 0, L"标题:"},
    {L"TextTitle", L"Edit", kTextTitle, 286, 57, 216, 21, kReadOnlyBox, 0, nullptr},
    {L"LabelClass", L"Static", kLabelClass, 250, 84, 34, 17, kDetailLabel, 0, L"类名:"},
    {L"TextClass", L"Edit", kTextClass, 286, 81, 216, 21, kReadOnlyBox, 0, nullptr},
    {L"LabelScreen", L"Static", kLabelScreen, 250, 108, 34, 17, kDetailLabel, 0, L"屏幕:"},
    {L"TextScreen", L"Edit", kTextScreen, 286, 105, 90, 21, kReadOnlyBox, 0, nullptr},
    {L"LabelWindow", L"Static", kLabelWindow, 380, 108, 34, 17, kDetailLabel, 0, L"窗口:"},
    {L"TextWindow", L"Edit", kTextWindow, 414, 105, 88, 21, kReadOnlyBox, 0, nullptr},

    // Three columns, in the order of the kinds; the first starts the radio group.
    {L"Option1(0)", L"Button", kOption1 + 0, 250, 131, 84, 18, kOption | WS_GROUP, 0, L"按下左键"},
    {L"Option1(1)", L"Button", kOption1 + 1, 334, 131, 84, 18, kOption, 0, L"释放左键"},
    {L"Option1(2)", L"Button", kOption1 + 2, 418, 131, 84, 18, kOption, 0, L"按下中键"},
    {L"Option1(3)", L"Button", kOption1 + 3, 250, 150, 84, 18, kOption, 0, L"释放中键"},
    {L"Option1(4)", L"Button", kOption1 + 4, 334, 150, 84, 18, kOption, 0, L"按下右键"},
    {L"Option1(5)", L"Button", kOption1 + 5, 418, 150, 84, 18, kOption, 0, L"释放右键"},
    {L"Option1(6)", L"Button", kOption1 + 6, 250, 169, 84, 18, kOption, 0, L"移动"},
    {L"Option1(7)", L"Button", kOption1 + 7, 334, 169, 84, 18, kOption, 0, L"向前滚轮"},
    {L"Option1(8)", L"Button", kOption1 + 8, 418, 169, 84, 18, kOption, 0, L"向后滚轮"},
    {L"Option1(9)", L"Button", kOption1 + 9, 250, 188, 84, 18, kOption, 0, L"向左滚轮"},
    {L"Option1(10)", L"Button", kOption1 + 10, 334, 188, 84, 18, kOption, 0, L"向右滚轮"},

    {L"Check1(0)", L"Button", kCheckLeft, 250, 214, 56, 18, kCheck | WS_GROUP, 0, L"左键"},
    {L"Check1(1)", L"Button", kCheckRight, 306, 214, 56, 18, kCheck, 0, L"右键"},
    {L"Check1(2)", L"Button", kCheckMiddle, 362, 214, 56, 18, kCheck, 0, L"中键"},
    {L"Check1(3)", L"Button", kCheckCtrl, 250, 233, 84, 18, kCheck, 0, L"键盘:Ctrl"},
    {L"Check1(4)", L"Button", kCheckShift, 334, 233, 90, 18, kCheck, 0, L"键盘:Shift"},

    {L"LabelDelay", L"Static", kLabelDelay, 250, 262, 34, 17, kDetailLabel, 0, L"时间:"},
    {L"TextDelay", L"Edit", kTextDelay, 286, 259, 80, 21, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_NUMBER, 0,
     nullptr},
    {L"LabelDelayUnit", L"Static", kLabelDelayUnit, 370, 262, 50, 17, kDetailLabel, 0, L"(毫秒)"},
    {L"LabelGroupNote", L"Static", kLabelGroupNote, 250, 134, 252, 36, kDetailLabel, 0,
     L"这是脚本组，双击可以打开或关闭脚本项"},

    {L"CommandDelete", L"Button", kCommandDelete, 250, 294, 56, 27, kButton | WS_DISABLED, 0, L"删除"},
    {L"CommandInsert", L"Button", kCommandInsert, 310, 294, 64, 27, kButton | WS_DISABLED, 0, L"插入1条"},
    {L"Command6", L"Button", kCommand6, 378, 294, 66, 27, kButton, 0, L"继续录制"},
    {L"Command5", L"Button", kCommand5, 448, 294, 54, 27, kButton, 0, L"设置"},
}};

// What any selected line shows: its first event's window and position.
inline constexpr std::array<int, 8> kDetailControls{kLabelTitle,  kTextTitle,  kLabelClass,  kTextClass,
                                                   kLabelScreen, kTextScreen, kLabelWindow, kTextWindow};

// What a selected single event shows besides; the group note stands in their place for a group.
inline constexpr std::array<int, 19> kSingleEventControls{
    kOption1,     kOption1 + 1, kOption1 + 2, kOption1 + 3, kOption1 + 4, kOption1 + 5, kOption1 + 6,
    kOption1 + 7, kOption1 + 8, kOption1 + 9, kOption1 + 10, kCheckLeft,  kCheckRight,  kCheckMiddle,
    kCheckCtrl,   kCheckShift,  kLabelDelay,  kTextDelay,   kLabelDelayUnit};

}  // namespace xd::event_list::form1
