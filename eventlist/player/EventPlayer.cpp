#include "eventlist/player/EventPlayer.h"

#include <algorithm>

#include "eventlist/player/AnimatePointer.h"
#include "eventlist/player/EventSteps.h"

namespace xd {

namespace {

constexpr std::uint32_t kNoScriptBoxFlags = mb::kOk | mb::kIconError;
constexpr std::uint32_t kStillHeldBoxFlags = mb::kOk | mb::kIconWarning;
constexpr std::uint32_t kMoveToStartPauseMs = 5;
constexpr std::int64_t kShortestRunMicros = 1'000;
constexpr std::int64_t kIdleRunPauseMicros = 50'000;

// Before the first run: the real pointer, or the hint window, travels visibly to
// where the first event happens. False when the user aborted the window search.
bool MoveToStart(EventPlayerContext& c) {
    const EventPlayerServices& s = c.services;
    if (c.events.empty() || !s.settings.moveToStart.load() || !s.settings.virtualPointer.load()) return true;
    const Point pointer = s.input.GetCursorPos();
    const auto stop = [&c] { return !c.Playing(); };
    if (s.settings.foreground.load() && s.settings.moveToCurrent.load()) {
        s.overlays.Hide(c.hint);
        static_cast<void>(AnimatePointer(s, Point{c.events[0].x, c.events[0].y}, AnimateWhat::RealPointer, c.hint,
                                         c.hintCorner, stop));
    } else {
        s.clock.Sleep(kMoveToStartPauseMs);
        c.hintCorner = pointer;
        s.overlays.PlacePointerOverlay(c.hint, c.hintCorner);
        RecordedEvent& first = c.events[0];
        if (!s.windows.IsWindow(first.window)) {
            first.window = FindEventWindow(c.Search(0), first, c.abort);
            // The box may have been up for long: stopped meanwhile, the playback touches nothing more.
            if (!c.Playing()) return true;
            if (first.window != kNoWindow) s.view.PostEventWindow(c.run->generation, 0, first.window);
            if (c.abort == AbortState::Aborted) return false;
        }
        if (s.windows.IsWindow(first.window))
            c.hintCorner = AnimatePointer(s, EventPointInWindow(s.windows, first), AnimateWhat::HintWindow, c.hint,
                                          c.hintCorner, stop);
    }
    s.view.PostRepaintMainWindow();
    return true;
}

// One group line's events, in order, in the mode as it stands at each event. The line is selected in the
// list once its first event is in: the main thread's repaint of the list would otherwise fall on that very
// moment, and in the foreground an injected event waits for the main thread to pass it through the hooks.
void PlayGroup(EventPlayerContext& c, const EventLine& line, std::int32_t index) {
    const auto count = static_cast<std::int64_t>(c.events.size());
    const std::int64_t first = std::clamp<std::int64_t>(line.firstEvent, 0, count);
    const std::int64_t end = std::clamp<std::int64_t>(first + line.eventCount, first, count);
    bool selected = false;
    const auto select = [&c, &selected, index] {
        if (!selected) c.services.view.PostSelectLine(c.run->generation, index);
        selected = true;
    };
    for (std::int64_t k = first; k < end; ++k) {
        if (!c.Playing()) break;
        // The first event is due when it starts; each later one when its wait ends.
        if (!c.dueMicros) c.dueMicros = c.services.clock.MonotonicMicros();
        const auto event = static_cast<std::size_t>(k);
        const bool played = c.services.settings.foreground.load() ? ForegroundStep(c, event) : BackgroundStep(c, event);
        select();
        if (c.abort == AbortState::Aborted || c.refused) return;
        if (played) WaitAfterEvent(c, c.events[event].delayMs);
    }
    select();
}

// Runs until the repeat count, a stop or an abort; true when it ended on its own.
bool PlayRuns(EventPlayerContext& c) {
    const EventPlayerServices& s = c.services;
    EventPlayerRun& run = *c.run;
    while (c.Playing()) {
        const std::int32_t number = run.runNumber.fetch_add(1) + 1;
        const std::int32_t limit = s.settings.repeatPosition.load();
        if (limit > 0 && number > limit) return true;
        c.virtualScreen = s.windows.VirtualScreen();
        if (number == 1 && !MoveToStart(c)) return true;
        const std::int64_t runStart = s.clock.MonotonicMicros();
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            const auto index = static_cast<std::int32_t>(i);
            run.currentLine.store(index);
            const bool playing = c.Playing();
            // A member line has no events to wait for: selected at once.
            if (!playing || c.lines[i].IsMember()) {
                s.view.PostSelectLine(run.generation, index);
                if (!playing) return false;
                continue;
            }
            PlayGroup(c, c.lines[i], index);
            if (c.abort == AbortState::Aborted || c.refused) return true;
        }
        // A run with nothing to wait for (every window ignored, every delay 0)
        // would spin the processor and flood the main window with selections.
        if (const std::int64_t now = s.clock.MonotonicMicros(); now - runStart < kShortestRunMicros) {
            s.clock.SleepUntil(now + kIdleRunPauseMicros);
            c.dueMicros.reset();
        }
    }
    return false;
}

}  // namespace

void EventPlayer(const EventPlayerServices& services, std::shared_ptr<EventPlayerRun> run,
                 std::vector<RecordedEvent> events, std::vector<EventLine> lines) noexcept {
    EventPlayerContext c(services, std::move(run), std::move(events), std::move(lines));
    if (c.lines.empty()) {
        services.view.PostPlayerFinished(c.run->generation);
        services.overlays.PostClose(c.hint);
        static_cast<void>(services.boxes.Show(kNoWindow, "没有脚本，无法播放。", "迅点小侠", kNoScriptBoxFlags));
        return;
    }
    c.metrics = DoubleClickMetrics{services.windows.DoubleClickTime(), services.windows.DoubleClickSize()};
    const Point pointer = services.input.GetCursorPos();
    c.hintCorner = Point{pointer.x + 1, pointer.y + 1};
    services.overlays.PlacePointerOverlay(c.hint, c.hintCorner);
    if (services.settings.virtualPointer.load()) services.overlays.ShowNoActivate(c.hint);

    const bool endedOnItsOwn = PlayRuns(c);
    // Also once more what a refusal could not let go. A button the system still holds then is said, last, so
    // that the box holds nothing up; a window that refused a posted release has had its box already.
    ReleaseHeldButtons(c);
    services.overlays.PostClose(c.hint);
    c.run->stopped.store(true);
    if (endedOnItsOwn) services.view.PostPlayerFinished(c.run->generation);
    if (c.heldForeground != 0)
        static_cast<void>(
            services.boxes.Show(kNoWindow, StillHeldText(c.heldForeground), "迅点小侠", kStillHeldBoxFlags));
}

}  // namespace xd
