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

inline constexpr std::array<Keyword, 5> kKeywords{{
    {kConfigKeyword, CommandKind::Config, 0},
    {kTargetWindowKeyword, CommandKind::TargetWindow, 3},
    {kClickKeyword, CommandKind::Click, 5},
    {kDragKeyword, CommandKind::Drag, 7},
    {kWheelKeyword, CommandKind::Wheel, 5},
}};

// The statements that move the mouse; configuration and target lines alone play nothing.
constexpr bool IsMouseCommand(CommandKind kind) noexcept {
    return kind == CommandKind::Click || kind == CommandKind::Drag || kind == CommandKind::Wheel;
}

// The first keyword the line begins with, or nullptr.
[[nodiscard]] const Keyword* FindKeyword(std::string_view strippedLine) noexcept;

}  // namespace xd
