// The statement keywords, recognised by prefix on a stripped line.
#pragma once
#include <array>
#include <string_view>

#include "engine/ScriptCommand.h"

namespace xd {

struct Keyword {
    std::string_view text;
    CommandKind kind;
    int parameterCount;  // 0 for the configuration keyword's assignment form
};

inline constexpr std::string_view kConfigKeyword = "配置.";
inline constexpr std::string_view kTargetWindowKeyword = "目标窗口";
inline constexpr std::string_view kClickKeyword = "鼠标点击";
inline constexpr std::string_view kDragKeyword = "鼠标拖移";
inline constexpr std::string_view kWheelKeyword = "鼠标滚轮";
inline constexpr std::string_view kKeyPressKeyword = "键盘按键";
inline constexpr std::string_view kTypeTextKeyword = "输入文字";

inline constexpr std::array<Keyword, 7> kKeywords{{
    {kConfigKeyword, CommandKind::Config, 0},
    {kTargetWindowKeyword, CommandKind::TargetWindow, 3},
    {kClickKeyword, CommandKind::Click, 5},
    {kDragKeyword, CommandKind::Drag, 7},
    {kWheelKeyword, CommandKind::Wheel, 5},
    {kKeyPressKeyword, CommandKind::KeyPress, 3},
    {kTypeTextKeyword, CommandKind::TypeText, 2},
}};

// The statements that move the mouse.
constexpr bool IsMouseCommand(CommandKind kind) noexcept {
    return kind == CommandKind::Click || kind == CommandKind::Drag || kind == CommandKind::Wheel;
}

constexpr bool IsKeyCommand(CommandKind kind) noexcept {
    return kind == CommandKind::KeyPress || kind == CommandKind::TypeText;
}

// What a playback acts on; configuration and target lines alone play nothing.
constexpr bool IsActionCommand(CommandKind kind) noexcept { return IsMouseCommand(kind) || IsKeyCommand(kind); }

// The first keyword the line begins with, or nullptr.
[[nodiscard]] const Keyword* FindKeyword(std::string_view strippedLine) noexcept;

}  // namespace xd
