// Starting and stopping a playback of the event-list edition, on the main thread,
// and the status line it shows meanwhile.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "appcore/playback/ThreadStarter.h"
#include "eventlist/EventLine.h"
#include "eventlist/RecordedEvent.h"
#include "eventlist/player/EventPlayerServices.h"

namespace xd {

// The main window's list as the toggle needs it.
struct EventListFacts {
    const std::vector<RecordedEvent>& events;
    const std::vector<EventLine>& lines;
    bool modified = false;
};

enum class PlaybackToggle {
    Started,
    Stopped,
    NotStarted,  // no thread could be started: back to ready
};

// The play button, the play hotkey (0x2A4A from the keyboard hook) and Esc while
// playing. From ready: playing, editing off, the selection's hint window closed,
// a hint window of its own created (hidden) and the player started on copies of
// the events and lines. From playing: back to ready, editing on, save on when the
// list has events and is modified, the caption back in the status area.
PlaybackToggle ToggleEventPlayback(const EventPlayerServices& services, const ThreadStarter& start,
                                   const EventListFacts& list);

// The main thread's answer to IEventPlayerView::PostPlayerFinished: stops the
// playback when `generation` is still the one playing, else does nothing (the
// user stopped it first, perhaps started another).
void EventPlayerFinished(const EventPlayerServices& services, std::uint64_t generation, const EventListFacts& list);

// "回放中..第" run "次:" line "/" lines "，按【F" n "】或 Esc 键停止." and the
// frame's arrow, for the 100 ms status tick; line is the 0-based line record.
[[nodiscard]] std::string EventPlayingStatusText(std::int32_t run, std::int32_t line, std::size_t lineCount,
                                                 std::int32_t playHotkey, int frame);
// "等待目标窗口出现：" title "，按【F" n "】或 Esc 键停止." and the arrow, while the
// player waits for an event's window to appear.
[[nodiscard]] std::string EventWaitingStatusText(std::string_view title, std::int32_t playHotkey, int frame);
// The same for the current playback, as its player has got; main thread.

[[nodiscard]] std::string EventPlayingStatusText(const EventPlaybackState& state, std::size_t lineCount,
                                                 std::int32_t playHotkey, int frame);

}  // namespace xd
