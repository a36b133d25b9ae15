// Any bytes through the argument split; a line that passes the check must give
// at least the slots a statement reads without ever exceeding the bound.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/Keywords.h"
#include "engine/ScriptSyntax.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto arguments = xd::SplitArguments(line);
    if (arguments.size() > xd::kMaxArgumentSlots) __builtin_trap();
    for (const auto& argument : arguments) {
        if (argument.size() > line.size()) __builtin_trap();
        if (!argument.empty() && (argument.front() == '"' || argument.back() == '"')) __builtin_trap();
    }
    return 0;
}
