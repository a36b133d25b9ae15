#include "platform/sim/SimInput.h"

#include <algorithm>
#include <utility>

namespace xd::sim {

namespace {
constexpr std::size_t kMaxLogEntries = 1'000'000;
}

SimInput::SimInput(IClock& clock, IWindowSystem* screen) : clock_(clock), screen_(screen) {}

Point SimInput::ScreenSizeNow() const {
    Point size = screen_ ? screen_->ScreenSize() : Point{1920, 1080};
    return Point{std::max(size.x, 1), std::max(size.y, 1)};
}

unsigned SimInput::SendMouseInput(const std::vector<MouseInputRecord>& records) {
    InputBatch batch;
    batch.records = records;
    batch.tick = clock_.TickCount();
    batch.micros = clock_.MonotonicMicros();
    Point size = ScreenSizeNow();  // outside our lock: the window system has its own
    std::vector<Point> positions;
    Listener listener;
    {
        std::lock_guard lock(mutex_);
        if (batches_.size() < kMaxLogEntries) batches_.push_back(batch);
        if (blocked_) return 0;
        for (const auto& r : records) {
            if (r.flags & mouseevent::kMove) {
                if (r.flags & mouseevent::kAbsolute) {
                    // Inverse of dx = ceil(x * 65536 / width): lands back on pixel x.
                    cursor_.x = static_cast<int>(static_cast<std::int64_t>(r.dx) * size.x / 65536);
                    cursor_.y = static_cast<int>(static_cast<std::int64_t>(r.dy) * size.y / 65536);
                } else {
                    cursor_.x += r.dx;
                    cursor_.y += r.dy;
                }
                cursor_.x = std::clamp(cursor_.x, 0, size.x - 1);
                cursor_.y = std::clamp(cursor_.y, 0, size.y - 1);
            }
            positions.push_back(cursor_);
        }
        listener = listener_;
    }
    if (listener)
        for (std::size_t i = 0; i < records.size(); ++i) listener(records[i], positions[i]);
    return static_cast<unsigned>(records.size());
}

bool SimInput::SetCursorPos(Point screen) {
    CursorMove move{screen, clock_.TickCount(), clock_.MonotonicMicros()};
    std::lock_guard lock(mutex_);
    if (cursorMoves_.size() < kMaxLogEntries) cursorMoves_.push_back(move);
    cursor_ = screen;
    return true;
}

Point SimInput::GetCursorPos() {
    std::lock_guard lock(mutex_);
    return cursor_;
}

void SimInput::PlaceCursor(Point screen) {
    std::lock_guard lock(mutex_);
    cursor_ = screen;
}

void SimInput::SetListener(Listener listener) {
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

void SimInput::SetBlocked(bool blocked) {
    std::lock_guard lock(mutex_);
    blocked_ = blocked;
}

std::vector<InputBatch> SimInput::Batches() const {
    std::lock_guard lock(mutex_);
    return batches_;
}

std::vector<MouseInputRecord> SimInput::AllRecords() const {
    std::lock_guard lock(mutex_);
    std::vector<MouseInputRecord> out;
    for (const auto& b : batches_) out.insert(out.end(), b.records.begin(), b.records.end());
    return out;
}

std::vector<CursorMove> SimInput::CursorMoves() const {
    std::lock_guard lock(mutex_);
    return cursorMoves_;
}

void SimInput::Clear() {
    std::lock_guard lock(mutex_);
    batches_.clear();
    cursorMoves_.clear();
}

}  // namespace xd::sim
