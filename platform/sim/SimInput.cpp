#include "platform/sim/SimInput.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace xd::sim {

namespace {
constexpr std::size_t kMaxLogEntries = 1'000'000;
}

SimInput::SimInput(IClock& clock, IWindowSystem* screen, SimHooks* hooks)
    : clock_(clock), screen_(screen), hooks_(hooks) {}

namespace {

// At least one pixel each way, so the arithmetic below has something to divide over.
Rect NotEmpty(Rect r) {
    r.right = std::max(r.right, r.left + 1);
    r.bottom = std::max(r.bottom, r.top + 1);
    return r;
}

// Inverse of dx = ceil((x - left) * 65536 / width): lands back on pixel x.
int FromAbsolute(int coordinate, int origin, int extent) {
    const std::int64_t scaled = static_cast<std::int64_t>(coordinate) * extent;
    const std::int64_t pixel = scaled >= 0 ? scaled / 65536 : -((-scaled + 65535) / 65536);
    return static_cast<int>(std::clamp<std::int64_t>(origin + pixel, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace

SimInput::Screens SimInput::ScreensNow() const {
    if (!screen_) return Screens{Rect{0, 0, 1920, 1080}, Rect{0, 0, 1920, 1080}};
    const Point size = screen_->ScreenSize();
    return Screens{NotEmpty(Rect{0, 0, size.x, size.y}), NotEmpty(screen_->VirtualScreen())};
}

void SimInput::Apply(const MouseInputRecord& r, const Screens& screens, std::uint32_t hookFlags,
                     std::uint32_t tick) {
    Point to;
    {
        std::lock_guard lock(mutex_);
        to = cursor_;
    }
    if (r.flags & mouseevent::kMove) {
        if (r.flags & mouseevent::kAbsolute) {
            const Rect& over = (r.flags & mouseevent::kVirtualDesk) ? screens.virtualScreen : screens.primary;
            to.x = FromAbsolute(r.dx, over.left, over.Width());
            to.y = FromAbsolute(r.dy, over.top, over.Height());
        } else {
            to.x += r.dx;
            to.y += r.dy;
        }
        // The pointer can reach every monitor and no further.
        const Rect& all = screens.virtualScreen;
        to.x = std::clamp(to.x, all.left, all.right - 1);
        to.y = std::clamp(to.y, all.top, all.bottom - 1);
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
    // The queue keeps its order: what an earlier call left goes first.
    DeliverHeldInput();
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
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < inserted; ++i) held_.push_back(HeldRecord{records[i], batch.tick});
    return static_cast<unsigned>(inserted);
}

void SimInput::DeliverHeldInput() {
    std::vector<HeldRecord> held;
    {
        std::lock_guard lock(mutex_);
        held.swap(held_);
    }
    if (held.empty()) return;
    const Screens screens = ScreensNow();
    for (const HeldRecord& h : held) Apply(h.record, screens, llhook::kMouseInjected, h.tick);
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
    // The pointer has moved before the queued input is taken: what has no point of its own acts here.
    DeliverHeldInput();
    return true;
}

// The hand's input joins the queue behind what was injected before it.
void SimInput::UserMoveTo(Point screen) {
    DeliverHeldInput();
    MoveAndDeliver(screen, clock_.TickCount());
}

void SimInput::UserInput(const MouseInputRecord& record) {
    DeliverHeldInput();
    Apply(record, ScreensNow(), 0, clock_.TickCount());
}

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
