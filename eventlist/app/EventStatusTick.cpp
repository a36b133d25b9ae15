#include "eventlist/app/EventStatusTick.h"

#include <mutex>

#include "appcore/playback/StopByHand.h"
#include "eventlist/player/EventPlayback.h"
#include "eventlist/player/FindEventWindow.h"
#include "eventlist/recording/RecordingStatus.h"

namespace xd {

EventStatusTick OnStatusTick(EventListContext& c, bool hooksReinstalled) {
    EventListModel& m = c.model;
    EventStatusTick tick;
    m.statusFrame = NextStatusFrame(m.statusFrame);
    const bool recording = c.Recording();
    const std::optional<std::string_view> hooksNote = m.hooksNotice.Tick(recording, hooksReinstalled, c.Playing());
    if (hooksNote) {
        tick.statusText = std::string(*hooksNote);
    } else if (recording) {
        tick.statusText = RecordingStatusText(m.document.events.size(), m.options.recordKey, m.statusFrame);
    } else if (c.Playing()) {
        const std::int32_t waiting = m.playback.current ? m.playback.current->waitingEvent.load() : -1;
        const std::vector<RecordedEvent>& events = m.document.events;
        // Editing is off while playing, so the index is still the player's event.
        if (waiting >= 0 && static_cast<std::size_t>(waiting) < events.size()) {
            const std::string title =
                StoredWindowText(c.services.codePage, events[static_cast<std::size_t>(waiting)].windowTitle);
            tick.statusText = EventWaitingStatusText(title, m.live.playHotkey.load(), m.statusFrame);
        } else {
            tick.statusText =
                EventPlayingStatusText(m.playback, m.groups.lines.size(), m.live.playHotkey.load(), m.statusFrame);
        }
    } else if (m.stoppedByHand) {
        m.stoppedByHand = false;
        tick.statusText = std::string(kStoppedByHandStatus);
    } else if (m.recordingAtLastTick) {
        c.views.player.ShowCaptionAsStatus();
    }
    m.recordingAtLastTick = recording;
    tick.redrawList = tick.statusText.has_value() && m.expanded;
    {
        // The player takes slots from its own thread.
        const std::lock_guard<std::mutex> lock(m.effectGuard);
        tick.effects = StepClickEffects(m.effects);
    }
    return tick;
}

}  // namespace xd
