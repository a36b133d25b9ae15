#include "eventlist/recording/HintDrag.h"

#include "eventlist/KeyEvent.h"

namespace xd {

HintDropResult EndHintDrag(EventEditContext& c, WindowTextCache& cache, Point hintTopLeft,
                           const std::function<void(const RecordedEvent& event)>& slideBack) {
    if (c.recorder.Recording() || c.mainWindow.IsPlaying()) return HintDropResult::NoSelection;
    const int line = c.view.Selection();
    if (line < 0 || static_cast<std::size_t>(line) >= c.groups.lines.size()) return HintDropResult::NoSelection;
    const std::int32_t e = c.groups.lines[static_cast<std::size_t>(line)].firstEvent;
    if (e < 0 || static_cast<std::size_t>(e) >= c.events.size()) return HintDropResult::NoSelection;
    RecordedEvent& ev = c.events[static_cast<std::size_t>(e)];

    // The hint's arrow points one pixel above and left of its corner.
    const Point p{hintTopLeft.x - 1, hintTopLeft.y - 1};
    IWindowSystem& windows = c.windows;
    const WindowHandle under = windows.WindowFromPoint(p);
    auto back = [&] {
        if (slideBack) slideBack(ev);
        return HintDropResult::SlidBack;
    };
    if (windows.ProcessId(under) == windows.CurrentProcessId()) return back();

    if (c.options.dedicatedMode) {
        RecordedEvent captured = ev;
        static_cast<void>(CaptureTargetWindow(windows, c.codePage, cache, under, captured));
        // As text: a title read as a file's last table entry keeps a third zero byte.
        if (StoredAnsiText(captured.windowTitle) != StoredAnsiText(ev.windowTitle) ||
            StoredAnsiText(captured.windowClass) != StoredAnsiText(ev.windowClass)) {
            return back();
        }
        ev.window = under;
        ev.windowTitle = std::move(captured.windowTitle);
        ev.windowClass = std::move(captured.windowClass);
        ev.childPath = std::move(captured.childPath);
    } else {
        ev.window = under;
        static_cast<void>(CaptureTargetWindow(windows, c.codePage, cache, under, ev));
    }

    ev.x = p.x;
    ev.y = p.y;
    // A key event's offsets hold its text: moved, it only goes to the window now under the hint.
    if (!IsKeyMessage(ev.message) && ev.window != kNoWindow && windows.IsWindow(ev.window)) {
        SetEventOffsets(windows, ev.window, TopLevelWindow(windows, ev.window), ev);
    }
    // After the offsets, so the position within the window shows the new place too.
    c.view.ShowDetails(MakeEventDetails(c.groups.lines[static_cast<std::size_t>(line)], ev, c.codePage));

    const std::size_t comma = ev.displayText.find(',');
    if (comma == std::string::npos) return HintDropResult::MovedNoText;
    ev.displayText.resize(comma + 1);
    ev.displayText += std::to_string(ev.x) + "," + std::to_string(ev.y);
    c.view.Redraw();
    c.document.MarkEventListModified();
    return HintDropResult::Moved;
}

}  // namespace xd
