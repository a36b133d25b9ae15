// Fixed texts of the script language: the header mark, the check's reasons and
// the two messages a refused or failing script produces. Byte-exact UTF-8.
#pragma once
#include <cstdint>
#include <string_view>

namespace xd {

// First bytes of every script; the rest of the header line is not examined.
inline constexpr std::string_view kScriptHeaderMark = "'岚榕迅点小侠脚本";

namespace reason {
inline constexpr std::string_view kUnknownCommand = "未知的命令";
inline constexpr std::string_view kMissingCloseParen = "命令最后面缺少“)”";
inline constexpr std::string_view kMissingArguments = "命令之后缺少参数";
inline constexpr std::string_view kConfigMissingEquals = "配置赋值缺少“=”";
inline constexpr std::string_view kMissingOpenParen = "命令之后缺少“(”";
inline constexpr std::string_view kMissingMember = "缺少配置成员";
inline constexpr std::string_view kWrongMemberName = "配置成员名称错误";
inline constexpr std::string_view kMissingValue = "缺少配置的值";
// "需要参数 N 个，检查到参数是M 个", built by CountMismatchReason.
inline constexpr std::string_view kCountNeeded = "需要参数 ";
inline constexpr std::string_view kCountFound = " 个，检查到参数是";
inline constexpr std::string_view kCountUnit = " 个";
// The keyboard statements' values: + the name in “”.
inline constexpr std::string_view kUnknownKeyName = "按键名称错误：";
inline constexpr std::string_view kKeyCountOutOfRange = "次数必须是 1 到 2147483647 之间的整数";
inline constexpr std::string_view kTextNotQuoted = "文字必须用英文双引号括起来";
inline constexpr std::string_view kTextEmpty = "文字不能为空";
}  // namespace reason

// Syntax error box: text is kSyntaxErrorPrefix + N + kSyntaxErrorLineSuffix + reason.
inline constexpr std::string_view kSyntaxErrorCaption = "脚本语法错误";
inline constexpr std::string_view kSyntaxErrorPrefix = "发现脚本语法错误：第 ";
inline constexpr std::string_view kSyntaxErrorLineSuffix = " 行\r\n";
// System-modal, foreground, topmost, error icon.
inline constexpr std::uint32_t kSyntaxErrorBoxFlags = 0x51010;

// Refusal of a text without the header mark; the box is captioned with the
// product name and uses the same flags.
inline constexpr std::string_view kNotAScriptCaption = "岚榕_迅点小侠";
inline constexpr std::string_view kNotAScriptText = "此脚本不是岚榕迅点小侠脚本格式，无法执行脚本。";
inline constexpr std::uint32_t kNotAScriptBoxFlags = 0x51010;

}  // namespace xd
