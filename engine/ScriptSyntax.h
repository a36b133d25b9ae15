// The statement-level rules of the script language: the form check, the
// argument split and the configuration assignment.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ScriptConfig.h"

namespace xd {

// Empty when the statement after keyword is well formed, else the reason text.
// The keyboard statements' values are checked too (CheckKeyStatementValues).
// line is the stripped line and begins with keyword. lineIndex (0-based) does
// not enter the reason; it is taken so callers pass what the runner knows.
[[nodiscard]] std::string CheckCommandLine(std::size_t lineIndex, std::string_view keyword,
                                           std::string_view line, int expectedCount);

// "需要参数 N 个，检查到参数是M 个"
[[nodiscard]] std::string CountMismatchReason(int expected, int found);

// Far beyond any statement's seven parameters; slots past it are dropped so a
// line of a million "(" cannot make a million empty arguments.
inline constexpr std::size_t kMaxArgumentSlots = 1000;

// The argument texts of a line that passed CheckCommandLine, stripped of spaces
// and then of every double quote at either end. Slots that the line skipped
// (a second "(" starts a new one) are empty texts.
[[nodiscard]] std::vector<std::string> SplitArguments(std::string_view line);

// The same arguments as they stand on the line, stripped of spaces only, quotes kept.
[[nodiscard]] std::vector<std::string_view> RawArguments(std::string_view line);

// Writers double a double quote inside a quoted argument, and the argument split
// keeps inner pairs as they are: this undoes the doubling.
[[nodiscard]] std::string UndoubleQuotes(std::string_view text);

// A raw argument that is quoted as the writer quotes a window title (one enclosing
// pair, every quote inside doubled) as the text it stands for; nullopt otherwise.
[[nodiscard]] std::optional<std::string> QuotedText(std::string_view raw);

// Sets at most one member from "anything.member=value 'comment"; anything else
// changes nothing.
void ApplyConfigLine(std::string_view line, ScriptConfig& config) noexcept;

}  // namespace xd
