#include "engine/KeyStatements.h"

#include <vector>

#include "engine/Keywords.h"
#include "engine/Messages.h"
#include "engine/Numbers.h"
#include "engine/ScriptSyntax.h"

namespace xd {

namespace {

std::string UnknownKeyReason(std::string_view name) {
    std::string text(reason::kUnknownKeyName);
    text += "“";
    text += name;
    text += "”";
    return text;
}

}  // namespace

std::optional<KeyCombination> KeyPressKeys(std::string_view argument) {
    return ParseKeyCombination(argument);
}

std::string TypedText(std::string_view argument) {
    return UndoubleQuotes(argument);
}

std::string CheckKeyStatementValues(std::string_view keyword, std::string_view line) {
    if (keyword == kKeyPressKeyword) {
        const std::vector<std::string> arguments = SplitArguments(line);
        const std::string_view keys = arguments.empty() ? std::string_view() : std::string_view(arguments[0]);
        if (!KeyPressKeys(keys)) return UnknownKeyReason(keys);
        const std::string_view count = arguments.size() > 1 ? std::string_view(arguments[1]) : std::string_view();
        if (ReadInteger(count) < kMinKeyPressCount) return std::string(reason::kKeyCountOutOfRange);
        return {};
    }
    if (keyword == kTypeTextKeyword) {
        const std::vector<std::string_view> raw = RawArguments(line);
        const std::optional<std::string> text = QuotedText(raw.empty() ? std::string_view() : raw[0]);
        if (!text) return std::string(reason::kTextNotQuoted);
        if (text->empty()) return std::string(reason::kTextEmpty);
        return {};
    }
    return {};
}

}  // namespace xd
