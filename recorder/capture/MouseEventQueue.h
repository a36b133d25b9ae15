// The hand-over from the input hooks to the recorder worker: first in, first out, mouse and key events in
// one line so the worker sees them in the order the hooks did.
//
// A ring that doubles when full, so a burst is never lost in normal use and
// the hook's lock hold is a slot copy (plus, rarely, one growth). Past
// maxCapacity, or when memory runs out, an event is refused and counted: the
// recording reports the count instead of losing events silently.
#pragma once
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <variant>
#include <vector>

#include "recorder/capture/CapturedKeyEvent.h"
#include "recorder/capture/CapturedMouseEvent.h"

namespace xd {

using CapturedInput = std::variant<CapturedMouseEvent, CapturedKeyEvent>;
static_assert(std::is_trivially_copyable_v<CapturedInput>);

class MouseEventQueue {
public:
    static constexpr std::size_t kInitialCapacity = 4096;
    static constexpr std::size_t kMaxCapacity = std::size_t{1} << 20;

    explicit MouseEventQueue(std::size_t initialCapacity = kInitialCapacity,
                             std::size_t maxCapacity = kMaxCapacity);
    MouseEventQueue(const MouseEventQueue&) = delete;
    MouseEventQueue& operator=(const MouseEventQueue&) = delete;

    // Hook side: false when the event was refused (and counted as lost).
    bool Push(const CapturedInput& event) noexcept;
    std::optional<CapturedInput> TryPop() noexcept;
    // Worker side: blocks until an event is queued; false once shut down.
    [[nodiscard]] bool WaitForEvents() noexcept;
    void Shutdown() noexcept;
    void Restart() noexcept;  // accepts waiting again after Shutdown

    void Clear() noexcept;
    std::size_t Size() const noexcept;
    std::uint64_t Lost() const noexcept;
    void ResetLost() noexcept;

private:
    bool GrowLocked() noexcept;

    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<CapturedInput> ring_;
    std::size_t head_ = 0;  // oldest event
    std::size_t count_ = 0;
    std::size_t maxCapacity_;
    std::uint64_t lost_ = 0;
    bool shutdown_ = false;
};

}  // namespace xd
