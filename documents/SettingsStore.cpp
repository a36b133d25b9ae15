#include "documents/SettingsStore.h"

#include "documents/ProfileValues.h"

namespace xd {
namespace {

std::int32_t ReadInt(IProfile& profile, const std::string& file, std::string_view key, std::string_view fallback) {
    std::string text = profile.GetString(file, std::string(kOptionsSection), std::string(key), std::string(fallback),
                                         kSettingsValueBufferChars);
    return ParseProfileInt(text);
}

}  // namespace

std::string SettingsFilePath(std::string_view programFolder) {
    std::string path(programFolder);
    path += kSettingsFileName;
    return path;
}

int ClampHotkey(int virtualKey) noexcept {
    if (virtualKey < kFirstHotkey) return kFirstHotkey;
    if (virtualKey > kLastHotkey) return kLastHotkey;
    return virtualKey;
}

int ClampWaitForWindowSeconds(std::int64_t seconds) noexcept {
    if (seconds < 0) return 0;
    if (seconds > kMaxWaitForWindowSeconds) return kMaxWaitForWindowSeconds;
    return static_cast<int>(seconds);
}

Options ReadOptions(IProfile& profile, const std::string& settingsFile) {
    Options o;
    // Six keys are asked with a trailing blank, as the program always has; the
    // store ignores it, so they reach the entries the writers name.
    o.recordKey = ReadInt(profile, settingsFile, optionkey::kRecordKey, "114");
    o.playKey = ReadInt(profile, settingsFile, optionkey::kPlayKey, "113");
    o.exclusiveMode = ReadInt(profile, settingsFile, optionkey::kExclusiveMode, "1");
    o.moveMouse = ReadInt(profile, settingsFile, optionkey::kMoveMouse, "1");
    o.confirmDelete = ReadInt(profile, settingsFile, "删除提醒 ", "1");
    o.demoClick = ReadInt(profile, settingsFile, "演示点击 ", "1");
    o.clickEffect = ReadInt(profile, settingsFile, "点击效果 ", "1");
    o.virtualPointer = ReadInt(profile, settingsFile, "虚拟指针 ", "1");
    o.moveToStart = ReadInt(profile, settingsFile, "移动鼠标 ", "1");
    o.deleteLastMove = ReadInt(profile, settingsFile, "删除最后 ", "1");
    o.waitForWindowSeconds = ClampWaitForWindowSeconds(ReadInt(profile, settingsFile, optionkey::kWaitForWindow, "0"));
    o.stopOnMouseMove = ReadInt(profile, settingsFile, optionkey::kStopOnMouseMove, "1");
    o.recordKeyboard = ReadInt(profile, settingsFile, optionkey::kRecordKeyboard, "0");
    o.recordKey = ClampHotkey(o.recordKey);
    o.playKey = ClampHotkey(o.playKey);
    return o;
}

bool WriteOption(IProfile& profile, const std::string& settingsFile, std::string_view section, std::string_view key,
                 std::string_view value) {
    return profile.WriteString(settingsFile, std::string(section), std::string(key), std::string(value));
}

}  // namespace xd
