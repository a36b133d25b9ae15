// The 目标窗口 line that names the window a recorded gesture belongs to.
#pragma once
#include <string>

#include "platform/WindowSystem.h"

namespace xd {

struct TargetWindowSpec {
    std::string title;      // of the top-level window containing the target
    std::string className;  // of that top-level window
    std::string childPath;  // "0" for a top-level target, else 1-based z-order positions, outermost first
    friend bool operator==(const TargetWindowSpec&, const TargetWindowSpec&) = default;
};

// A text as a script line quotes it: in double quotes, quotes inside doubled, line breaks as blanks.
[[nodiscard]] std::string QuotedScriptText(const std::string& text);

[[nodiscard]] TargetWindowSpec DescribeTargetWindow(IWindowSystem& windows, WindowHandle window);

// 目标窗口("title","class","path"), quotes inside title and class doubled.
[[nodiscard]] std::string TargetWindowLine(const TargetWindowSpec& spec);

[[nodiscard]] std::string BuildTargetWindowLine(IWindowSystem& windows, WindowHandle window);

}  // namespace xd
