#include "eventlist/recording/TargetCapture.h"

namespace xd {
namespace {

// A window tree that keeps changing under the walk must not hold the hook.
constexpr int kMaxDepth = 1024;
constexpr int kMaxSiblings = 65536;

std::string Stored(std::string ansi) {
    ansi.append(2, '\0');
    return ansi;
}

}  // namespace

const EventString& WindowTextCache::Title(IWindowSystem& windows, ICodePage& codePage, WindowHandle w) {
    auto it = titles_.find(w);
    if (it == titles_.end()) it = titles_.emplace(w, Stored(codePage.Utf8ToAnsi(windows.Title(w)))).first;
    return it->second;
}

const EventString& WindowTextCache::ClassName(IWindowSystem& windows, ICodePage& codePage, WindowHandle w) {
    auto it = classes_.find(w);
    if (it == classes_.end()) it = classes_.emplace(w, Stored(codePage.Utf8ToAnsi(windows.ClassName(w)))).first;
    return it->second;
}

WindowHandle TopLevelWindow(IWindowSystem& windows, WindowHandle w) {
    const WindowHandle desktop = windows.DesktopWindow();
    for (int depth = 0; depth < kMaxDepth; ++depth) {
        const WindowHandle parent = windows.Parent(w);
        if (parent == kNoWindow || parent == desktop) return w;
        w = parent;
    }
    return w;
}

WindowHandle CaptureTargetWindow(IWindowSystem& windows, ICodePage& codePage, WindowTextCache& cache,
                                 WindowHandle window, RecordedEvent& event) {
    const WindowHandle desktop = windows.DesktopWindow();
    std::string path;  // innermost level first, reversed at the end
    WindowHandle current = window;
    for (int depth = 0; depth < kMaxDepth; ++depth) {
        const WindowHandle parent = windows.Parent(current);
        if (parent == kNoWindow || parent == desktop) break;
        int position = 0;
        int counted = 0;
        for (WindowHandle c = windows.FirstChild(parent); c != kNoWindow && counted < kMaxSiblings;
             c = windows.NextSibling(c)) {
            ++counted;
            if (c == current) {
                position = counted;
                break;
            }
        }
        path.push_back(static_cast<char>(position & 0xFF));
        current = parent;
    }
    event.childPath = std::string(path.rbegin(), path.rend());
    event.windowTitle = cache.Title(windows, codePage, current);
    event.windowClass = cache.ClassName(windows, codePage, current);
    return current;
}

void SetEventOffsets(IWindowSystem& windows, WindowHandle window, WindowHandle topLevel, RecordedEvent& event) {
    const Rect inner = windows.WindowRect(window);
    const Rect top = windows.WindowRect(topLevel);
    auto pack = [](std::int32_t fromTop, std::int32_t fromInner) {
        return static_cast<std::int32_t>((static_cast<std::uint32_t>(fromTop) << 16) |
                                         (static_cast<std::uint32_t>(fromInner) & 0xFFFFu));
    };
    event.offsetX = pack(event.x - top.left, event.x - inner.left);
    event.offsetY = pack(event.y - top.top, event.y - inner.top);
}

}  // namespace xd
