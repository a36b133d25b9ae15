#include "eventlist/settings/EventSettings.h"

#include <utility>

#include "documents/ProfileValues.h"
#include "documents/SettingsStore.h"

namespace xd {
namespace {

std::int32_t ReadInt(EventSettingsStore& store, std::string_view key, std::string_view fallback) {
    return ParseProfileInt(store.profile.GetString(store.settingsFile, std::string(kOptionsSection), std::string(key),
                                                   std::string(fallback), kSettingsValueBufferChars));
}

void Write(EventSettingsStore& store, std::string_view key, const std::string& value) {
    // A failed write keeps the option in force for this run; there is nobody to tell.
    static_cast<void>(WriteOption(store.profile, store.settingsFile, kOptionsSection, key, value));
}

// The option behind a check box, const or not as the store is; null for Check2.
template <typename Options, typename Play>
auto FlagOf(Options& o, Play& p, EventSettingsCheck box) noexcept -> decltype(&o.demoClick) {
    switch (box) {
        case EventSettingsCheck::Check1: return &o.noMoveRecording;
        case EventSettingsCheck::Check3: return &o.dedicatedMode;
        case EventSettingsCheck::Check4: return &p.moveToCurrent;
        case EventSettingsCheck::Check5: return &o.demoClick;
        case EventSettingsCheck::Check6: return &o.confirmDelete;
        case EventSettingsCheck::Check7: return &p.clickEffect;
        case EventSettingsCheck::Check8: return &p.virtualPointer;
        case EventSettingsCheck::Check9: return &o.deleteLastMove;
        case EventSettingsCheck::Check10: return &p.moveToStart;
        case EventSettingsCheck::Check2: break;
    }
    return nullptr;
}

std::string_view KeyOf(EventSettingsCheck box) noexcept {
    switch (box) {
        case EventSettingsCheck::Check1: return eventoptionkey::kNoMoveRecording;
        case EventSettingsCheck::Check3: return eventoptionkey::kDedicatedMode;
        case EventSettingsCheck::Check4: return eventoptionkey::kMoveToCurrent;
        case EventSettingsCheck::Check5: return eventoptionkey::kDemoClick;
        case EventSettingsCheck::Check6: return eventoptionkey::kConfirmDelete;
        case EventSettingsCheck::Check7: return eventoptionkey::kClickEffect;
        case EventSettingsCheck::Check8: return eventoptionkey::kVirtualPointer;
        case EventSettingsCheck::Check9: return eventoptionkey::kDeleteLastMove;
        case EventSettingsCheck::Check10: return eventoptionkey::kMoveToStart;
        case EventSettingsCheck::Check2: break;
    }
    return {};
}

}  // namespace

void ReadEventSettings(EventSettingsStore& store) noexcept {
    EventOptions& o = store.options;
    EventPlaySettings& p = store.play;
    // In the file's order. Six keys are asked with a trailing blank, as the script edition asks them; the
    // store ignores it, so they reach the entries the writers name.
    o.noMoveRecording = ReadInt(store, eventoptionkey::kNoMoveRecording, "0") != 0;
    o.recordKey = ClampHotkey(ReadInt(store, eventoptionkey::kRecordKey, "114"));
    p.playHotkey = ClampHotkey(ReadInt(store, eventoptionkey::kPlayKey, "113"));
    o.dedicatedMode = ReadInt(store, eventoptionkey::kDedicatedMode, "0") != 0;
    p.moveToCurrent = ReadInt(store, eventoptionkey::kMoveToCurrent, "1") != 0;
    o.confirmDelete = ReadInt(store, "删除提醒 ", "1") != 0;
    o.demoClick = ReadInt(store, "演示点击 ", "1") != 0;
    p.clickEffect = ReadInt(store, "点击效果 ", "1") != 0;
    p.virtualPointer = ReadInt(store, "虚拟指针 ", "1") != 0;
    p.moveToStart = ReadInt(store, "移动鼠标 ", "1") != 0;
    o.deleteLastMove = ReadInt(store, "删除最后 ", "1") != 0;
}

bool IsEventOptionOn(const EventSettingsStore& store, EventSettingsCheck box) noexcept {
    const bool* flag = FlagOf(std::as_const(store.options), std::as_const(store.play), box);
    return flag && *flag;
}

void SetEventOption(EventSettingsStore& store, EventSettingsCheck box, bool on) noexcept {
    bool* flag = FlagOf(store.options, store.play, box);
    if (!flag) return;
    *flag = on;
    Write(store, KeyOf(box), FormatProfileFlag(on));
}

int EventHotkeyItem(const EventSettingsStore& store, EventHotkeyList list) noexcept {
    const std::int32_t key = list == EventHotkeyList::Record ? store.options.recordKey : store.play.playHotkey;
    return ClampHotkey(key) - kFirstHotkey;
}

void SetEventHotkey(EventSettingsStore& store, EventHotkeyList list, int item) noexcept {
    if (item < 0 || item > kLastHotkey - kFirstHotkey) return;
    const std::int32_t key = kFirstHotkey + item;
    if (list == EventHotkeyList::Record) {
        store.options.recordKey = key;
        Write(store, eventoptionkey::kRecordKey, FormatProfileInt(key));
    } else {
        store.play.playHotkey = key;
        Write(store, eventoptionkey::kPlayKey, FormatProfileInt(key));
    }
}

}  // namespace xd
