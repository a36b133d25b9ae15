// The settings dialog's logic: one modal instance, filling its controls from
// the options, and every change put in force and stored the moment it is made
// (no Cancel). Script settings also rewrite their 配置 line in the open script.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "documents/Options.h"
#include "documents/SettingsStore.h"
#include "documents/editor/ConfigLineSync.h"
#include "documents/settings/SettingsDialogView.h"
#include "engine/ScriptConfig.h"
#include "platform/MessageBoxes.h"
#include "platform/Registry.h"

namespace xd {

// Held by the main window for the whole run.
struct SettingsDialogState {
    bool open = false;
    // Set while the controls are filled: their change notifications are not the user's.
    bool dialogLoading = false;
};

// Everything the dialog reads and changes; script supplies the editor,
// ScriptConfig, Options, the profile and the settings file of the main window.
struct SettingsDialogContext {
    ISettingsDialogView& view;
    SettingsDialogState& state;
    ScriptEditorContext& script;
    IRegistry& registry;
    IMessageBoxes& boxes;
    std::string programPath;  // program folder + program file name
    WindowHandle owner = kNoWindow;
};

// One row per option check box (Check2 is the file association).
struct OptionCheckBox {
    SettingsCheck box;
    std::int32_t Options::*option;
    std::string_view settingsKey;
    // For a script setting: the member, its line key and the comment after the value.
    std::optional<ConfigMember> configMember;
    std::string_view lineKey;
    std::string_view lineComment;
};

inline constexpr std::string_view kMoveComment = " '=0不移动 =1移动";
inline constexpr std::string_view kShowComment = " '=0不显示 =1显示";

inline constexpr std::array<OptionCheckBox, 10> kOptionCheckBoxes{{
    {SettingsCheck::Check3, &Options::exclusiveMode, optionkey::kExclusiveMode, std::nullopt, "", ""},
    {SettingsCheck::Check4, &Options::moveMouse, optionkey::kMoveMouse, ConfigMember::MoveMouse, "配置.移动鼠标", kMoveComment},
    {SettingsCheck::Check6, &Options::confirmDelete, optionkey::kConfirmDelete, std::nullopt, "", ""},
    {SettingsCheck::Check5, &Options::demoClick, optionkey::kDemoClick, std::nullopt, "", ""},
    {SettingsCheck::Check7, &Options::clickEffect, optionkey::kClickEffect, ConfigMember::ClickEffect, "配置.点击效果", kShowComment},
    {SettingsCheck::Check8, &Options::virtualPointer, optionkey::kVirtualPointer, ConfigMember::VirtualPointer, "配置.虚拟鼠标",
     kShowComment},
    {SettingsCheck::Check9, &Options::deleteLastMove, optionkey::kDeleteLastMove, std::nullopt, "", ""},
    {SettingsCheck::Check10, &Options::moveToStart, optionkey::kMoveToStart, ConfigMember::StartPosition, "配置.开始位置",
     kMoveComment},
    {SettingsCheck::Check11, &Options::stopOnMouseMove, optionkey::kStopOnMouseMove, std::nullopt, "", ""},
    {SettingsCheck::Check12, &Options::recordKeyboard, optionkey::kRecordKeyboard, std::nullopt, "", ""},
}};

// nullptr for Check2.
[[nodiscard]] const OptionCheckBox* FindOptionCheckBox(SettingsCheck box) noexcept;

inline constexpr std::string_view kSameHotkeyCaption = "迅点小侠";
inline constexpr std::string_view kSameHotkeyText =
    "录制快捷键和播放快捷键为同一个键，应该设置不同的键。\r\n请修改！！";
inline constexpr std::uint32_t kSameHotkeyBoxFlags = mb::kOk | mb::kIconError;

// "F1" .. "F12".
[[nodiscard]] HotkeyItems MakeHotkeyItems();

// Command5 and the tray menu's 设置. An open dialog is brought to the front instead.
void OpenSettingsDialog(SettingsDialogContext& context) noexcept;

// On kSettingsDeferredLoad; other wParam values are not ours.
void OnSettingsDeferredLoad(SettingsDialogContext& context, std::uintptr_t wParam) noexcept;

// Fills the controls from the association and the options; changes nothing.
void LoadSettingsDialog(SettingsDialogContext& context) noexcept;

void OnHotkeyListChanged(SettingsDialogContext& context, HotkeyList list) noexcept;
void OnSettingsCheckClicked(SettingsDialogContext& context, SettingsCheck box) noexcept;
// Text1 changed: the seconds it reads as, clamped to 0..600, are in force and stored at once.
void OnWaitSecondsChanged(SettingsDialogContext& context) noexcept;
// Text1 lost the focus: it shows the value in force (what was typed, clamped; 0 for nothing).
void OnWaitSecondsDone(SettingsDialogContext& context) noexcept;
void OnSettingsOkClicked(SettingsDialogContext& context) noexcept;

// WM_CLOSE, from 确定 or the caption's close box. True when the dialog closed.
[[nodiscard]] bool OnSettingsCloseRequest(SettingsDialogContext& context) noexcept;

// False (after telling the user) while both lists show the same key.
[[nodiscard]] bool CheckHotkeys(SettingsDialogContext& context) noexcept;

}  // namespace xd
