#include "recorder/capture/Recorder.h"

#include <algorithm>
#include <system_error>

namespace xd {

Recorder::Recorder(IWindowSystem& windows, IEditorWriter& writer, std::size_t maxQueued)
    : windows_(windows), writer_(writer), queue_(std::min(MouseEventQueue::kInitialCapacity, maxQueued), maxQueued) {}

Recorder::~Recorder() { StopWorker(); }

void Recorder::Reset(bool exclusiveMode) {
    std::lock_guard lock(eventLock_);
    queue_.Clear();
    queue_.ResetLost();
    ResetRecorderContext(context_, exclusiveMode, windows_.DpiX(), windows_.DpiY());
}

std::size_t Recorder::DrainLocked() {
    const RecorderServices services{windows_, writer_};
    std::size_t handled = 0;
    while (auto event = queue_.TryPop()) {
        if (const auto* mouse = std::get_if<CapturedMouseEvent>(&*event)) {
            HandleMouseEvent(context_, services, *mouse);
        } else if (const auto* key = std::get_if<CapturedKeyEvent>(&*event)) {
            HandleKeyEvent(context_, services, *key);
        }
        ++handled;
    }
    return handled;
}

std::size_t Recorder::DrainNow() {
    std::lock_guard lock(eventLock_);
    return DrainLocked();
}

void Recorder::Stop(std::uint32_t tick) {
    std::lock_guard lock(eventLock_);
    DrainLocked();
    FinishRecording(context_, RecorderServices{windows_, writer_}, tick);
    if (const std::uint64_t lost = queue_.Lost(); lost > 0) {
        writer_.Write({EditorWriteKind::AppendLine, LostEventsComment(lost)});
        queue_.ResetLost();
    }
}

bool Recorder::StartWorker() noexcept {
    if (worker_.joinable()) return true;
    queue_.Restart();
    try {
        worker_ = std::thread([this] { WorkerLoop(); });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void Recorder::StopWorker() noexcept {
    if (!worker_.joinable()) return;
    queue_.Shutdown();
    worker_.join();
}

void Recorder::WorkerLoop() {
    while (queue_.WaitForEvents()) {
        std::lock_guard lock(eventLock_);
        DrainLocked();
    }
}

std::string LostEventsComment(std::uint64_t lost) {
    return "'录制时有 " + std::to_string(lost) + " 个鼠标事件来不及记录";
}

}  // namespace xd
