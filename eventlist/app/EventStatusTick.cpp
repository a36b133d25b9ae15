#include "eventlist/app/EventStatusTick.h"

#include <mutex>

#include "eventlist/player/EventPlayback.h"
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
        tick.statusText =
            EventPlayingStatusText(m.playback, m.groups.lines.size(), m.live.playHotkey.load(), m.statusFrame);
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
