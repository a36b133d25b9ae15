// The recorder of the event-list edition: starts, continues and stops a
// recording and appends one RecordedEvent per mouse event the hook hands it.
// Main thread only: the hooks run there while the main window pumps messages.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "eventlist/RecordedEvent.h"
#include "eventlist/recording/EventGroups.h"
#include "eventlist/recording/EventListView.h"
#include "eventlist/recording/EventOptions.h"
#include "eventlist/recording/TargetCapture.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/WindowSystem.h"

namespace xd {

// The state of the main window the recorder works on; all of it outlives the recorder.
struct EventRecorderContext {
    IWindowSystem& windows;
    IClock& clock;
    ICodePage& codePage;
    std::vector<RecordedEvent>& events;
    EventGroups& groups;
    const EventOptions& options;
    IEventListView& view;
    IEventDocument& document;
    IEventMainWindow& mainWindow;
};

class EventRecorder {
public:
    explicit EventRecorder(EventRecorderContext context) : c_(context) {}

    // From idle: start fresh (after AskToSave, clearing the script) or continue the
    // list; while recording: stop, whatever the argument. Nothing while playing.
    void ToggleEventRecording(bool continueExisting);
    // The stop, also for Esc inside the keyboard hook.
    void StopEventRecording();

    // Appends one event for a mouse message from the hook; false when it was not
    // taken (own process, another program in dedicated mode).
    bool RecordEvent(std::int32_t message, const LowLevelMouseEvent& hook);
    // Appends one key event ("录制键盘") for the window with the focus, at the pointer's last point; false
    // when it was not taken, as for mouse events.
    bool RecordKeyEvent(const LowLevelKeyEvent& hook);
    // Every point the mouse hook sees, so a key event knows where the pointer is.
    void NotePointer(Point screen) noexcept { pointer_ = screen; }

    [[nodiscard]] bool Recording() const noexcept { return recording_; }
    [[nodiscard]] std::uint32_t LastEventTime() const noexcept { return lastEventTime_; }
    [[nodiscard]] WindowTextCache& Cache() noexcept { return cache_; }
    [[nodiscard]] const EventRecorderContext& Context() const noexcept { return c_; }

private:
    std::uint32_t DedicatedProcess(std::uint32_t process);
    void DropTrailingMoves();
    // The shared part of both kinds of event: the delay, the window's strings and offsets; nullptr when the
    // window's program is not recorded.
    RecordedEvent* AppendEvent(std::int32_t message, WindowHandle window, Point point);
    void FinishEvent(RecordedEvent& ev);

    EventRecorderContext c_;
    bool recording_ = false;
    std::uint32_t lastEventTime_ = 0;
    WindowTextCache cache_;
    std::uint32_t dedicatedProcess_ = 0;  // see DedicatedProcess
    std::size_t recordingStart_ = 0;      // the index of this recording's first event
    Point pointer_{};
};

}  // namespace xd
