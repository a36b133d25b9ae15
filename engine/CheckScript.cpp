#include "engine/CheckScript.h"

#include "engine/Keywords.h"
#include "engine/Messages.h"
#include "engine/ScriptSyntax.h"
#include "engine/ScriptText.h"

namespace xd {

std::string SyntaxErrorMessage(std::size_t lineNumber, std::string_view reason) {
    std::string text(kSyntaxErrorPrefix);
    text += std::to_string(lineNumber);
    text += kSyntaxErrorLineSuffix;
    text += reason;
    return text;
}

namespace {

ScriptCheck Failure(ScriptCheck&& check, std::size_t lineNumber, std::string reason) {
    check.status = ScriptCheckStatus::SyntaxError;
    check.errorLine = lineNumber;
    check.message = SyntaxErrorMessage(lineNumber, reason);
    check.reason = std::move(reason);
    check.commands.clear();
    return std::move(check);
}

}  // namespace

ScriptCheck CheckScript(std::string_view text, ScriptConfig& config) {
    ScriptCheck check;
    if (!StartsWithHeaderMark(text)) {
        check.status = ScriptCheckStatus::NotAScript;
        check.message = std::string(kNotAScriptText);
        return check;
    }

    std::size_t pos = 0;
    std::string_view rawLine;
    for (std::size_t index = 0; NextScriptLine(text, pos, rawLine); ++index) {
        const std::string_view line = StripSpaces(rawLine);
        if (line.empty() || line.front() == '\'') continue;
        const Keyword* keyword = FindKeyword(line);
        if (keyword == nullptr) return Failure(std::move(check), index + 1, std::string(reason::kUnknownCommand));
        std::string reason = CheckCommandLine(index, keyword->text, line, keyword->parameterCount);
        if (!reason.empty()) return Failure(std::move(check), index + 1, std::move(reason));
        if (keyword->kind == CommandKind::Config) ApplyConfigLine(line, config);
        check.commands.push_back(ScriptCommand{keyword->kind, index + 1, SplitArguments(line)});
    }
    return check;
}

}  // namespace xd
