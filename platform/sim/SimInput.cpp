#include "platform/sim/SimInput.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "platform/KeyMessages.h"
#include "platform/sim/SimKeyboardLayout.h"

namespace xd::sim {

namespace {
constexpr std::size_t kMaxLogEntries = 1'000'000;
}

SimInput::SimInput(IClock& clock, SimDesktop* screen, SimHooks* hooks)
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

unsigned SimInput::SendKeyInput(const std::vector<KeyInputRecord>& records) {
    DeliverHeldInput();
    KeyInputBatch batch{records, clock_.TickCount(), clock_.MonotonicMicros()};
    std::size_t inserted = records.size();
    {
        std::lock_guard lock(mutex_);
        if (keyBatches_.size() < kMaxLogEntries) keyBatches_.push_back(batch);
        if (blocked_) return 0;
        if (nextInserted_) {
            inserted = std::min(*nextInserted_, records.size());
            nextInserted_.reset();
        }
    }
    for (std::size_t i = 0; i < inserted; ++i) DeliverKey(records[i], llhook::kKeyInjected, batch.tick, true);
    return static_cast<unsigned>(inserted);
}

void SimInput::UserKey(int virtualKey, bool down) {
    DeliverHeldInput();
    const KeyInputRecord record{static_cast<std::uint16_t>(virtualKey), 0, down ? 0u : keyevent::kKeyUp, 0};
    DeliverKey(record, 0, clock_.TickCount(), false);
}

void SimInput::DeliverKey(const KeyInputRecord& r, std::uint32_t hookFlags, std::uint32_t tick, bool toWindow) {
    constexpr int kPacket = 0xE7;
    const bool up = (r.flags & keyevent::kKeyUp) != 0;
    const std::uint32_t time = r.time != 0 ? r.time : tick;
    const std::uint32_t upFlag = up ? llhook::kKeyUp : 0;
    if (r.flags & keyevent::kUnicode) {
        if (hooks_)
            hooks_->DeliverKey(LowLevelKeyEvent{0, up ? msg::kKeyUp : msg::kKeyDown, kPacket, r.scanCode,
                                                hookFlags | upFlag, time});
        if (toWindow && !up && screen_) (void)screen_->ReceiveKeyInput(msg::kChar, r.scanCode, 1);
        return;
    }
    bool extended = (r.flags & keyevent::kExtended) != 0;
    int key = (r.flags & keyevent::kScanCode) ? SimVirtualKeyOfScan(r.scanCode, extended) : r.virtualKey;
    // The hooks see the side of a modifier; a program's messages the generic key.
    if (key == vk::kShift) key = vk::kLShift;
    if (key == vk::kControl) key = vk::kLControl;
    if (key == vk::kMenu) key = vk::kLMenu;
    if (key == 0) return;
    extended = extended || IsExtendedKey(key);
    const std::uint32_t scan = r.scanCode != 0 ? r.scanCode : SimScanCode(key);
    const auto held = [this](int k) {
        return screen_ && (static_cast<std::uint16_t>(screen_->KeyState(k)) & 0x8000u) != 0;
    };
    const bool isAlt = key == vk::kLMenu || key == vk::kLMenu + 1;
    // The key's own change is not in the state yet: the hooks see it first. Alt's own release has no
    // context bit in its message.
    const bool alt = held(vk::kMenu) || (!up && isAlt);
    const bool system = IsSystemKey(key, alt, held(vk::kControl));
    const std::uint32_t message = up ? (system ? msg::kSysKeyUp : msg::kKeyUp) : (system ? msg::kSysKeyDown : msg::kKeyDown);
    const int generic = key >= 0xA0 && key <= 0xA5 ? 0x10 + (key - 0xA0) / 2 : key;
    const bool wasDown = held(key);
    if (hooks_)
        hooks_->DeliverKey(LowLevelKeyEvent{0, message, static_cast<std::uint32_t>(key), scan,
                                            hookFlags | upFlag | (extended ? 0x01u : 0u) |
                                                (alt ? llhook::kKeyAltDown : 0u),
                                            time});
    if (toWindow && screen_)
        (void)screen_->ReceiveKeyInput(message, static_cast<std::uintptr_t>(generic),
                                       KeyMessageLParam(KeyMessageBits{scan, extended, up, wasDown, alt && system && !(up && isAlt)}));
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

std::vector<KeyInputBatch> SimInput::KeyBatches() const {
    std::lock_guard lock(mutex_);
    return keyBatches_;
}

void SimInput::Clear() {
    std::lock_guard lock(mutex_);
    keyBatches_.clear();
    batches_.clear();
    cursorMoves_.clear();
}

}  // namespace xd::sim
