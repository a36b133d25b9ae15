#include "eventlist/recording/EventOptions.h"

#include "documents/ProfileValues.h"
#include "documents/SettingsStore.h"

namespace xd {
namespace {

std::int32_t ReadInt(IProfile& profile, const std::string& file, std::string_view key, std::string_view fallback) {
    return ParseProfileInt(profile.GetString(file, std::string(kOptionsSection), std::string(key),
                                             std::string(fallback), kSettingsValueBufferChars));
}

bool Write(IProfile& profile, const std::string& file, std::string_view key, const std::string& value) {
    return WriteOption(profile, file, kOptionsSection, key, value);
}

}  // namespace

EventOptions ReadEventOptions(IProfile& profile, const std::string& settingsFile) {
    EventOptions o;
    const auto& f = settingsFile;
    // Read in the program's order; six keys carry the trailing blank the store ignores.
    o.noMoves = ReadInt(profile, f, evoptionkey::kNoMoves, "0") != 0;
    o.recordKey = ClampHotkey(ReadInt(profile, f, evoptionkey::kRecordKey, "114"));
    o.playKey = ClampHotkey(ReadInt(profile, f, evoptionkey::kPlayKey, "113"));
    o.dedicatedMode = ReadInt(profile, f, evoptionkey::kDedicatedMode, "0") != 0;
    o.moveToCurrent = ReadInt(profile, f, evoptionkey::kMoveMouse, "1") != 0;
    o.confirmDelete = ReadInt(profile, f, "删除提醒 ", "1") != 0;
    o.demoClick = ReadInt(profile, f, "演示点击 ", "1") != 0;
    o.clickEffect = ReadInt(profile, f, "点击效果 ", "1") != 0;
    o.virtualPointer = ReadInt(profile, f, "虚拟指针 ", "1") != 0;
    o.moveToStart = ReadInt(profile, f, "移动鼠标 ", "1") != 0;
    o.deleteLast = ReadInt(profile, f, "删除最后 ", "1") != 0;
    o.waitForWindowSeconds = ClampWaitForWindowSeconds(ReadInt(profile, f, evoptionkey::kWaitForWindow, "0"));
    o.stopOnMouseMove = ReadInt(profile, f, evoptionkey::kStopOnMouseMove, "1") != 0;
    o.recordKeyboard = ReadInt(profile, f, evoptionkey::kRecordKeyboard, "0") != 0;
    return o;
}

bool SetEventFlagOption(EventOptions& options, IProfile& profile, const std::string& settingsFile,
                        EventFlagOption which, bool on) {
    std::string_view key;
    switch (which) {
        case EventFlagOption::NoMoves: options.noMoves = on; key = evoptionkey::kNoMoves; break;
        case EventFlagOption::DedicatedMode: options.dedicatedMode = on; key = evoptionkey::kDedicatedMode; break;
        // One entry for both: each writes it, and only the next start-up's read gives it to the other.
        case EventFlagOption::MoveToCurrent: options.moveToCurrent = on; key = evoptionkey::kMoveMouse; break;
        case EventFlagOption::MoveToStart: options.moveToStart = on; key = evoptionkey::kMoveMouse; break;
        case EventFlagOption::ConfirmDelete: options.confirmDelete = on; key = evoptionkey::kConfirmDelete; break;
        case EventFlagOption::DemoClick: options.demoClick = on; key = evoptionkey::kDemoClick; break;
        case EventFlagOption::ClickEffect: options.clickEffect = on; key = evoptionkey::kClickEffect; break;
        case EventFlagOption::VirtualPointer: options.virtualPointer = on; key = evoptionkey::kVirtualPointer; break;
        case EventFlagOption::DeleteLast: options.deleteLast = on; key = evoptionkey::kDeleteLast; break;
        case EventFlagOption::StopOnMouseMove:
            options.stopOnMouseMove = on;
            key = evoptionkey::kStopOnMouseMove;
            break;
        case EventFlagOption::RecordKeyboard:
            options.recordKeyboard = on;
            key = evoptionkey::kRecordKeyboard;
            break;
    }
    return Write(profile, settingsFile, key, FormatProfileFlag(on));
}

bool SetEventRecordKey(EventOptions& options, IProfile& profile, const std::string& settingsFile, int itemIndex) {
    options.recordKey = ClampHotkey(kFirstHotkey + itemIndex);
    return Write(profile, settingsFile, evoptionkey::kRecordKey, FormatProfileInt(options.recordKey));
}

bool SetEventPlayKey(EventOptions& options, IProfile& profile, const std::string& settingsFile, int itemIndex) {
    options.playKey = ClampHotkey(kFirstHotkey + itemIndex);
    return Write(profile, settingsFile, evoptionkey::kPlayKey, FormatProfileInt(options.playKey));
}

bool SetEventWaitForWindowSeconds(EventOptions& options, IProfile& profile, const std::string& settingsFile,
                                  std::int64_t seconds) {
    options.waitForWindowSeconds = ClampWaitForWindowSeconds(seconds);
    return Write(profile, settingsFile, evoptionkey::kWaitForWindow, FormatProfileInt(options.waitForWindowSeconds));
}

}  // namespace xd
