#include "eventlist/player/FindEventWindow.h"

#include "appcore/playback/WindowWait.h"

namespace xd {

namespace {

constexpr std::uint32_t kMissingWindowBoxFlags = mb::kAbortRetryIgnore | mb::kIconQuestion;
// A desktop that keeps changing under the walk must not hold the player.
constexpr int kMaxTopLevelWindows = 65536;

std::string MissingWindowText(const std::string& title, const std::string& className) {
    return "无法找到录制时的目标软件窗口\r\n窗口名：" + title + "\r\n类名　：" + className +
           "\r\n【中止】结束本次操作\r\n【重试】开启目标软件后点这里再试试\r\n【忽略】忽略它，后面全部不提示。\r\n请选择？";
}

// The top-level window whose title and class, converted as the recorder converts
// them, are the stored bytes. A title with characters the code page lacks was
// stored with "?" in their place, which the search by text never finds.
WindowHandle FindByStoredBytes(const WindowSearch& search, std::string_view title, std::string_view className) {
    IWindowSystem& windows = search.windows;
    WindowHandle w = windows.FirstChild(windows.DesktopWindow());
    for (int visited = 0; w != kNoWindow && visited < kMaxTopLevelWindows; ++visited, w = windows.NextSibling(w)) {
        if (StoredAnsiText(search.codePage.Utf8ToAnsi(windows.ClassName(w))) == className &&
            StoredAnsiText(search.codePage.Utf8ToAnsi(windows.Title(w))) == title) {
            return w;
        }
    }
    return kNoWindow;
}

}  // namespace

std::string StoredWindowText(ICodePage& codePage, std::string_view stored) {
    return codePage.AnsiToUtf8(StoredAnsiText(stored));
}

WindowHandle FollowChildPath(IWindowSystem& windows, WindowHandle top, std::string_view path) {
    WindowHandle w = top;
    for (const char c : path) {
        const auto position = static_cast<unsigned char>(c);
        if (position == 0) break;
        WindowHandle child = windows.FirstChild(w);
        for (unsigned i = 1; i < position && child != kNoWindow; ++i) child = windows.NextSibling(child);
        if (child == kNoWindow) return kNoWindow;
        w = child;
    }
    return w;
}

WindowHandle FindEventWindow(const WindowSearch& search, const RecordedEvent& event, AbortState& abort) {
    const std::string title = StoredWindowText(search.codePage, event.windowTitle);
    const std::string className = StoredWindowText(search.codePage, event.windowClass);
    const auto findTop = [&] {
        const WindowHandle top = search.windows.FindWindow(className, title);
        if (top != kNoWindow) return top;
        return FindByStoredBytes(search, StoredAnsiText(event.windowTitle), StoredAnsiText(event.windowClass));
    };
    // The user who chose Ignore wants no more holding up; the wait is for a window that is on its way.
    if (search.clock && search.waitSeconds > 0 && abort == AbortState::None) {
        const auto look = [&] {
            const WindowHandle top = findTop();
            return top != kNoWindow ? FollowChildPath(search.windows, top, event.childPath) : kNoWindow;
        };
        if (const WindowHandle w = look(); w != kNoWindow) return w;
        if (search.waiting) search.waiting(true);
        const WindowWaitResult waited = WaitForWindow(*search.clock, search.waitSeconds, look, [&search] {
            return search.stillWanted && !search.stillWanted();
        });
        if (search.waiting) search.waiting(false);
        if (waited.end != WindowWaitEnd::TimedOut) return waited.window;
    }
    for (;;) {
        const WindowHandle top = findTop();
        if (top != kNoWindow) return FollowChildPath(search.windows, top, event.childPath);
        if (abort != AbortState::None || (search.stillWanted && !search.stillWanted())) return kNoWindow;
        const int answer =
            search.boxes.Show(search.owner, MissingWindowText(title, className), "迅点小侠", kMissingWindowBoxFlags);
        if (answer == id::kRetry) continue;
        // Abort, and also a box closed some other way, ends the playback.
        abort = answer == id::kIgnore ? AbortState::IgnoreAll : AbortState::Aborted;
        return kNoWindow;
    }
}

}  // namespace xd
