#include "eventlist/player/FindEventWindow.h"

namespace xd {

namespace {

constexpr std::uint32_t kMissingWindowBoxFlags = mb::kAbortRetryIgnore | mb::kIconQuestion;

std::string MissingWindowText(const std::string& title, const std::string& className) {
    return "无法找到录制时的目标软件窗口\r\n窗口名：" + title + "\r\n类名　：" + className +
           "\r\n【中止】结束本次操作\r\n【重试】开启目标软件后点这里再试试\r\n【忽略】忽略它，后面全部不提示。\r\n请选择？";
}

}  // namespace

std::string StoredWindowText(ICodePage& codePage, std::string_view stored) {
    const std::size_t end = stored.find('\0');
    return codePage.AnsiToUtf8(stored.substr(0, end));
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
    for (;;) {
        const WindowHandle top = search.windows.FindWindow(className, title);
        if (top != kNoWindow) return FollowChildPath(search.windows, top, event.childPath);
        if (abort != AbortState::None) return kNoWindow;
        const int answer =
            search.boxes.Show(kNoWindow, MissingWindowText(title, className), "迅点小侠", kMissingWindowBoxFlags);
        if (answer == id::kRetry) continue;
        // Abort, and also a box closed some other way, ends the playback.
        abort = answer == id::kIgnore ? AbortState::IgnoreAll : AbortState::Aborted;
        return kNoWindow;
    }
}

}  // namespace xd
