// Form2, the settings dialog, as the form designer holds it: ids, captions and geometry in 96-DPI units, in
// creation (and tab) order. Recording options on the left, playback options on the right, the rest below.
#pragma once
#include <windows.h>

#include <array>

#include "ui/ControlTable.h"

namespace xd::event_list::form2 {

enum ControlId : int {
    kLabelRecord = 102,
    kComboRecord = 103,
    kLabelPlay = 104,
    kComboPlay = 105,
    kCommand1 = 106,
    kCheck2 = 107,
    kCheck3 = 108,
    kFrame1 = 109,
    kCheck4 = 110,
    kCheck6 = 111,
    kCheck5 = 112,
    kCheck7 = 113,
    kCheck8 = 114,
    kFrame2 = 115,
    kFrame3 = 116,
    kCheck9 = 117,
    kCheck10 = 118,
    kCheck1 = 119,
    kCheck11 = 120,
    kLabelWait = 121,
    kText1 = 122,
    kLabelSeconds = 123,
    kCheck12 = 124,
};

// Three digits are enough for the longest wait, 600 seconds.
constexpr int kWaitSecondsDigits = 3;

constexpr int kFormWidth96 = 456;
constexpr int kFormHeight96 = 294;

constexpr DWORD kGroup = WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
constexpr DWORD kList = WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kCheck = WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kNumber = WS_VISIBLE | ES_NUMBER | ES_AUTOHSCROLL | ES_RIGHT | WS_TABSTOP;

inline const std::array<ui::ControlSpec, 23> kControls{{
    {L"Frame1", L"Button", kFrame1, 7, 5, 238, 150, kGroup, 0, L"录制鼠标操作选项"},
    {L"Label1(0)", L"Static", kLabelRecord, 19, 30, 67, 20, kLabel, 0, L"录制快捷键"},
    {L"Combo1(0)", L"ComboBox", kComboRecord, 87, 27, 59, 300, kList, 0, nullptr},
    {L"Check1", L"Button", kCheck1, 20, 57, 222, 20, kCheck, 0, L"不要录制鼠标移动"},
    {L"Check3", L"Button", kCheck3, 20, 79, 222, 20, kCheck, 0, L"专用模式（只录制第1次点击的软件）"},
    {L"Check9", L"Button", kCheck9, 20, 101, 222, 20, kCheck, 0, L"结束录制时总是删除最后移动鼠标"},
    {L"Check12", L"Button", kCheck12, 20, 123, 222, 20, kCheck, 0, L"录制键盘"},
    {L"Frame2", L"Button", kFrame2, 253, 5, 187, 194, kGroup, 0, L"回放鼠标脚本选项"},
    {L"Label1(1)", L"Static", kLabelPlay, 264, 30, 67, 20, kLabel, 0, L"播放快捷键"},
    {L"Combo1(1)", L"ComboBox", kComboPlay, 331, 27, 59, 300, kList, 0, nullptr},
    {L"Check4", L"Button", kCheck4, 263, 57, 172, 20, kCheck, 0, L"前台时移动鼠标到当前位置"},
    {L"Check7", L"Button", kCheck7, 263, 79, 172, 20, kCheck, 0, L"显示点击效果"},
    {L"Check8", L"Button", kCheck8, 263, 101, 172, 20, kCheck, 0, L"显示虚拟鼠标指针"},
    {L"Check10", L"Button", kCheck10, 263, 123, 172, 20, kCheck, 0, L"总是移动鼠标到开始位置"},
    {L"Check11", L"Button", kCheck11, 263, 145, 172, 20, kCheck, 0, L"移动鼠标时停止前台回放"},
    {L"Label2", L"Static", kLabelWait, 263, 171, 104, 20, kLabel, 0, L"等待目标窗口出现"},
    {L"Text1", L"Edit", kText1, 367, 168, 40, 22, kNumber, WS_EX_CLIENTEDGE, L""},
    {L"Label3", L"Static", kLabelSeconds, 411, 171, 24, 20, kLabel, 0, L"秒"},
    {L"Frame3", L"Button", kFrame3, 7, 159, 238, 92, kGroup, 0, L"其它选项"},
    {L"Check5", L"Button", kCheck5, 20, 182, 222, 20, kCheck, 0, L"正常使用鼠标时演示点击效果"},
    {L"Check6", L"Button", kCheck6, 20, 204, 222, 20, kCheck, 0, L"删除时提示确定是否删除"},
    {L"Check2", L"Button", kCheck2, 20, 226, 222, 20, kCheck, 0, L"关联脚本文件"},
    {L"Command1", L"Button", kCommand1, 377, 211, 61, 27, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, L"确定"},
}};

}  // namespace xd::event_list::form2
