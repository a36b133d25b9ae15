#include "engine/playback/TargetWindow.h"

#include <algorithm>
#include <vector>

#include "appcore/playback/WindowWait.h"
#include "engine/Numbers.h"
#include "engine/ScriptSyntax.h"
#include "engine/playback/ApproachPoint.h"
#include "engine/playback/PlaybackMessages.h"

namespace xd {

std::string TargetWindowTitle(std::string_view line) {
    const std::vector<std::string> arguments = SplitArguments(line);
    return arguments.empty() ? std::string() : UndoubleQuotes(arguments[0]);
}

namespace {

std::vector<std::string_view> SplitPath(std::string_view path) {
    std::vector<std::string_view> elements;
    for (;;) {
        const std::size_t comma = path.find(',');
        elements.push_back(path.substr(0, comma));
        if (comma == std::string_view::npos) return elements;
        path.remove_prefix(comma + 1);
    }
}

WindowHandle FindTopLevel(PlaybackServices& s, const std::string& className, const std::string& title) {
    WindowHandle w = s.windows.FindWindow(className, title);
    // The window may still be opening: about 200 ms of retries.
    for (int retry = 0; w == kNoWindow && retry < kTargetSearchRetries; ++retry) {
        s.clock.Sleep(kTargetSearchPauseMs);
        w = s.windows.FindWindow(className, title);
    }
    return w;
}

WindowHandle NthChild(IWindowSystem& windows, WindowHandle parent, int n) {
    WindowHandle w = windows.FirstChild(parent);
    for (int i = 1; i < n && w != kNoWindow; ++i) w = windows.NextSibling(w);
    return w;
}

// Where a search got to: the window at the end of the path, or the element that could not be followed.
struct PathWalk {
    WindowHandle window = kNoWindow;
    std::size_t failedElement = 0;
};

PathWalk WalkPath(IWindowSystem& windows, WindowHandle top, const std::vector<std::string_view>& path) {
    WindowHandle w = top;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const std::int32_t n = ReadInteger(path[i]);
        if (n <= 0) break;
        w = NthChild(windows, w, std::min(n, kMaxChildPosition));
        if (w == kNoWindow) return PathWalk{kNoWindow, i};
    }
    return PathWalk{w, 0};
}

}  // namespace

int ResolveTargetWindow(Runner& runner, std::string_view titleArgument, std::string_view classArgument,
                        std::string_view childPath) noexcept {
    PlaybackServices& s = runner.services;
    const std::string title = UndoubleQuotes(titleArgument);
    const std::string className = UndoubleQuotes(classArgument);
    const std::vector<std::string_view> path = SplitPath(childPath);
    runner.run->targetWindow.store(kNoWindow);

    WindowHandle top = FindTopLevel(s, className, title);
    PathWalk walk;
    if (top != kNoWindow) {
        s.clock.Sleep(kTargetSearchPauseMs);
        if (runner.StopRequested()) return 99;
        walk = WalkPath(s.windows, top, path);
    }
    const std::int32_t waitSeconds = s.state.waitForWindowSeconds.load();
    if (walk.window == kNoWindow && waitSeconds > 0) {
        runner.run->waitingForWindow.store(true);
        const WindowWaitResult waited = WaitForWindow(
            s.clock, waitSeconds,
            [&] {
                top = s.windows.FindWindow(className, title);
                walk = top != kNoWindow ? WalkPath(s.windows, top, path) : PathWalk{};
                return walk.window;
            },
            [&runner] { return runner.StopRequested(); });
        runner.run->waitingForWindow.store(false);
        if (waited.end == WindowWaitEnd::Stopped) return 99;
    }
    if (top == kNoWindow) {
        runner.RequestStop();
        ShowRunError(runner, std::string(kTargetNotFoundText) + title + std::string(kClassNameLabel) + className);
        return 1;
    }
    if (walk.window == kNoWindow) {
        ShowRunError(runner, std::string(kChildNotFoundText) + title + std::string(kClassNameLabel) + className +
                                 std::string(kChildPathLabel) + std::string(childPath) +
                                 std::string(kFailingElementLabel) + std::to_string(walk.failedElement));
        runner.RequestStop();
        return 2;
    }
    runner.run->targetWindow.store(walk.window);
    return 0;
}

}  // namespace xd
