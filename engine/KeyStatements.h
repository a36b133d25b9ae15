// What the two keyboard statements, 键盘按键(按键,次数,等待时间) and 输入文字(文字,等待时间),
// take beyond their form: a key name the player knows, a count it can press, and
// a quoted, non-empty text. A line that would play nothing, or something else
// than it says, fails the check with its line like any other error.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "appcore/keyboard/KeyNames.h"

namespace xd {

// 次数 as a wheel's count reads it (the integer rule); a count that presses
// nothing (0 or less, or no number) is refused.
inline constexpr std::int32_t kMinKeyPressCount = 1;

// Empty when the values of a 键盘按键 or 输入文字 line that passed the form check
// are good, else the reason the user is shown.
[[nodiscard]] std::string CheckKeyStatementValues(std::string_view keyword, std::string_view line);

// The parsed arguments of a statement that passed the check.
[[nodiscard]] std::optional<KeyCombination> KeyPressKeys(std::string_view argument);
// 输入文字's text as its split argument holds it (enclosing quotes gone, inner ones doubled).
[[nodiscard]] std::string TypedText(std::string_view argument);

}  // namespace xd
