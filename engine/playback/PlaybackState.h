// The runner's state shared with the main thread. Every field a runner writes is
// one lock-free atomic written whole.
//
// Each playback has a state of its own (PlaybackRun), held by its runner thread
// and by the main thread. A runner may outlive its playback: an error box blocks
// it after it has set the stop flag, the program returns to idle, and a new
// playback may start before the box is closed. Such a runner sees that it is no
// longer the current playback and ends without touching the new one.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "platform/Types.h"

namespace xd {

struct PlaybackRun {
    explicit PlaybackRun(std::uint64_t number) : generation(number) {}
    PlaybackRun(const PlaybackRun&) = delete;
    PlaybackRun& operator=(const PlaybackRun&) = delete;

    const std::uint64_t generation;  // PlaybackState::generation when it started
    std::atomic<WindowHandle> pointerOverlay{kNoWindow};
    std::atomic<WindowHandle> targetWindow{kNoWindow};
    // The wait the next approach spends, in ms; 0 means none stored. A value whose
    // top bit is set is a negative wait and gives an approach of no duration.
    std::atomic<std::uint32_t> nextApproachMs{0};
    std::atomic<std::int32_t> repetition{0};   // 1-based repetition being played
    std::atomic<std::int32_t> currentLine{0};  // 0-based line being executed
    // When the action the runner is moving towards is due (monotonic µs), so the main thread can keep its
    // own work off that moment; 0 before the first.
    std::atomic<std::int64_t> nextActionMicros{0};
    // Latched once this playback has stopped, whoever asked: it never plays again.
    std::atomic<bool> stopped{false};
    // Set while a 目标窗口 line waits for its window to appear, for the status line.
    std::atomic<bool> waitingForWindow{false};
};

struct PlaybackState {
    // The stop flag lives with the application state (AppModel::stopRequested); the
    // playback works on that same flag rather than a copy that could disagree.
    explicit PlaybackState(std::atomic<bool>& stopFlag) : stopRequested(stopFlag) {}
    PlaybackState(const PlaybackState&) = delete;
    PlaybackState& operator=(const PlaybackState&) = delete;

    // Set by anyone to ask the current playback to stop; its runner sets it when it
    // ends. A runner of an earlier playback never writes it.
    std::atomic<bool>& stopRequested;
    // Counts the playbacks started; a runner whose number differs is stale.
    std::atomic<std::uint64_t> generation{0};
    // Held while a playback starts (number and flag renewed together) and while a
    // runner sets the flag, so a stale runner cannot stop its successor.
    std::mutex handover;
    // How long a 目标窗口 line waits for its window (0..600 s), taken from the options as each playback starts.
    std::atomic<std::int32_t> waitForWindowSeconds{0};
    // The current playback, for the status tick. Main thread only.
    std::shared_ptr<PlaybackRun> current;

    [[nodiscard]] std::int32_t Repetition() const noexcept { return current ? current->repetition.load() : 0; }
    [[nodiscard]] std::int32_t CurrentLine() const noexcept { return current ? current->currentLine.load() : 0; }
};

static_assert(std::atomic<WindowHandle>::is_always_lock_free);
static_assert(std::atomic<std::uint32_t>::is_always_lock_free);
static_assert(std::atomic<std::uint64_t>::is_always_lock_free);
static_assert(std::atomic<std::int64_t>::is_always_lock_free);

}  // namespace xd
