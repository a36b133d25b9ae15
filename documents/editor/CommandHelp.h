// The twelve commands of List1 with the help that Text1 and Text2 show.
#pragma once
#include <array>
#include <optional>
#include <string_view>

#include "documents/editor/ScriptControls.h"

namespace xd {

struct CommandHelp {
    std::string_view name;
    std::string_view templateText;  // follows the name in Text2
    std::string_view description;   // follows the name in Text1
};

constexpr int kCommandCount = 12;

// In List1 order; the index is the list index.
inline constexpr std::array<CommandHelp, kCommandCount> kCommandHelp{{
    {"目标窗口", "(\"窗口名称\",\"窗口类名\",\"子级\") '子级为其内部第几个控件",
     "\r\n指定要操作的窗口。子级为其内部第几个控件，=0为主窗口，若多级，用英文“,”号分开。"},
    {"鼠标点击", "(按键,位置x,位置y,次数,等待时间)",
     "\r\n按键=1 左键\r\n按键=2 右键\r\n按键=3 中键\r\n时间单位：毫秒"},
    {"鼠标拖移", "(按键,开始x,开始y,结束x,结束y,经历时间,等待时间)",
     "\r\n从某位置拖到另一个位置。\r\n按键=1 左键\r\n按键=2 右键\r\n按键=3 中键\r\n时间单位：毫秒"},
    {"鼠标滚轮", "(滚动值,位置x,位置y,次数,等待时间)",
     "\r\n滚动值=120 向前滚动一格\r\n滚动值=-120 向后滚动一格\r\n时间单位：毫秒"},
    {"键盘按键", "(\"按键\",次数,等待时间)",
     "\r\n按一个键或组合键，例：键盘按键(\"Ctrl+S\",1,300)\r\n"
     "按键名：Ctrl Shift Alt Win Enter Tab Esc F1-F24 A-Z 0-9 Left Up Right Down Home End PageUp PageDown "
     "Insert Delete Backspace Space，其他键写 VK_十六进制键码，如 VK_BA\r\n次数=连按几次\r\n"
     "后台模式下带 Ctrl、Alt 的组合键可能不起作用，请用前台模式\r\n时间单位：毫秒"},
    {"输入文字", "(\"文字\",等待时间)",
     "\r\n输入一段文字，可以是中文，例：输入文字(\"你好\",300)\r\n文字要用英文双引号括起来，文字里的双引号写两次\r\n"
     "时间单位：毫秒"},
    {"配置.执行次数", "=0 '=0为无限循环，直到按下停止键。", "\r\n=0为无限循环，直到按下停止键。"},
    {"配置.执行速度", "=1 '0.01 -- 999",
     "\r\n=0或=1 就按照原速度执行。此速度是倍数 >1越快，<1的小数越慢，不可以是负数"},
    {"配置.前台模式", "=0 '=0后台模式 =1前台模式",
     "\r\n=0后台模式 =1前台模式  后台时自己可以使用电脑，前台时鼠标被巧手控制，无法使用电脑"},
    {"配置.点击效果", "=1 '=0不显示 =1显示", "\r\n=0不显示 =1显示 ，显示为点击后的圈圈，使用户知道点击了什么地方。"},
    {"配置.虚拟鼠标", "=1 '=0不显示 =1显示",
     "\r\n=0不显示 =1显示 ，后台模式时显示虚拟鼠标的指针来指示迅点小侠在操作什么。"},
    {"配置.随机偏移", "=0 '0--999", "\r\n0--999 虚拟鼠标会在这个范围内随机偏移点击，避免游戏检查固定点击。"},
}};

// List indices the caret sync acts on.
enum CommandIndex : int {
    kCmdTargetWindow = 0,
    kCmdClick = 1,
    kCmdDrag = 2,
    kCmdWheel = 3,
    kCmdKeyPress = 4,
    kCmdTypeText = 5,
    // The 配置 members come last: the caret sync applies every command from here on.
    kCmdRepeatCount = 6,
    kCmdSpeed = 7,
    kCmdForegroundMode = 8,
    kCmdClickEffect = 9,
    kCmdVirtualPointer = 10,
    kCmdRandomOffset = 11,
};

// The names in list order, for filling List1 at start-up.
std::array<std::string_view, kCommandCount> CommandNames();

// The first command, in list order, that the line begins with.
std::optional<int> CommandOfLine(std::string_view line);

// Text1 = name + description, Text2 = name + template; an index outside the
// list (no selection) changes nothing.
void ShowCommandHelp(IScriptControls& controls, int index);

}  // namespace xd
