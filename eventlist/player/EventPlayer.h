// The player thread of the event-list edition: it plays the line records' groups
// in order, run after run, until the repeat count, a stop or an abort. It works
// on copies of the events and lines taken when the playback started, so nothing
// the main thread does to its list can pull them away; windows it finds are
// posted back to the main thread.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "eventlist/EventLine.h"
#include "eventlist/RecordedEvent.h"
#include "eventlist/player/DoubleClick.h"
#include "eventlist/player/EventPlayerServices.h"
#include "eventlist/player/FindEventWindow.h"
#include "eventlist/player/KeySteps.h"

namespace xd {

// One playback as its thread sees it. Only the player thread touches it.
struct EventPlayerContext {
    EventPlayerContext(const EventPlayerServices& s, std::shared_ptr<EventPlayerRun> r, std::vector<RecordedEvent> e,
                       std::vector<EventLine> l)
        : services(s), run(std::move(r)), events(std::move(e)), lines(std::move(l)), hint(run->hintWindow.load()) {}

    EventPlayerServices services;
    std::shared_ptr<EventPlayerRun> run;
    std::vector<RecordedEvent> events;
    std::vector<EventLine> lines;
    DoubleClickMetrics metrics;
    AbortState abort = AbortState::None;
    WindowHandle hint = kNoWindow;
    Point hintCorner{};  // where the hint window was last put; never read back
    // When the previous event was due (monotonic µs): each wait counts from there,
    // so time spent acting does not add up over a long playback.
    std::optional<std::int64_t> dueMicros;
    // Buttons a played down has pressed and no up has released yet (evflag bits),
    // per mode, and the last event played in that mode: where a release goes. In
    // the background the release goes to the window that got the press.
    std::int32_t heldForeground = 0;
    std::int32_t heldBackground = 0;
    // What injected input's coordinates are spread over, read at the start of each run:
    // asking the display at an event's due time would make it late.
    Rect virtualScreen{};
    RecordedEvent lastForeground;
    RecordedEvent lastBackground;
    std::array<WindowHandle, 3> pressedWindow{};  // left, right, middle
    // Keys: what the foreground pressed and has not released, and what the background's posts have said is
    // down (for the lParams of the messages that follow).
    HeldKeyStrokes keysForeground;
    HeldKeys keysBackground;
    // Set when a window refused a post or injected input: the box has been shown
    // and the playback ends without sending anything more.
    bool refused = false;

    // Latched: once this playback has seen a stop, or a newer playback has
    // started, it never plays again.
    [[nodiscard]] bool Playing() const noexcept {
        if (run->stopped.load()) return false;
        if (services.state.playing.load() && services.state.generation.load() == run->generation) return true;
        run->stopped.store(true);
        return false;
    }
    // The search's box is this thread's; once the playback has stopped it asks no more. A wait for the
    // window of event `eventIndex` shows on the status line.
    [[nodiscard]] WindowSearch Search(std::int32_t eventIndex) const {
        WindowSearch search{services.windows, services.boxes, services.codePage};
        search.stillWanted = [this] { return Playing(); };
        search.clock = &services.clock;
        search.waitSeconds = services.settings.waitForWindowSeconds.load();
        search.waiting = [this, eventIndex](bool on) { run->waitingEvent.store(on ? eventIndex : -1); };
        return search;
    }
};

// The player thread's body. Ends by asking its hint window to close; when it ends
// on its own (repeat count, abort, nothing to play) it posts that to the main thread.
void EventPlayer(const EventPlayerServices& services, std::shared_ptr<EventPlayerRun> run,
                 std::vector<RecordedEvent> events, std::vector<EventLine> lines) noexcept;

}  // namespace xd
