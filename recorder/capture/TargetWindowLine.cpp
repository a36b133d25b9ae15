#include "recorder/capture/TargetWindowLine.h"

#include "engine/Keywords.h"

namespace xd {
namespace {

// A window missing from its parent's list counts one past the last child.
int ChildPosition(IWindowSystem& windows, WindowHandle parent, WindowHandle child) {
    int position = 1;
    for (WindowHandle w = windows.FirstChild(parent); w != kNoWindow && w != child; w = windows.NextSibling(w)) {
        ++position;
    }
    return position;
}

}  // namespace

// A line break inside a title or class would split the script line and fail the
// check: it is written as a blank, so the line stays one line (the window will
// not be found by that name, which the playback then reports).
std::string QuotedScriptText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c == '\r' || c == '\n' ? ' ' : c;
    }
    out += '"';
    return out;
}

TargetWindowSpec DescribeTargetWindow(IWindowSystem& windows, WindowHandle window) {
    const WindowHandle desktop = windows.DesktopWindow();
    std::string path;
    WindowHandle parent = windows.Parent(window);
    while (parent != kNoWindow && parent != desktop) {
        const std::string position = std::to_string(ChildPosition(windows, parent, window));
        path = path.empty() ? position : position + "," + path;
        window = parent;
        parent = windows.Parent(window);
    }
    TargetWindowSpec spec;
    spec.childPath = path.empty() ? "0" : path;
    if (windows.IsWindow(window)) {
        spec.title = windows.Title(window);
        spec.className = windows.ClassName(window);
    }
    return spec;
}

std::string TargetWindowLine(const TargetWindowSpec& spec) {
    return std::string(kTargetWindowKeyword) + "(" + QuotedScriptText(spec.title) + "," +
           QuotedScriptText(spec.className) + "," + QuotedScriptText(spec.childPath) + ")";
}

std::string BuildTargetWindowLine(IWindowSystem& windows, WindowHandle window) {
    return TargetWindowLine(DescribeTargetWindow(windows, window));
}

}  // namespace xd
