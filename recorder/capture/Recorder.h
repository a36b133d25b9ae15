// The recorder as the rest of the program sees it: the hook hands events over,
// one worker thread handles them in hook order, and the main thread starts and
// stops recordings. Who owns what: HandOver runs on the hook's thread (the main
// thread); the worker runs HandleMouseEvent and HandleKeyEvent under the event lock; Reset, Stop
// and DrainNow run on the main thread and take the same lock, so a drain never
// overtakes an event the worker has already taken.
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

#include "recorder/capture/GestureBuilder.h"
#include "recorder/capture/MouseEventQueue.h"

namespace xd {

class Recorder {
public:
    // Past maxQueued waiting events the hook's events are refused and counted.
    Recorder(IWindowSystem& windows, IEditorWriter& writer, std::size_t maxQueued = MouseEventQueue::kMaxCapacity);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Hook side: copies the event into the queue and returns.
    bool HandOver(const CapturedMouseEvent& event) noexcept { return queue_.Push(event); }
    bool HandOver(const CapturedKeyEvent& event) noexcept { return queue_.Push(event); }

    // A recording starts: forgets the last one and reads the display scale once.
    void Reset(bool exclusiveMode);
    // A recording stops: every queued event is handled first, then the last
    // gesture is written with its wait up to `tick`.
    void Stop(std::uint32_t tick);
    // Handles every queued event on the calling thread; returns how many.
    std::size_t DrainNow();

    // False when no thread could be made: events then wait for DrainNow or Stop.
    bool StartWorker() noexcept;
    void StopWorker() noexcept;
    bool WorkerRunning() const { return worker_.joinable(); }

    std::size_t Queued() const { return queue_.Size(); }
    std::uint64_t LostEvents() const { return queue_.Lost(); }

private:
    std::size_t DrainLocked();
    void WorkerLoop();

    IWindowSystem& windows_;
    IEditorWriter& writer_;
    MouseEventQueue queue_;
    std::mutex eventLock_;
    RecorderContext context_;
    std::thread worker_;
};

// The comment a stop adds when the queue had to refuse events.
[[nodiscard]] std::string LostEventsComment(std::uint64_t lost);

}  // namespace xd
