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

inline constexpr std::array<Keyword, 5> kKeywords{{
    {kConfigKeyword, CommandKind::Config, 0},
    {"目标窗口", CommandKind::TargetWindow, 3},
    {"鼠标点击", CommandKind::Click, 5},
    {"鼠标拖移", CommandKind::Drag, 7},
    {"鼠标滚轮", CommandKind::Wheel, 5},
}};

// The first keyword the line begins with, or nullptr.
[[nodiscard]] const Keyword* FindKeyword(std::string_view strippedLine) noexcept;

}  // namespace xd
