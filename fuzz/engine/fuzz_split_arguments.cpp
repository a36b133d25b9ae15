// Any bytes through the argument split: never more slots than the bound, never an
// argument longer than the line, and no stray quote left at an argument's ends. The raw
// arguments are the same slots, and a text the check takes as quoted (输入文字) is the
// text the runner types from the split argument.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/Keywords.h"
#include "engine/ScriptSyntax.h"

namespace {

bool QuotesAllDoubled(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '"') continue;
        if (i + 1 >= text.size() || text[i + 1] != '"') return false;
        ++i;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto arguments = xd::SplitArguments(line);
    if (arguments.size() > xd::kMaxArgumentSlots) __builtin_trap();
    for (const auto& argument : arguments) {
        if (argument.size() > line.size()) __builtin_trap();
        // A quote may stay at an end only as part of a text whose quotes are all doubled.
        if (!argument.empty() && (argument.front() == '"' || argument.back() == '"') &&
            !QuotesAllDoubled(argument)) {
            __builtin_trap();
        }
    }
    const auto raw = xd::RawArguments(line);
    if (raw.size() != arguments.size()) __builtin_trap();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const auto quoted = xd::QuotedText(raw[i]);
        if (quoted && *quoted != xd::UndoubleQuotes(arguments[i])) __builtin_trap();
    }
    return 0;
}
