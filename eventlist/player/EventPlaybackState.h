// State the player thread shares with the main thread. Every field either side
// writes while the other may read is a lock-free atomic.
//
// Each playback has a run of its own (EventPlayerRun). The main thread alone
// writes `playing` and `generation`; a player never writes them, so a player of
// an earlier playback (held by a box after a stop) cannot stop a newer one: it
// sees the generation differ and ends.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>

#include "eventlist/EventPlaySettings.h"
#include "platform/Types.h"

namespace xd {

struct EventPlayerRun {
    explicit EventPlayerRun(std::uint64_t number) : generation(number) {}
    EventPlayerRun(const EventPlayerRun&) = delete;
    EventPlayerRun& operator=(const EventPlayerRun&) = delete;

    const std::uint64_t generation;
    std::atomic<WindowHandle> hintWindow{kNoWindow};  // this playback's virtual pointer
    std::atomic<std::int32_t> runNumber{0};           // 1-based, for the status line
    std::atomic<std::int32_t> currentLine{0};         // 0-based line record
    // When the next event is due (monotonic µs), so the main thread can keep its own work off that moment.
    std::atomic<std::int64_t> nextEventMicros{0};
    std::atomic<bool> stopped{false};                 // latched once the player saw a stop
    // The event whose window the player is waiting to appear, for the status line; -1 while it is not waiting.
    std::atomic<std::int32_t> waitingEvent{-1};
};

struct EventPlaybackState {
    EventPlaybackState() = default;
    EventPlaybackState(const EventPlaybackState&) = delete;
    EventPlaybackState& operator=(const EventPlaybackState&) = delete;

    std::atomic<bool> playing{false};  // the play state: the player's stop signal
    std::atomic<std::uint64_t> generation{0};
    std::shared_ptr<EventPlayerRun> current;  // main thread only

    [[nodiscard]] bool Playing() const noexcept { return playing.load(); }
};

// The play settings as the player reads them: the main thread changes them (the
// sliders, the mode button, the settings dialog) while a playback runs, and the
// player takes the new values from its next event on.
struct LiveEventPlaySettings {
    std::atomic<std::int32_t> repeatPosition{0};
    std::atomic<std::int32_t> speedPosition{0};
    std::atomic<std::int32_t> playHotkey{113};
    std::atomic<bool> foreground{false};
    std::atomic<bool> moveToCurrent{true};
    std::atomic<bool> clickEffect{true};
    std::atomic<bool> virtualPointer{true};
    std::atomic<bool> moveToStart{true};
    // Not the script's: from the options, as each playback starts. How long a missing window is waited for.
    std::atomic<std::int32_t> waitForWindowSeconds{0};

    void Store(const EventPlaySettings& s) noexcept {
        repeatPosition.store(s.repeatPosition);
        speedPosition.store(s.speedPosition);
        playHotkey.store(s.playHotkey);
        foreground.store(s.foreground);
        moveToCurrent.store(s.moveToCurrent);
        clickEffect.store(s.clickEffect);
        virtualPointer.store(s.virtualPointer);
        moveToStart.store(s.moveToStart);
    }
    [[nodiscard]] EventPlaySettings Load() const noexcept {
        return EventPlaySettings{repeatPosition.load(), speedPosition.load(), playHotkey.load(), foreground.load(),
                                 moveToCurrent.load(),  clickEffect.load(),   virtualPointer.load(), moveToStart.load()};
    }
};

static_assert(std::atomic<WindowHandle>::is_always_lock_free);
static_assert(std::atomic<std::uint64_t>::is_always_lock_free);
static_assert(std::atomic<std::int64_t>::is_always_lock_free);

}  // namespace xd
