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

    [[nodiscard]] bool Recording() const noexcept { return recording_; }
    [[nodiscard]] std::uint32_t LastEventTime() const noexcept { return lastEventTime_; }
    [[nodiscard]] WindowTextCache& Cache() noexcept { return cache_; }
    [[nodiscard]] const EventRecorderContext& Context() const noexcept { return c_; }

private:
    std::uint32_t DedicatedProcess(std::uint32_t process);
    void DropTrailingMoves();

    EventRecorderContext c_;
    bool recording_ = false;
    std::uint32_t lastEventTime_ = 0;
    WindowTextCache cache_;
    std::uint32_t dedicatedProcess_ = 0;  // see DedicatedProcess
    std::size_t recordingStart_ = 0;      // the index of this recording's first event
};

}  // namespace xd
