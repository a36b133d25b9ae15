#include "eventlist/player/DoubleClick.h"

#include <cstdlib>

namespace xd {

bool CompletesDoubleClick(const std::vector<RecordedEvent>& events, std::size_t k,
                          const DoubleClickMetrics& metrics) noexcept {
    if (k <= 1 || k >= events.size()) return false;
    const RecordedEvent& down = events[k];
    std::int64_t sum = 0;  // 64 bits: recorded delays are untrusted file data
    for (std::size_t j = k; j-- > 0;) {
        const RecordedEvent& e = events[j];
        sum += e.delayMs;
        if (e.message == down.message) {
            return sum <= static_cast<std::int64_t>(metrics.timeMs) &&
                   std::llabs(static_cast<long long>(e.x) - down.x) <= metrics.size.x &&
                   std::llabs(static_cast<long long>(e.y) - down.y) <= metrics.size.y;
        }
        if (sum > static_cast<std::int64_t>(metrics.timeMs)) return false;
    }
    return false;
}

}  // namespace xd
