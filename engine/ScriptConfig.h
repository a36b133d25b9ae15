// The eight configuration members of a script. One instance lives for the whole
// program; the runner thread reads it at each use while the main thread may
// write it, so every member is a lock-free atomic written whole.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xd {

struct ScriptConfig {
    std::atomic<std::int32_t> repeatCount{0};     // 执行次数: 0 or less repeats until stopped
    std::atomic<float> speed{0.0f};               // 执行速度: divisor of waits; 0 is taken as 1
    std::atomic<std::int32_t> foregroundMode{0};  // 前台模式
    std::atomic<std::int32_t> clickEffect{1};     // 点击效果
    std::atomic<std::int32_t> virtualPointer{1};  // 虚拟鼠标
    std::atomic<std::int32_t> startPosition{1};   // 开始位置
    std::atomic<std::int32_t> moveMouse{1};       // 移动鼠标
    std::atomic<std::int32_t> randomOffset{0};    // 随机偏移
};

static_assert(std::atomic<std::int32_t>::is_always_lock_free);
static_assert(std::atomic<float>::is_always_lock_free);

enum class ConfigMember {
    RepeatCount, Speed, ForegroundMode, ClickEffect, VirtualPointer, StartPosition, MoveMouse, RandomOffset
};

struct ConfigMemberName {
    std::string_view name;
    ConfigMember member;
};

// Table order: the order of the writer's lines and of FormatScriptConfig.
inline constexpr std::array<ConfigMemberName, 8> kConfigMembers{{
    {"执行次数", ConfigMember::RepeatCount},
    {"执行速度", ConfigMember::Speed},
    {"前台模式", ConfigMember::ForegroundMode},
    {"点击效果", ConfigMember::ClickEffect},
    {"虚拟鼠标", ConfigMember::VirtualPointer},
    {"开始位置", ConfigMember::StartPosition},
    {"移动鼠标", ConfigMember::MoveMouse},
    {"随机偏移", ConfigMember::RandomOffset},
}};

// The check accepts any member name contained in this text, so a part of a
// name (or a name with its comma) passes the check and then sets nothing.
inline constexpr std::string_view kConfigMemberListText =
    "执行次数,执行速度,前台模式,点击效果,虚拟鼠标,开始位置,移动鼠标,随机偏移,";

// Exact name match; nullopt for anything else.
[[nodiscard]] std::optional<ConfigMember> FindConfigMember(std::string_view name) noexcept;

// The integer field of a member; nullptr for Speed, which is a float.
[[nodiscard]] std::atomic<std::int32_t>* IntegerMember(ScriptConfig& config, ConfigMember member) noexcept;
[[nodiscard]] const std::atomic<std::int32_t>* IntegerMember(const ScriptConfig& config, ConfigMember member) noexcept;

// Shortest decimal form of at most seven significant digits, no exponent and no
// trailing zeros: 0, 2.5, 0.1, 1234567.
[[nodiscard]] std::string FormatSpeed(float speed);

// A member's value as text: integers in plain decimal, the speed by FormatSpeed.
[[nodiscard]] std::string FormatConfigValue(const ScriptConfig& config, ConfigMember member);

// "name=value" for the eight members in table order.
[[nodiscard]] std::vector<std::string> FormatScriptConfig(const ScriptConfig& config);

}  // namespace xd
