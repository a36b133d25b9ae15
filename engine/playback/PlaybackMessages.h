// Fixed texts and flags of the boxes a running playback shows. Byte-exact UTF-8.
#pragma once
#include <cstdint>
#include <string_view>

namespace xd {

// No owner, error icon, set to the foreground, topmost.
inline constexpr std::uint32_t kRunErrorBoxFlags = 0x50010;
inline constexpr std::string_view kRunErrorCaption = "执行脚本中发生错误";
inline constexpr std::string_view kNoTargetText = "没有目标窗口，先执行“目标窗口”命令。";
inline constexpr std::string_view kTargetClosedText = "目标窗口已经关闭，无法继续执行脚本。";
// Shown on the main thread, owned by the main window, when no runner thread
// could be started ("could not start the thread that plays the script; nothing
// was executed").
inline constexpr std::string_view kThreadStartFailedText = "无法启动执行脚本的线程，脚本没有执行。";

// + title + kClassNameLabel + class name
inline constexpr std::string_view kTargetNotFoundText = "找不到目标窗口，请检查目标软件是否开启。\r\n窗口名：";
// + title + kClassNameLabel + class + kChildPathLabel + path + kFailingElementLabel + index
inline constexpr std::string_view kChildNotFoundText = "找不到目标窗口中子级。\r\n窗口名：";
inline constexpr std::string_view kClassNameLabel = "\r\n类名：";
inline constexpr std::string_view kChildPathLabel = "\r\n子级：";
inline constexpr std::string_view kFailingElementLabel = "\r\n错误位于子级：";

}  // namespace xd
