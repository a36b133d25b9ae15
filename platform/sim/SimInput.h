// Simulated input: records every SendInput batch and SetCursorPos call, moves a
// virtual pointer the way the records would move the real one, and passes each
// event through the hook chain as the system would deliver it.
#pragma once
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/WindowSystem.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimHooks.h"

namespace xd::sim {

struct InputBatch {
    std::vector<MouseInputRecord> records;
    std::uint32_t tick = 0;
    std::int64_t micros = 0;
};

struct KeyInputBatch {
    std::vector<KeyInputRecord> records;
    std::uint32_t tick = 0;
    std::int64_t micros = 0;
};

struct CursorMove {
    Point point{};
    std::uint32_t tick = 0;
    std::int64_t micros = 0;
};

// What the hooks get: each record gives a move (with the move flag) and then one
// event per button or wheel flag, in the system's order, at the pointer position
// after the record; SendInput events are flagged injected and stamped with the
// record's time, or the tick count of the call when it has none; wheel deltas
// arrive in the high word of mouseData. SetCursorPos gives one unflagged move.
// The pointer and the button state change after the hooks have seen the event,
// as on the system.
//
// The race of the system's input queue, at its worst: SendInput only queues its
// records, while SetCursorPos moves the pointer at once. The records are taken
// from the queue after the caller's next SetCursorPos, or when the caller next
// injects or sleeps on the clock (SimPlatform), or when the user's hand acts
// (SimUser), so nothing is held forever. A record without the move flag acts
// wherever the pointer is by then; one with it lands on its own point.
class SimInput final : public IInput {
public:
    // `screen` supplies the rectangles absolute coordinates (0..65535) are spread
    // over: the virtual screen with the virtual-desktop flag, the primary screen
    // without it; without `screen` one 1920 x 1080 screen is assumed. Without
    // `hooks` nothing is delivered.
    explicit SimInput(IClock& clock, SimDesktop* screen = nullptr, SimHooks* hooks = nullptr);

    unsigned SendMouseInput(const std::vector<MouseInputRecord>& records) override;
    // Key records are taken at once, behind any mouse input still held. Each reaches the hooks as the system
    // reports it (a generic Shift, Ctrl or Alt as its left key; with KEYEVENTF_SCANCODE the key the scan code
    // stands for; text as VK_PACKET with its unit as scan code), then the desktop's focused window gets the
    // message a program would take from its queue: WM_(SYS)KEYDOWN/UP with the generic key and the system's
    // lParam, and for text only the WM_CHAR of each unit (its VK_PACKET key messages are left out).
    unsigned SendKeyInput(const std::vector<KeyInputRecord>& records) override;
    bool SetCursorPos(Point screen) override;
    Point GetCursorPos() override;

    // Takes every record SendInput still holds from the queue, as the system does
    // when it gets round to it.
    void DeliverHeldInput();

    // Puts the pointer somewhere without any event: logged and delivered nowhere.
    void PlaceCursor(Point screen);
    // The user's hand (see SimUser): delivered unflagged, logged nowhere, never blocked.
    void UserMoveTo(Point screen);
    void UserInput(const MouseInputRecord& record);
    // A key of the hand: to the hooks as SendKeyInput's keys are, but unflagged and to no window.
    void UserKey(int virtualKey, bool down);
    // Makes SendInput insert nothing (as when blocked by a higher-integrity window).
    void SetBlocked(bool blocked);
    // The next SendInput inserts only its first `inserted` records and reports that
    // many, as when input is blocked part way; later calls insert everything again.
    void FailNextInjection(std::size_t inserted = 0);

    std::vector<InputBatch> Batches() const;
    std::vector<MouseInputRecord> AllRecords() const;  // every batch's records in order
    std::vector<CursorMove> CursorMoves() const;
    std::vector<KeyInputBatch> KeyBatches() const;
    void Clear();

private:
    // What absolute coordinates address, read outside our lock: the window system has its own.
    struct Screens {
        Rect primary{};
        Rect virtualScreen{};
    };
    struct HeldRecord {
        MouseInputRecord record;
        std::uint32_t tick = 0;
    };

    Screens ScreensNow() const;
    // Delivers the record's events with these hook flags, then moves the pointer.
    void Apply(const MouseInputRecord& record, const Screens& screens, std::uint32_t hookFlags, std::uint32_t tick);
    void MoveAndDeliver(Point screen, std::uint32_t tick);
    void DeliverKey(const KeyInputRecord& record, std::uint32_t hookFlags, std::uint32_t tick, bool toWindow);

    IClock& clock_;
    SimDesktop* screen_;
    SimHooks* hooks_;
    mutable std::mutex mutex_;
    Point cursor_{};
    bool blocked_ = false;
    std::optional<std::size_t> nextInserted_;
    std::vector<HeldRecord> held_;  // at most one batch: each SendInput takes the last one's first
    std::vector<InputBatch> batches_;
    std::vector<CursorMove> cursorMoves_;
    std::vector<KeyInputBatch> keyBatches_;
};

}  // namespace xd::sim
