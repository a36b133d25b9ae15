// The target window of a recorded event: the top-level window's title and class
// in the ANSI code page, and the path of z-order positions down to the window
// under the pointer.
#pragma once
#include <string>
#include <unordered_map>

#include "eventlist/RecordedEvent.h"
#include "platform/CodePage.h"
#include "platform/WindowSystem.h"

namespace xd {

// Title and class per window handle, taken on first use and kept until Clear (a
// title that changes meanwhile keeps its first value for that handle). Values are
// ANSI bytes with the two stored zero bytes, shared by the events that take them.
class WindowTextCache {
public:
    const EventString& Title(IWindowSystem& windows, ICodePage& codePage, WindowHandle w);
    const EventString& ClassName(IWindowSystem& windows, ICodePage& codePage, WindowHandle w);
    [[nodiscard]] std::size_t Size() const noexcept { return titles_.size() + classes_.size(); }
    void Clear() noexcept {
        titles_.clear();
        classes_.clear();
    }

private:
    std::unordered_map<WindowHandle, EventString> titles_;
    std::unordered_map<WindowHandle, EventString> classes_;
};

// GetAncestor(GA_ROOT): the window itself when it stands directly under the desktop.
[[nodiscard]] WindowHandle TopLevelWindow(IWindowSystem& windows, WindowHandle w);

// Fills windowTitle, windowClass and childPath of `event` for the window under the
// pointer and returns its top-level window.
WindowHandle CaptureTargetWindow(IWindowSystem& windows, ICodePage& codePage, WindowTextCache& cache,
                                 WindowHandle window, RecordedEvent& event);

// ((x − top-level left) << 16) | low 16 bits of (x − window left), and so for y.
void SetEventOffsets(IWindowSystem& windows, WindowHandle window, WindowHandle topLevel, RecordedEvent& event);

}  // namespace xd
