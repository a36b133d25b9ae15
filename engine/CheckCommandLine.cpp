#include <algorithm>
#include <limits>
#include <string>

#include "engine/KeyStatements.h"
#include "engine/Keywords.h"
#include "engine/Messages.h"
#include "engine/ScriptConfig.h"
#include "engine/ScriptSyntax.h"
#include "engine/ScriptText.h"

namespace xd {

std::string CountMismatchReason(int expected, int found) {
    std::string text(reason::kCountNeeded);
    text += std::to_string(expected);
    text += reason::kCountFound;
    text += std::to_string(found);
    text += reason::kCountUnit;
    return text;
}

namespace {

// The assignment form, from the byte after the keyword; returns the reason.
std::string_view CheckAssignment(std::string_view afterKeyword) {
    const std::size_t equals = afterKeyword.find('=');
    if (equals == std::string_view::npos) return reason::kConfigMissingEquals;
    const std::string_view name = StripSpaces(afterKeyword.substr(0, equals));
    if (name.empty()) return reason::kMissingMember;
    if (kConfigMemberListText.find(name) == std::string_view::npos) return reason::kWrongMemberName;
    std::string_view value = StripSpaces(afterKeyword.substr(equals + 1));
    const std::size_t comment = value.find('\'');
    if (comment != std::string_view::npos) value = StripSpaces(value.substr(0, comment));
    return value.empty() ? reason::kMissingValue : std::string_view{};
}

}  // namespace

std::string CheckCommandLine(std::size_t /*lineIndex*/, std::string_view keyword, std::string_view line,
                             int expectedCount) {
    const std::string_view rest = line.substr(std::min(keyword.size(), line.size()));
    const bool assignmentKeyword = keyword.ends_with('.');

    std::string_view pending;
    std::size_t p = 0;
    // State 0: right after the keyword.
    for (; p < rest.size(); ++p) {
        const char c = rest[p];
        if (c == ' ') continue;
        if (c == '(') {
            pending = reason::kMissingCloseParen;
            ++p;
            break;
        }
        if (c == '\'') return std::string(reason::kMissingArguments);
        if (assignmentKeyword) {
            // The assignment is decided at once; it never reaches the count test.
            return std::string(CheckAssignment(rest));
        }
        return std::string(reason::kMissingOpenParen);
    }

    // State 1: inside the argument list (reached only after "(").
    int count = 0;
    bool inQuotes = false;
    bool closed = false;
    if (!pending.empty()) {
        for (; p < rest.size() && !closed; ++p) {
            const char c = rest[p];
            if (inQuotes) {
                if (c == '"') inQuotes = false;
                continue;
            }
            switch (c) {
                case ' ': break;
                case '"':
                    inQuotes = true;
                    if (count == 0) count = 1;
                    break;
                case ',':
                    if (count < std::numeric_limits<int>::max()) ++count;
                    break;
                case ')': closed = true; break;
                case '\'': return std::string(pending);
                default:
                    if (count == 0) count = 1;
                    break;
            }
        }
        if (!closed) return std::string(pending);
    }
    if (count != expectedCount) return CountMismatchReason(expectedCount, count);
    if (keyword == kKeyPressKeyword || keyword == kTypeTextKeyword) return CheckKeyStatementValues(keyword, line);
    return {};
}

}  // namespace xd
