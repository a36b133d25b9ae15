// The runner's state shared with the main thread. Every field is one lock-free
// atomic written whole: the main thread resets and reads them, the runner writes
// them while it plays.
#pragma once
#include <atomic>
#include <cstdint>

#include "platform/Types.h"

namespace xd {

struct PlaybackState {
    // The stop flag lives with the application state (AppModel::stopRequested); the
    // playback works on that same flag rather than a copy that could disagree.
    explicit PlaybackState(std::atomic<bool>& stopFlag) : stopRequested(stopFlag) {}
    PlaybackState(const PlaybackState&) = delete;
    PlaybackState& operator=(const PlaybackState&) = delete;

    std::atomic<WindowHandle> pointerOverlay{kNoWindow};
    std::atomic<WindowHandle> targetWindow{kNoWindow};
    // Set by anyone to ask the runner to stop; the runner sets it whenever it ends.
    std::atomic<bool>& stopRequested;
    // The wait the next approach spends, in ms; 0 means none stored. A value whose
    // top bit is set is a negative wait and gives an approach of no duration.
    std::atomic<std::uint32_t> nextApproachMs{0};
    std::atomic<std::int32_t> repetition{0};   // 1-based repetition being played
    std::atomic<std::int32_t> currentLine{0};  // 0-based line being executed
};

static_assert(std::atomic<WindowHandle>::is_always_lock_free);
static_assert(std::atomic<std::uint32_t>::is_always_lock_free);

}  // namespace xd
