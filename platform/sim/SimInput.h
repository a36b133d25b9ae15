// Simulated input: records every SendInput batch and SetCursorPos call and moves a
// virtual pointer the way the records would move the real one.
#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/WindowSystem.h"

namespace xd::sim {

struct InputBatch {
    std::vector<MouseInputRecord> records;
    std::uint32_t tick = 0;
    std::int64_t micros = 0;
};

struct CursorMove {
    Point point{};
    std::uint32_t tick = 0;
    std::int64_t micros = 0;
};

class SimInput final : public IInput {
public:
    // Sees each inserted record with the pointer position after it, outside the lock;
    // a test can feed these into a simulated hook to close the loop.
    using Listener = std::function<void(const MouseInputRecord&, Point cursor)>;

    // `screen` supplies the screen size that absolute coordinates (0..65535) map to;
    // without it a 1920 x 1080 screen is assumed.
    explicit SimInput(IClock& clock, IWindowSystem* screen = nullptr);

    unsigned SendMouseInput(const std::vector<MouseInputRecord>& records) override;
    bool SetCursorPos(Point screen) override;
    Point GetCursorPos() override;

    // Moves the pointer as the user would: logged nowhere.
    void PlaceCursor(Point screen);
    void SetListener(Listener listener);
    // Makes SendInput insert nothing (as when blocked by a higher-integrity window).
    void SetBlocked(bool blocked);

    std::vector<InputBatch> Batches() const;
    std::vector<MouseInputRecord> AllRecords() const;  // every batch's records in order
    std::vector<CursorMove> CursorMoves() const;
    void Clear();

private:
    Point ScreenSizeNow() const;

    IClock& clock_;
    IWindowSystem* screen_;
    mutable std::mutex mutex_;
    Point cursor_{};
    bool blocked_ = false;
    Listener listener_;
    std::vector<InputBatch> batches_;
    std::vector<CursorMove> cursorMoves_;
};

}  // namespace xd::sim
