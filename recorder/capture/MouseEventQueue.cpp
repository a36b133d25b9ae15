#include "recorder/capture/MouseEventQueue.h"

#include <algorithm>
#include <new>

namespace xd {

MouseEventQueue::MouseEventQueue(std::size_t initialCapacity, std::size_t maxCapacity)
    : maxCapacity_(std::max<std::size_t>(maxCapacity, 1)) {
    ring_.resize(std::clamp<std::size_t>(initialCapacity, 1, maxCapacity_));
}

bool MouseEventQueue::GrowLocked() noexcept {
    const std::size_t capacity = ring_.size();
    if (capacity >= maxCapacity_) return false;
    try {
        std::vector<CapturedInput> bigger(std::min(capacity * 2, maxCapacity_));
        for (std::size_t i = 0; i < count_; ++i) bigger[i] = ring_[(head_ + i) % capacity];
        ring_.swap(bigger);
        head_ = 0;
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool MouseEventQueue::Push(const CapturedInput& event) noexcept {
    bool wasEmpty = false;
    {
        std::lock_guard lock(mutex_);
        if (count_ == ring_.size() && !GrowLocked()) {
            ++lost_;
            return false;
        }
        ring_[(head_ + count_) % ring_.size()] = event;
        wasEmpty = count_++ == 0;
    }
    // The worker only sleeps on an empty queue, so only the first event wakes it.
    if (wasEmpty) ready_.notify_one();
    return true;
}

std::optional<CapturedInput> MouseEventQueue::TryPop() noexcept {
    std::lock_guard lock(mutex_);
    if (count_ == 0) return std::nullopt;
    CapturedInput event = ring_[head_];
    head_ = (head_ + 1) % ring_.size();
    --count_;
    return event;
}

bool MouseEventQueue::WaitForEvents() noexcept {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return count_ > 0 || shutdown_; });
    return !shutdown_;
}

void MouseEventQueue::Shutdown() noexcept {
    {
        std::lock_guard lock(mutex_);
        shutdown_ = true;
    }
    ready_.notify_all();
}

void MouseEventQueue::Restart() noexcept {
    std::lock_guard lock(mutex_);
    shutdown_ = false;
}

void MouseEventQueue::Clear() noexcept {
    std::lock_guard lock(mutex_);
    head_ = 0;
    count_ = 0;
}

std::size_t MouseEventQueue::Size() const noexcept {
    std::lock_guard lock(mutex_);
    return count_;
}

std::uint64_t MouseEventQueue::Lost() const noexcept {
    std::lock_guard lock(mutex_);
    return lost_;
}

void MouseEventQueue::ResetLost() noexcept {
    std::lock_guard lock(mutex_);
    lost_ = 0;
}

}  // namespace xd
