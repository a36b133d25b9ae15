// One statement of a script that passed the check.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace xd {

enum class CommandKind { Config, TargetWindow, Click, Drag, Wheel, KeyPress, TypeText };

struct ScriptCommand {
    CommandKind kind = CommandKind::Config;
    std::size_t lineNumber = 0;           // 1-based, the header is line 1
    std::vector<std::string> arguments;   // as SplitArguments returns them
};

}  // namespace xd
