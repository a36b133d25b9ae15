#include "platform/sim/SimInput.h"

#include <algorithm>
#include <utility>

namespace xd::sim {

namespace {
constexpr std::size_t kMaxLogEntries = 1'000'000;
}

SimInput::SimInput(IClock& clock, IWindowSystem* screen, SimHooks* hooks)
    : clock_(clock), screen_(screen), hooks_(hooks) {}

Point SimInput::ScreenSizeNow() const {
    Point size = screen_ ? screen_->ScreenSize() : Point{1920, 1080};
    return Point{std::max(size.x, 1), std::max(size.y, 1)};
}

void SimInput::Apply(const MouseInputRecord& r, Point size, std::uint32_t hookFlags, std::uint32_t tick) {
    Point to;
    {
        std::lock_guard lock(mutex_);
        to = cursor_;
    }
    if (r.flags & mouseevent::kMove) {
        if (r.flags & mouseevent::kAbsolute) {
            // Inverse of dx = ceil(x * 65536 / width): lands back on pixel x.
            to.x = static_cast<int>(static_cast<std::int64_t>(r.dx) * size.x / 65536);
            to.y = static_cast<int>(static_cast<std::int64_t>(r.dy) * size.y / 65536);
        } else {
            to.x += r.dx;
            to.y += r.dy;
        }
        to.x = std::clamp(to.x, 0, size.x - 1);
        to.y = std::clamp(to.y, 0, size.y - 1);
    }
    if (hooks_) {
        // The order in which the system turns one record's flags into messages.
        constexpr std::uint32_t kXDown = 0x0080, kXUp = 0x0100;
        constexpr std::pair<std::uint32_t, std::uint32_t> kEvents[] = {
            {mouseevent::kMove, msg::kMouseMove},         {mouseevent::kLeftDown, msg::kLButtonDown},
            {mouseevent::kLeftUp, msg::kLButtonUp},       {mouseevent::kRightDown, msg::kRButtonDown},
            {mouseevent::kRightUp, msg::kRButtonUp},      {mouseevent::kMiddleDown, msg::kMButtonDown},
            {mouseevent::kMiddleUp, msg::kMButtonUp},     {kXDown, msg::kXButtonDown},
            {kXUp, msg::kXButtonUp},                      {mouseevent::kWheel, msg::kMouseWheel},
            {mouseevent::kHWheel, msg::kMouseHWheel}};
        const std::uint32_t time = r.time != 0 ? r.time : tick;
        for (const auto& [flag, message] : kEvents) {
            if (!(r.flags & flag)) continue;
            // Wheel delta and X button number travel in the high word.
            const std::uint32_t data = message == msg::kMouseMove ? 0 : (r.mouseData & 0xFFFFu) << 16;
            hooks_->DeliverMouse(LowLevelMouseEvent{message, to, data, hookFlags, time});
        }
    }
    std::lock_guard lock(mutex_);
    cursor_ = to;
}

unsigned SimInput::SendMouseInput(const std::vector<MouseInputRecord>& records) {
    InputBatch batch;
    batch.records = records;
    batch.tick = clock_.TickCount();
    batch.micros = clock_.MonotonicMicros();
    std::size_t inserted = records.size();
    {
        std::lock_guard lock(mutex_);
        if (batches_.size() < kMaxLogEntries) batches_.push_back(batch);
        if (blocked_) return 0;
        if (nextInserted_) {
            inserted = std::min(*nextInserted_, records.size());
            nextInserted_.reset();
        }
    }
    const Point size = ScreenSizeNow();  // outside our lock: the window system has its own
    for (std::size_t i = 0; i < inserted; ++i) Apply(records[i], size, llhook::kMouseInjected, batch.tick);
    return static_cast<unsigned>(inserted);
}

void SimInput::MoveAndDeliver(Point screen, std::uint32_t tick) {
    if (hooks_) hooks_->DeliverMouse(LowLevelMouseEvent{msg::kMouseMove, screen, 0, 0, tick});
    std::lock_guard lock(mutex_);
    cursor_ = screen;
}

bool SimInput::SetCursorPos(Point screen) {
    CursorMove move{screen, clock_.TickCount(), clock_.MonotonicMicros()};
    {
        std::lock_guard lock(mutex_);
        if (cursorMoves_.size() < kMaxLogEntries) cursorMoves_.push_back(move);
    }
    MoveAndDeliver(screen, move.tick);
    return true;
}

void SimInput::UserMoveTo(Point screen) { MoveAndDeliver(screen, clock_.TickCount()); }

void SimInput::UserInput(const MouseInputRecord& record) { Apply(record, ScreenSizeNow(), 0, clock_.TickCount()); }

Point SimInput::GetCursorPos() {
    std::lock_guard lock(mutex_);
    return cursor_;
}

void SimInput::PlaceCursor(Point screen) {
    std::lock_guard lock(mutex_);
    cursor_ = screen;
}

void SimInput::SetBlocked(bool blocked) {
    std::lock_guard lock(mutex_);
    blocked_ = blocked;
}

void SimInput::FailNextInjection(std::size_t inserted) {
    std::lock_guard lock(mutex_);
    nextInserted_ = inserted;
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
