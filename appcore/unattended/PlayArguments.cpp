#include "appcore/unattended/PlayArguments.h"

#include "appcore/unattended/PlayLog.h"
#include "platform/Text.h"

#include <string_view>
#include <utility>

namespace xd {
namespace {

// Longer than any path the system opens; bounds what a damaged shortcut can hand us.
constexpr std::size_t kMaxPathBytes = 4096;
// Enough for every accepted number; longer digit runs are refused before they could overflow.
constexpr std::size_t kMaxNumberChars = 9;

bool IsSwitch(std::string_view argument) noexcept { return !argument.empty() && argument.front() == '/'; }

std::optional<std::int32_t> ReadWhole(std::string_view text) noexcept {
    if (text.empty() || text.size() > kMaxNumberChars) return std::nullopt;
    std::int32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "1", "1.5", "0.25": at most two decimals, in hundredths.
std::optional<std::int32_t> ReadHundredths(std::string_view text) noexcept {
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    if (dot != std::string_view::npos && (fraction.empty() || fraction.size() > 2)) return std::nullopt;
    if (whole.size() > 6) return std::nullopt;
    const std::optional<std::int32_t> units = ReadWhole(whole);
    if (!units) return std::nullopt;
    std::int32_t hundredths = *units * 100;
    if (!fraction.empty()) {
        const std::optional<std::int32_t> part = ReadWhole(fraction);
        if (!part) return std::nullopt;
        hundredths += fraction.size() == 1 ? *part * 10 : *part;
    }
    return hundredths;
}

std::string FormatHundredths(std::int32_t hundredths) {
    std::string text = std::to_string(hundredths / 100);
    if (const std::int32_t rest = hundredths % 100; rest != 0) {
        text += '.';
        text += static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0) text += static_cast<char>('0' + rest % 10);
    }
    return text;
}

// The arguments from `i` up to the next switch, joined with blanks into `path`; false when too long.
bool JoinPathArguments(std::span<const std::string> arguments, std::size_t& i, std::string& path) {
    for (; i < arguments.size() && !IsSwitch(arguments[i]); ++i) {
        if (path.size() + 1 + arguments[i].size() > kMaxPathBytes) return false;
        if (!path.empty()) path += ' ';
        path += arguments[i];
    }
    return true;
}

// What was read so far stays: a log named before the mistake still gets its line.
ParsedCommandLine Invalid(ParsedCommandLine parsed, std::string error) {
    parsed.kind = ParsedCommandLine::Kind::Invalid;
    parsed.error = std::move(error);
    return parsed;
}

}  // namespace

ParsedCommandLine ParseCommandLine(std::span<const std::string> arguments, const PlayLimits& limits) {
    if (arguments.empty() || !EqualsIgnoringAsciiCase(arguments[0], "/play")) return {};
    ParsedCommandLine parsed;
    parsed.kind = ParsedCommandLine::Kind::Play;
    PlayRequest& play = parsed.play;
    const auto fail = [&parsed](std::string error) { return Invalid(std::move(parsed), std::move(error)); };

    std::size_t i = 1;
    if (!JoinPathArguments(arguments, i, play.scriptPath)) return fail("脚本文件的路径太长。");
    if (play.scriptPath.empty()) return fail("/play 之后缺少脚本文件。");

    bool modeGiven = false;
    while (i < arguments.size()) {
        const std::string& name = arguments[i++];
        const std::string_view value = i < arguments.size() ? std::string_view(arguments[i]) : std::string_view();
        if (EqualsIgnoringAsciiCase(name, "/foreground") || EqualsIgnoringAsciiCase(name, "/background")) {
            if (modeGiven) return fail("/foreground 和 /background 只能给一个。");
            modeGiven = true;
            play.mode = EqualsIgnoringAsciiCase(name, "/foreground") ? PlayModeOverride::Foreground : PlayModeOverride::Background;
        } else if (EqualsIgnoringAsciiCase(name, "/repeat")) {
            if (play.repeat) return fail("/repeat 给了两次。");
            const std::optional<std::int32_t> n = ReadWhole(value);
            if (!n || *n > limits.repeatMax) {
                return fail("/repeat 之后须是 0 到 " + std::to_string(limits.repeatMax) + " 的整数（0 为无限循环）。");
            }
            play.repeat = *n;
            ++i;
        } else if (EqualsIgnoringAsciiCase(name, "/speed")) {
            if (play.speedHundredths) return fail("/speed 给了两次。");
            const std::optional<std::int32_t> s = ReadHundredths(value);
            if (!s || *s < limits.speedMinHundredths || *s > limits.speedMaxHundredths) {
                return fail("/speed 之后须是 " + FormatHundredths(limits.speedMinHundredths) + " 到 " +
                            FormatHundredths(limits.speedMaxHundredths) + " 的倍数（最多两位小数）。");
            }
            play.speedHundredths = *s;
            ++i;
        } else if (EqualsIgnoringAsciiCase(name, "/wait")) {
            if (play.waitSeconds) return fail("/wait 给了两次。");
            const std::optional<std::int32_t> s = ReadWhole(value);
            if (!s || *s > kWaitSecondsMax) {
                return fail("/wait 之后须是 0 到 " + std::to_string(kWaitSecondsMax) + " 的秒数。");
            }
            play.waitSeconds = *s;
            ++i;
        } else if (EqualsIgnoringAsciiCase(name, "/log")) {
            if (!play.logPath.empty()) return fail("/log 给了两次。");
            if (!JoinPathArguments(arguments, i, play.logPath)) return fail("日志文件的路径太长。");
            if (play.logPath.empty()) return fail("/log 之后缺少日志文件。");
        } else {
            return fail("不认识的参数：" + Utf8Prefix(name, 64));
        }
    }
    return parsed;
}

}  // namespace xd
