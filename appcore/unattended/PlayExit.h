// How an unattended playback ended, as the process's exit code: a batch file or a scheduled task reads it.
#pragma once
#include <string_view>

namespace xd {

enum class PlayExit {
    Played = 0,          // played to the end
    SyntaxError = 1,     // the check's message and line
    FileRefused = 2,     // the script's file was missing or refused
    WindowNotFound = 3,  // a target window was not there
    InputRefused = 4,    // the target refused posted or injected input
    StoppedByUser = 5,   // Esc, or another stop by hand
    OtherError = 6,      // a bad command line, or anything else
};

[[nodiscard]] constexpr int ExitCode(PlayExit exit) noexcept { return static_cast<int>(exit); }

// The result word of a log line.
[[nodiscard]] constexpr std::string_view PlayExitText(PlayExit exit) noexcept {
    switch (exit) {
        case PlayExit::Played: return "完成";
        case PlayExit::SyntaxError: return "脚本语法错误";
        case PlayExit::FileRefused: return "脚本文件无法打开";
        case PlayExit::WindowNotFound: return "找不到目标窗口";
        case PlayExit::InputRefused: return "目标窗口拒绝鼠标操作";
        case PlayExit::StoppedByUser: return "被用户停止";
        case PlayExit::OtherError: return "其他错误";
    }
    return "其他错误";
}

}  // namespace xd
