// The event-list edition's settings: read once from the settings file at start-up, and each change put in
// force and written the moment it is made, key by key. Five of them also travel with every script (the
// play hotkey, both pointer-moving options, the click effect and the virtual pointer): those live in the
// document's EventPlaySettings, so an opened script turns them on where the dialog shows them.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "eventlist/EventPlaySettings.h"
#include "platform/Profile.h"

namespace xd {

// The options only the settings file holds.
struct EventOptions {
    std::int32_t recordKey = 114;  // F3
    bool noMoveRecording = false;  // 不录移动
    bool dedicatedMode = false;    // 专用模式: record only the program clicked first
    bool confirmDelete = true;     // 删除提醒
    bool demoClick = true;         // 演示点击: the click effect during normal mouse use
    bool deleteLastMove = true;    // 删除最后: drop the trailing moves when recording ends
    friend bool operator==(const EventOptions&, const EventOptions&) = default;
};

// Keys of section "选项". The two pointer-moving options share one entry.
namespace eventoptionkey {
inline constexpr std::string_view kNoMoveRecording = "不录移动";
inline constexpr std::string_view kRecordKey = "录快捷键";
inline constexpr std::string_view kPlayKey = "放快捷键";
inline constexpr std::string_view kDedicatedMode = "专用模式";
inline constexpr std::string_view kMoveToCurrent = "移动鼠标";
inline constexpr std::string_view kConfirmDelete = "删除提醒";
inline constexpr std::string_view kDemoClick = "演示点击";
inline constexpr std::string_view kClickEffect = "点击效果";
inline constexpr std::string_view kVirtualPointer = "虚拟指针";
inline constexpr std::string_view kMoveToStart = "移动鼠标";
inline constexpr std::string_view kDeleteLastMove = "删除最后";
}  // namespace eventoptionkey

// Form2's check boxes by designer name (Check2 is the file association, not an option).
enum class EventSettingsCheck { Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8, Check9, Check10 };
enum class EventHotkeyList { Record, Play };

// What a change touches: the options, the script settings, and the file they are written to.
struct EventSettingsStore {
    EventOptions& options;
    EventPlaySettings& play;
    IProfile& profile;
    std::string settingsFile;
};

// The start-up read, defaults for whatever is missing; both hotkeys clamped to F1..F12.
void ReadEventSettings(EventSettingsStore& store) noexcept;

// Whether a check box shows ticked; false for Check2.
[[nodiscard]] bool IsEventOptionOn(const EventSettingsStore& store, EventSettingsCheck box) noexcept;
// A click on a check box: the option in memory, then its key ("-1" ticked, "0" not). Check2 is ignored.
void SetEventOption(EventSettingsStore& store, EventSettingsCheck box, bool on) noexcept;

// The list item (0 for F1 .. 11 for F12) of a hotkey.
[[nodiscard]] int EventHotkeyItem(const EventSettingsStore& store, EventHotkeyList list) noexcept;
// A choice in a hotkey list: 112 + item index, in memory and under its key. Items outside 0..11 are ignored.
void SetEventHotkey(EventSettingsStore& store, EventHotkeyList list, int item) noexcept;

}  // namespace xd
