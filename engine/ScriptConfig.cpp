#include "engine/ScriptConfig.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace xd {

std::optional<ConfigMember> FindConfigMember(std::string_view name) noexcept {
    for (const ConfigMemberName& entry : kConfigMembers) {
        if (entry.name == name) return entry.member;
    }
    return std::nullopt;
}

std::atomic<std::int32_t>* IntegerMember(ScriptConfig& config, ConfigMember member) noexcept {
    switch (member) {
        case ConfigMember::RepeatCount: return &config.repeatCount;
        case ConfigMember::Speed: return nullptr;
        case ConfigMember::ForegroundMode: return &config.foregroundMode;
        case ConfigMember::ClickEffect: return &config.clickEffect;
        case ConfigMember::VirtualPointer: return &config.virtualPointer;
        case ConfigMember::StartPosition: return &config.startPosition;
        case ConfigMember::MoveMouse: return &config.moveMouse;
        case ConfigMember::RandomOffset: return &config.randomOffset;
    }
    return nullptr;
}

const std::atomic<std::int32_t>* IntegerMember(const ScriptConfig& config, ConfigMember member) noexcept {
    return IntegerMember(const_cast<ScriptConfig&>(config), member);
}

namespace {

// Turns to_chars' scientific form ("-2.5e+00") into plain decimal ("-2.5").
std::string PlainDecimal(std::string_view scientific) {
    std::string result;
    if (scientific.starts_with('-')) {
        result += '-';
        scientific.remove_prefix(1);
    }
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, e)) {
        if (c != '.') digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());
    const int pointAt = exponent + 1;  // digits before the decimal point
    const int count = static_cast<int>(digits.size());
    if (pointAt <= 0) {
        result += "0.";
        result.append(static_cast<std::size_t>(-pointAt), '0');
        result += digits;
    } else if (pointAt >= count) {
        result += digits;
        result.append(static_cast<std::size_t>(pointAt - count), '0');
    } else {
        result += digits.substr(0, static_cast<std::size_t>(pointAt));
        result += '.';
        result += digits.substr(static_cast<std::size_t>(pointAt));
    }
    return result;
}

}  // namespace

std::string FormatSpeed(float speed) {
    if (std::isnan(speed)) return "nan";
    if (std::isinf(speed)) return speed < 0 ? "-inf" : "inf";
    if (speed == 0.0f) return "0";
    char buffer[64];
    std::to_chars_result written{};
    for (int precision = 0; precision < 7; ++precision) {
        written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(speed),
                                std::chars_format::scientific, precision);
        float back = 0.0f;
        const auto parsed = std::from_chars(buffer, written.ptr, back);
        if (parsed.ec == std::errc{} && back == speed) break;
    }
    // The last attempt (seven digits) stands when none round-trips exactly.
    return PlainDecimal(std::string_view(buffer, static_cast<std::size_t>(written.ptr - buffer)));
}

std::string FormatConfigValue(const ScriptConfig& config, ConfigMember member) {
    if (member == ConfigMember::Speed) return FormatSpeed(config.speed.load());
    return std::to_string(IntegerMember(config, member)->load());
}

std::vector<std::string> FormatScriptConfig(const ScriptConfig& config) {
    std::vector<std::string> lines;
    lines.reserve(kConfigMembers.size());
    for (const ConfigMemberName& entry : kConfigMembers) {
        lines.push_back(std::string(entry.name) + "=" + FormatConfigValue(config, entry.member));
    }
    return lines;
}

}  // namespace xd
