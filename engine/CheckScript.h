// The check pass that precedes every playback: refuse a text without the header
// mark, check every statement, apply configuration lines as they pass, and stop
// at the first failing line.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ScriptCommand.h"
#include "engine/ScriptConfig.h"

namespace xd {

enum class ScriptCheckStatus { Passed, NotAScript, SyntaxError };

struct ScriptCheck {
    ScriptCheckStatus status = ScriptCheckStatus::Passed;
    std::size_t errorLine = 0;  // 1-based; set for SyntaxError
    std::string reason;         // set for SyntaxError
    std::string message;        // the text the user is shown; empty when passed
    std::vector<ScriptCommand> commands;  // every statement, configuration lines included
};

// Configuration lines above a failing line stay applied to config, as in a real
// playback. On NotAScript nothing is examined or applied.
[[nodiscard]] ScriptCheck CheckScript(std::string_view text, ScriptConfig& config);

// "发现脚本语法错误：第 N 行" CR LF reason
[[nodiscard]] std::string SyntaxErrorMessage(std::size_t lineNumber, std::string_view reason);

}  // namespace xd
