// The event-list edition's options in section "选项" of the settings file, with
// the script edition's store rules (decimal values, blanks around key names
// ignored, check boxes "-1"/"0", every change written at once).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Profile.h"

namespace xd {

namespace evoptionkey {
inline constexpr std::string_view kNoMoves = "不录移动";
inline constexpr std::string_view kRecordKey = "录快捷键";
inline constexpr std::string_view kPlayKey = "放快捷键";
inline constexpr std::string_view kDedicatedMode = "专用模式";
// Both pointer-moving options live in this one entry.
inline constexpr std::string_view kMoveMouse = "移动鼠标";
inline constexpr std::string_view kConfirmDelete = "删除提醒";
inline constexpr std::string_view kDemoClick = "演示点击";
inline constexpr std::string_view kClickEffect = "点击效果";
inline constexpr std::string_view kVirtualPointer = "虚拟指针";
inline constexpr std::string_view kDeleteLast = "删除最后";
inline constexpr std::string_view kWaitForWindow = "等待窗口";
inline constexpr std::string_view kStopOnMouseMove = "移动停止";
inline constexpr std::string_view kRecordKeyboard = "录制键盘";
}  // namespace evoptionkey

struct EventOptions {
    bool noMoves = false;          // "不录移动"
    std::int32_t recordKey = 114;  // F3
    std::int32_t playKey = 113;    // F2
    bool dedicatedMode = false;    // only the program of the first event
    bool moveToCurrent = true;     // foreground playback leaves the pointer at each event
    bool confirmDelete = true;
    bool demoClick = true;         // click effect on every press, also when idle
    bool clickEffect = true;
    bool virtualPointer = true;
    bool moveToStart = true;
    bool deleteLast = true;        // drop the trailing group of moves at the end of a recording
    std::int32_t waitForWindowSeconds = 0;  // 0..600: how long the window search waits for the window
    bool stopOnMouseMove = true;   // a physical mouse move stops a foreground playback
    bool recordKeyboard = false;   // key presses and releases become events of their own
    friend bool operator==(const EventOptions&, const EventOptions&) = default;
};

// The start-up read, defaults for whatever is missing, hotkeys clamped to F1..F12.
[[nodiscard]] EventOptions ReadEventOptions(IProfile& profile, const std::string& settingsFile);

// The settings dialog's check boxes and hotkey lists: the option in memory and its
// entry change together. The two pointer-moving options share one entry, which
// each writes; the other option keeps its value in memory until the next start.
enum class EventFlagOption {
    NoMoves,
    DedicatedMode,
    MoveToCurrent,
    ConfirmDelete,
    DemoClick,
    ClickEffect,
    VirtualPointer,
    MoveToStart,
    DeleteLast,
    StopOnMouseMove,
    RecordKeyboard
};
bool SetEventFlagOption(EventOptions& options, IProfile& profile, const std::string& settingsFile,
                        EventFlagOption which, bool on);
// itemIndex 0..11 of the "F1".."F12" lists.
bool SetEventRecordKey(EventOptions& options, IProfile& profile, const std::string& settingsFile, int itemIndex);
bool SetEventPlayKey(EventOptions& options, IProfile& profile, const std::string& settingsFile, int itemIndex);
// Clamped to 0..600 before it is kept and written.
bool SetEventWaitForWindowSeconds(EventOptions& options, IProfile& profile, const std::string& settingsFile,
                                  std::int64_t seconds);

}  // namespace xd
