// Any bytes as one script line, and as a whole script, through the check; a keyboard line the check lets
// through is one the runner can play as it reads (its key name parses, its count presses, its text types).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/CheckScript.h"
#include "engine/KeyStatements.h"
#include "engine/Numbers.h"
#include "engine/Keywords.h"
#include "engine/Messages.h"
#include "engine/ScriptSyntax.h"
#include "engine/ScriptText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string_view line = xd::StripSpaces(bytes);
    // Every keyword, whether or not the line starts with it, and odd counts.
    for (const xd::Keyword& keyword : xd::kKeywords) {
        (void)xd::CheckCommandLine(0, keyword.text, line, keyword.parameterCount);
    }
    (void)xd::CheckCommandLine(0, "", line, -1);

    if (line.starts_with(xd::kKeyPressKeyword) && xd::CheckCommandLine(0, xd::kKeyPressKeyword, line, 3).empty()) {
        const auto arguments = xd::SplitArguments(line);
        if (arguments.size() < 2 || !xd::KeyPressKeys(arguments[0]) || xd::ReadInteger(arguments[1]) < 1)
            __builtin_trap();
    }
    if (line.starts_with(xd::kTypeTextKeyword) && xd::CheckCommandLine(0, xd::kTypeTextKeyword, line, 2).empty()) {
        const auto arguments = xd::SplitArguments(line);
        if (arguments.empty() || xd::TypedText(arguments[0]).empty()) __builtin_trap();
    }

    std::string text{xd::kScriptHeaderMark};
    text += "\r\n";
    text += bytes;
    xd::ScriptConfig config;
    const xd::ScriptCheck check = xd::CheckScript(text, config);
    if (check.status == xd::ScriptCheckStatus::SyntaxError && check.message.empty()) __builtin_trap();
    return 0;
}
