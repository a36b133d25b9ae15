// Form2, the settings dialog, as data: the form itself and its controls with
// ids, captions and geometry in 96-DPI units, in creation (and tab) order. The
// Win32 dialog maps each kind to its window class and styles and scales the
// geometry by the monitor's DPI; nothing here names a Windows type.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace xd::settingsdialog {

inline constexpr std::string_view kFormClassName = "迅点小侠4_Form2";
inline constexpr std::string_view kFormCaption = "设置";
inline constexpr int kFormWidth96 = 456;
inline constexpr int kFormHeight96 = 256;
// A popup window with caption and system menu, owned by the main window.
inline constexpr std::string_view kIconResource = "ICON_ZHU";
inline constexpr int kBigIconSize = 48;
inline constexpr int kSmallIconSize = 32;

struct FontSpec {
    std::string_view face;
    int points = 0;
    int style = 0;  // 0: regular
};
inline constexpr FontSpec kControlFont{"Microsoft YaHei", 9, 0};

enum class ControlKind { GroupBox, Label, DropDownList, CheckBox, Button, NumberBox };

struct ControlSpec {
    std::string_view name;  // designer name
    int index = -1;         // index within a control array, -1 outside one
    ControlKind kind = ControlKind::Label;
    int id = 0;
    // 96-DPI units in the form's client area. A drop-down list's height is its
    // height with the list dropped.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string_view caption;  // the lists get their items when the dialog loads
    bool visible = true;
};

namespace ctl {
constexpr int kLabelRecord = 102;
constexpr int kComboRecord = 103;
constexpr int kLabelPlay = 104;
constexpr int kComboPlay = 105;
constexpr int kCommand1 = 106;
constexpr int kCheck2 = 107;
constexpr int kCheck3 = 108;
constexpr int kFrame1 = 109;
constexpr int kCheck4 = 110;
constexpr int kCheck6 = 111;
constexpr int kCheck5 = 112;
constexpr int kCheck7 = 113;
constexpr int kCheck8 = 114;
constexpr int kFrame2 = 115;
constexpr int kFrame3 = 116;
constexpr int kCheck9 = 117;
constexpr int kCheck10 = 118;
constexpr int kCheck11 = 119;
constexpr int kLabelWait = 120;
constexpr int kText1 = 121;
constexpr int kLabelSeconds = 122;
constexpr int kCheck12 = 123;
}  // namespace ctl

// Three digits are enough for the longest wait, 600 seconds.
inline constexpr int kWaitSecondsDigits = 3;

// Check4 and Check9 lie below the client area; Check4 stays enabled and in the
// tab order, Check9 is created hidden. Both still carry their option.
inline constexpr std::array<ControlSpec, 22> kControls{{
    {"Frame1", -1, ControlKind::GroupBox, ctl::kFrame1, 7, 5, 238, 106, "录制鼠标操作选项"},
    {"Label1", 0, ControlKind::Label, ctl::kLabelRecord, 19, 30, 67, 20, "录制快捷键"},
    {"Combo1", 0, ControlKind::DropDownList, ctl::kComboRecord, 87, 27, 59, 300, ""},
    {"Check3", -1, ControlKind::CheckBox, ctl::kCheck3, 20, 59, 222, 20, "专用模式（只录制第1次点击的软件）"},
    {"Check12", -1, ControlKind::CheckBox, ctl::kCheck12, 20, 81, 222, 20, "录制键盘"},
    {"Frame2", -1, ControlKind::GroupBox, ctl::kFrame2, 253, 5, 187, 176, "回放鼠标脚本选项"},
    {"Label1", 1, ControlKind::Label, ctl::kLabelPlay, 264, 30, 67, 20, "播放快捷键"},
    {"Combo1", 1, ControlKind::DropDownList, ctl::kComboPlay, 331, 27, 59, 300, ""},
    {"Check7", -1, ControlKind::CheckBox, ctl::kCheck7, 263, 61, 146, 20, "显示点击效果"},
    {"Check8", -1, ControlKind::CheckBox, ctl::kCheck8, 263, 83, 172, 20, "显示虚拟鼠标指针"},
    {"Check10", -1, ControlKind::CheckBox, ctl::kCheck10, 263, 105, 172, 20, "总是移动鼠标到开始位置"},
    {"Check11", -1, ControlKind::CheckBox, ctl::kCheck11, 263, 127, 172, 20, "移动鼠标时停止前台回放"},
    {"Label2", -1, ControlKind::Label, ctl::kLabelWait, 263, 153, 104, 20, "等待目标窗口出现"},
    {"Text1", -1, ControlKind::NumberBox, ctl::kText1, 367, 150, 40, 22, ""},
    {"Label3", -1, ControlKind::Label, ctl::kLabelSeconds, 411, 153, 24, 20, "秒"},
    {"Frame3", -1, ControlKind::GroupBox, ctl::kFrame3, 8, 115, 235, 102, "其它选项"},
    {"Check5", -1, ControlKind::CheckBox, ctl::kCheck5, 21, 138, 194, 20, "正常使用鼠标时演示点击效果"},
    {"Check6", -1, ControlKind::CheckBox, ctl::kCheck6, 21, 163, 194, 20, "删除时提示确定是否删除"},
    {"Check2", -1, ControlKind::CheckBox, ctl::kCheck2, 21, 187, 189, 19, "关联脚本文件"},
    {"Command1", -1, ControlKind::Button, ctl::kCommand1, 377, 189, 61, 27, "确定"},
    {"Check4", -1, ControlKind::CheckBox, ctl::kCheck4, 287, 375, 168, 16, "前台时移动鼠标到当前位置"},
    {"Check9", -1, ControlKind::CheckBox, ctl::kCheck9, 48, 401, 214, 21, "结束录制时总是删除最后移动鼠标", false},
}};

// nullopt for an id the table does not hold.
[[nodiscard]] constexpr std::optional<ControlSpec> FindControl(int id) noexcept {
    for (const ControlSpec& c : kControls)
        if (c.id == id) return c;
    return std::nullopt;
}

}  // namespace xd::settingsdialog
