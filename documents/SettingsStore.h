// The settings file beside the program: options in section "选项", the main
// window's placement in "窗口". Every change is written at once, key by key.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "documents/Options.h"
#include "platform/Profile.h"

namespace xd {

inline constexpr std::string_view kSettingsFileName = "巧手配置.INI";
inline constexpr std::string_view kOptionsSection = "选项";
inline constexpr std::string_view kWindowSection = "窗口";

// Keys of "选项". moveMouse and moveToStart share one entry.
namespace optionkey {
inline constexpr std::string_view kRecordKey = "录快捷键";
inline constexpr std::string_view kPlayKey = "放快捷键";
inline constexpr std::string_view kExclusiveMode = "专用模式";
inline constexpr std::string_view kMoveMouse = "移动鼠标";
inline constexpr std::string_view kConfirmDelete = "删除提醒";
inline constexpr std::string_view kDemoClick = "演示点击";
inline constexpr std::string_view kClickEffect = "点击效果";
inline constexpr std::string_view kVirtualPointer = "虚拟指针";
inline constexpr std::string_view kMoveToStart = "移动鼠标";
inline constexpr std::string_view kDeleteLastMove = "删除最后";
inline constexpr std::string_view kWaitForWindow = "等待窗口";
inline constexpr std::string_view kStopOnMouseMove = "移动停止";
inline constexpr std::string_view kRecordKeyboard = "录制键盘";
}  // namespace optionkey

// Room for 4 085 characters plus the terminator.
inline constexpr std::size_t kSettingsValueBufferChars = 4086;

inline constexpr int kFirstHotkey = 112;  // VK_F1
inline constexpr int kLastHotkey = 123;   // VK_F12

// programFolder ends with its separator, as the application records it.
std::string SettingsFilePath(std::string_view programFolder);

int ClampHotkey(int virtualKey) noexcept;

// Ten minutes is already far past any program's start; more is a typing slip.
inline constexpr int kMaxWaitForWindowSeconds = 600;
int ClampWaitForWindowSeconds(std::int64_t seconds) noexcept;

// Start-up read of all the options, defaults for whatever is missing.
Options ReadOptions(IProfile& profile, const std::string& settingsFile);

// One write of one key; failures are the caller's to ignore.
bool WriteOption(IProfile& profile, const std::string& settingsFile, std::string_view section, std::string_view key,
                 std::string_view value);

}  // namespace xd
