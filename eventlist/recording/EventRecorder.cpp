#include "eventlist/recording/EventRecorder.h"

#include "eventlist/recording/EventKeyFlags.h"
#include "eventlist/recording/KeyRecording.h"

namespace xd {

void EventRecorder::ToggleEventRecording(bool continueExisting) {
    if (recording_) {
        StopEventRecording();
        return;
    }
    if (c_.mainWindow.IsPlaying()) return;
    if (!continueExisting && !c_.document.AskToSave()) return;
    recording_ = true;
    dedicatedProcess_ = 0;
    // Titles are taken afresh for each recording: a window renamed since the last
    // one is recorded under the name it has now.
    cache_.Clear();
    recordingStart_ = continueExisting ? c_.events.size() : 0;
    c_.mainWindow.SetRecordActive(true);
    // The pause before a continued recording is not part of any delay.
    lastEventTime_ = c_.clock.MultimediaTime();
    if (continueExisting) {
        // New events join the last line record, which must be its group's line.
        CloseAllGroups(c_.groups, c_.view);
    } else {
        c_.document.ClearEventScript();
        // The document empties both; clearing here too keeps the groups in step
        // with the list whatever the document's clear does.
        c_.events.clear();
        ClearGroups(c_.groups, c_.view);
    }
    c_.mainWindow.EnablePlay(false);
    c_.mainWindow.EnableSave(false);
    c_.mainWindow.EnableEditing(false);
    c_.mainWindow.CloseHintWindow();
}

void EventRecorder::StopEventRecording() {
    if (!recording_) return;
    recording_ = false;
    c_.mainWindow.SetRecordActive(false);
    if (c_.options.deleteLast) DropTrailingMoves();
    c_.mainWindow.EnablePlay(!c_.events.empty());
    c_.mainWindow.EnableSave(c_.document.IsModified());
    c_.mainWindow.EnableEditing(true);
}

void EventRecorder::DropTrailingMoves() {
    if (c_.groups.lines.empty()) return;
    const EventLine& last = c_.groups.lines.back();
    // A single move has no name yet and stays.
    if (last.IsMember() || last.name.find("：移动鼠标_") == std::string::npos) return;
    const std::int32_t first = last.firstEvent;
    if (first < 0 || static_cast<std::size_t>(first) > c_.events.size()) return;
    c_.events.resize(static_cast<std::size_t>(first));
    c_.groups.lines.pop_back();
    --c_.groups.nextNumber;
    c_.view.DeleteItems(static_cast<int>(c_.groups.lines.size()), 1);
}

// The program of the first event while its window lives. A list opened from a file has no
// windows, and the first window may have closed since: then the program clicked first in this
// recording takes its place, so dedicated mode never shuts out every program.
std::uint32_t EventRecorder::DedicatedProcess(std::uint32_t process) {
    const WindowHandle first = c_.events.front().window;
    if (first != kNoWindow && c_.windows.IsWindow(first)) return c_.windows.ProcessId(first);
    if (dedicatedProcess_ == 0) dedicatedProcess_ = process;
    return dedicatedProcess_;
}

RecordedEvent* EventRecorder::AppendEvent(std::int32_t message, WindowHandle window, Point point) {
    IWindowSystem& windows = c_.windows;
    const std::uint32_t process = windows.ProcessId(window);
    if (process == windows.CurrentProcessId()) return nullptr;

    const std::uint32_t now = c_.clock.MultimediaTime();
    if (c_.events.empty()) {
        lastEventTime_ = now;
    } else {
        if (c_.options.dedicatedMode && process != DedicatedProcess(process)) return nullptr;
        // Wrapping difference of two 32-bit stamps.
        c_.events.back().delayMs = static_cast<std::int32_t>(now - lastEventTime_);
        lastEventTime_ = now;
    }

    const bool hadEvent = !c_.events.empty();
    c_.events.emplace_back();
    RecordedEvent& ev = c_.events.back();
    ev.window = window;
    ev.x = point.x;
    ev.y = point.y;
    ev.message = message;

    WindowHandle topLevel = kNoWindow;
    // Only an event of this recording lends its strings: the window may have been renamed since an earlier one.
    const std::size_t previousIndex = c_.events.size() - 2;
    const RecordedEvent* previous = hadEvent && previousIndex >= recordingStart_ ? &c_.events[previousIndex] : nullptr;
    if (previous && previous->window == window) {
        ev.windowTitle = previous->windowTitle;
        ev.windowClass = previous->windowClass;
        ev.childPath = previous->childPath;
        topLevel = TopLevelWindow(windows, window);
    } else {
        topLevel = CaptureTargetWindow(windows, c_.codePage, cache_, window, ev);
    }
    SetEventOffsets(windows, window, topLevel, ev);
    return &ev;
}

void EventRecorder::FinishEvent(RecordedEvent& ev) {
    ev.displayText = EventDisplayText(ev);
    GroupEvent(c_.groups, c_.events, static_cast<std::int32_t>(c_.events.size()) - 1, c_.view, true);
    c_.document.MarkEventListModified();
}

bool EventRecorder::RecordEvent(std::int32_t message, const LowLevelMouseEvent& hook) {
    IWindowSystem& windows = c_.windows;
    RecordedEvent* ev = AppendEvent(message, windows.WindowFromPoint(hook.point), hook.point);
    if (!ev) return false;
    ev->keyFlags = EventKeyFlags(message, hook.mouseData,
                                 ReadHeldInput([&windows](int vk) { return windows.KeyState(vk); }));
    FinishEvent(*ev);
    return true;
}

bool EventRecorder::RecordKeyEvent(const LowLevelKeyEvent& hook) {
    IWindowSystem& windows = c_.windows;
    const WindowHandle foreground = windows.ForegroundWindow();
    if (foreground == kNoWindow) return false;
    const WindowHandle focus = windows.FocusedWindow(foreground);
    const WindowHandle window = focus != kNoWindow ? focus : foreground;
    const auto message = static_cast<std::int32_t>(hook.message);
    RecordedEvent* ev = AppendEvent(message, window, pointer_);
    if (!ev) return false;
    const EventKey key = HookEventKey(hook);
    ev->keyFlags = EventKeyFlagsOf(key);
    // The text depends on the layout and the modifiers of this moment: only the hook can read it.
    SetEventKeyText(*ev, IsKeyDownMessage(message) ? windows.KeyText(window, key.key, key.scanCode) : std::string());
    FinishEvent(*ev);
    return true;
}

}  // namespace xd
