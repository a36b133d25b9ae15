// A playback of the event-list edition on the simulated desktop: one target
// window, the overlays, a view that records what it was asked, and a player that
// plays on the test thread in virtual time.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "eventlist/player/EventPlayback.h"
#include "platform/sim/SimPlatform.h"
#include "tests/support/EventPlayerView.h"
#include "tests/support/SimOverlayWindows.h"

namespace xd::test {

// Target: (100, 100)–(500, 400) with a 30-pixel title bar: client origin (100, 130).
inline constexpr Rect kTargetRect{100, 100, 500, 400};

class EventPlayerFixture : public ::testing::Test {
protected:
    EventPlayerFixture() {
        sim.desktop.SetCurrentProcessId(7);
        target = AddTopLevel("记事本", "Notepad", kTargetRect);
        CreateClickEffectWindows(services.effects, overlays);
        sim.input.PlaceCursor(Point{700, 600});
        // Most tests look at the events alone; the start animation has tests of its own.
        settings.moveToStart = false;
    }

    WindowHandle AddTopLevel(const std::string& title, const std::string& className, Rect rect) {
        sim::WindowSpec spec;
        spec.rect = rect;
        spec.clientInsets = sim::Insets{0, 30, 0, 0};
        spec.title = title;
        spec.className = className;
        return sim.desktop.AddWindow(spec);
    }

    // An event at (ox, oy) inside a top-level window recorded as title/class.
    RecordedEvent EventIn(std::int32_t message, int ox, int oy, std::int32_t delayMs, std::int32_t keyFlags = 0,
                          const std::string& title = "记事本", const std::string& className = "Notepad",
                          Rect rect = kTargetRect) {
        RecordedEvent e;
        e.x = rect.left + ox;
        e.y = rect.top + oy;
        e.windowTitle = sim.codePage.Utf8ToAnsi(title) + std::string(2, '\0');
        e.windowClass = sim.codePage.Utf8ToAnsi(className) + std::string(2, '\0');
        e.offsetX = (ox << 16) | ox;
        e.offsetY = (oy << 16) | oy;
        e.message = message;
        e.keyFlags = keyFlags;
        e.delayMs = delayMs;
        return e;
    }

    // One group line per entry: the events' counts, in order.
    void GroupAs(const std::vector<int>& counts) {
        lines.clear();
        int first = 0;
        int number = 1;
        for (const int count : counts) {
            EventLine line;
            line.firstEvent = first;
            line.eventCount = count;
            line.number = number++;
            lines.push_back(line);
            first += count;
        }
    }
    // Each event a group of its own.
    void OneLinePerEvent() { GroupAs(std::vector<int>(events.size(), 1)); }

    PlaybackToggle Toggle() {
        return ToggleEventPlayback(services, inlineStart, EventListFacts{events, lines, modified});
    }
    // Plays to the end on the test thread and hands the finished post back, as
    // the main window would.
    PlaybackToggle Play() {
        const PlaybackToggle result = Toggle();
        for (const std::uint64_t generation : view.finished)
            EventPlayerFinished(services, generation, EventListFacts{events, lines, modified});
        return result;
    }
    // The user stops the playback from inside it (a sleep hook, an observer).
    void StopFromMainThread() { static_cast<void>(Toggle()); }

    std::vector<sim::MessageRecord> Posted(WindowHandle w, std::uint32_t message) const {
        std::vector<sim::MessageRecord> out;
        for (const auto& m : sim.desktop.MessagesTo(w))
            if (m.message == message && !m.sent) out.push_back(m);
        return out;
    }
    std::vector<sim::MessageRecord> PostedTo(WindowHandle w) const {
        std::vector<sim::MessageRecord> out;
        for (const auto& m : sim.desktop.MessagesTo(w))
            if (!m.sent) out.push_back(m);
        return out;
    }
    static std::intptr_t Packed(int x, int y) { return static_cast<std::intptr_t>((y << 16) | (x & 0xFFFF)); }

    sim::SimPlatform sim;
    sim::SimOverlayWindows overlays{sim.desktop};
    ClickEffectSlots slots;
    std::mutex slotGuard;
    EventPlaybackState state;
    LiveEventPlaySettings settings;
    RecordingPlayerView view;
    EventPlayerServices services{state,     settings,  view,         sim.desktop, sim.input,
                                 sim.clock, sim.boxes, sim.codePage, overlays,    SharedClickEffects{slots, slotGuard}};
    ThreadStarter inlineStart = [](std::function<void()> work) {
        work();
        return true;
    };
    WindowHandle target = kNoWindow;
    std::vector<RecordedEvent> events;
    std::vector<EventLine> lines;
    bool modified = true;
};

}  // namespace xd::test
