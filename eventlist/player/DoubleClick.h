// Whether a recorded button-down completes a double click, from the recorded
// delays and positions alone (background playback posts the double-click message
// itself, since no system sees the clicks).
#pragma once
#include <cstdint>
#include <vector>

#include "eventlist/RecordedEvent.h"
#include "platform/Types.h"

namespace xd {

struct DoubleClickMetrics {
    std::uint32_t timeMs = 500;  // GetDoubleClickTime
    Point size{4, 4};            // SM_CXDOUBLECLK, SM_CYDOUBLECLK
};

// Walks back from event k − 1, adding each visited event's delay; at the first
// event with k's message the answer is the time and rectangle test; a sum past
// the double-click time first is false. False for k ≤ 1 or k out of range.
[[nodiscard]] bool CompletesDoubleClick(const std::vector<RecordedEvent>& events, std::size_t k,
                                        const DoubleClickMetrics& metrics) noexcept;

}  // namespace xd
