// Form1's controls as the form designer holds them: ids, kinds and geometry in 96-DPI units.
#pragma once
#include <windows.h>

#include <array>

#include "ScintillaEditor.h"
#include "ui/ControlTable.h"

namespace xd::script_edition::form1 {

enum ControlId : int {
    kPicture1 = 118,
    kLabel1Repeat = 110,
    kLabel1Speed = 114,
    kHScrollRepeat = 112,
    kHScrollSpeed = 113,
    kScintilla1 = 111,
    kLabel2 = 119,
    kList1 = 120,
    kLabel3 = 121,
    kText1 = 122,
    kText2 = 132,
    kCommand6 = 117,
    kCommand5 = 116,
    kImage1 = 133,
    kTimer1 = 115,
    kTrayIcon1 = 109,
};

constexpr UINT kTimer1IntervalMs = 100;
constexpr int kList1ItemHeight96 = 18;
// Picture1 is as high as this while the window is compact, and kStripHeightFull otherwise.
constexpr int kStripHeightCompact = 49;
constexpr int kStripHeightFull = 52;

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
constexpr DWORD kEdit = WS_VISIBLE | WS_BORDER | WS_TABSTOP;

// Sliders come before Picture1 so they stay above the strip they overlap. Label1 stays hidden: the strip
// paints its captions itself (they would otherwise stand twice, a few pixels apart).
inline const std::array<ui::ControlSpec, 13> kControls{{
    {L"HScroll1(0)", L"ScrollBar", kHScrollRepeat, 276, 27, 106, 16, WS_VISIBLE | SBS_HORZ | WS_TABSTOP, 0, nullptr},
    {L"HScroll1(1)", L"ScrollBar", kHScrollSpeed, 395, 27, 106, 16, WS_VISIBLE | SBS_HORZ | WS_TABSTOP, 0, nullptr},
    {L"Picture1", L"Static", kPicture1, 0, 0, 272, 52, WS_VISIBLE | SS_NOTIFY | WS_CLIPSIBLINGS, 0,
     nullptr},
    {L"Label1(0)", L"Static", kLabel1Repeat, 278, 7, 115, 17, SS_LEFT | SS_NOPREFIX, 0, L"回放次数：无限"},
    {L"Label1(1)", L"Static", kLabel1Speed, 397, 7, 99, 17, SS_LEFT | SS_NOPREFIX, 0, L"回放速度：正常"},
    {L"Scintilla1", ScintillaEditor::kClassName, kScintilla1, 105, 56, 394, 334,
     WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CLIENTEDGE, nullptr},
    {L"Label2", L"Static", kLabel2, 8, 58, 93, 18, kLabel, 0, L"命令列表"},
    {L"List1", L"ListBox", kList1, 4, 77, 97, 127,
     WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, nullptr},
    {L"Label3", L"Static", kLabel3, 8, 209, 94, 15, kLabel, 0, L"命令说明"},
    {L"Text1", L"Edit", kText1, 5, 228, 96, 162, kEdit | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL, 0,
     nullptr},
    {L"Text2", L"Edit", kText2, 5, 397, 365, 23, kEdit | ES_AUTOHSCROLL, 0, nullptr},
    {L"Command6", L"Button", kCommand6, 378, 394, 64, 27, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
     L"继续录制"},
    {L"Command5", L"Button", kCommand5, 456, 394, 43, 27, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, L"设置"},
}};

// Image1 is created apart: its bitmap is made at the scaled size.
inline constexpr ui::ControlSpec kImage1Spec{L"Image1", L"Static", kImage1, 62, 78, 381, 306, SS_BITMAP, 0, nullptr};

// What the help image stands in for while it shows.
inline constexpr std::array<int, 8> kEditorViewControls{kLabel2, kLabel3, kList1,    kText1,
                                                        kText2,  kCommand6, kCommand5, kScintilla1};

}  // namespace xd::script_edition::form1
