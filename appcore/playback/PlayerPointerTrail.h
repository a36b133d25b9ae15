// Where a playback put the real pointer lately, so the hooks can tell the user's hand from the player.
// The player sets the pointer on its own thread; the hooks read the trail on the main thread, often a few
// steps behind (a glide sets a point every 10 ms, and under Wine each SetCursorPos comes back to the hooks
// as a move without the injected flag). Keeping the last points rather than only the last one means a late
// echo of an earlier step is still recognised.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "platform/Input.h"
#include "platform/Types.h"

namespace xd {

class PlayerPointerTrail {
public:
    // At a playback's start: the pointer is where the user left it, and nothing else is the player's yet.
    void Reset(Point start) noexcept;
    // Any thread.
    void Record(Point p) noexcept;
    // True when p lies within `tolerance` pixels (each axis) of a point on the trail.
    [[nodiscard]] bool IsNear(Point p, int tolerance) const noexcept;

    static constexpr std::size_t kPoints = 64;

private:
    static std::uint64_t Pack(Point p) noexcept;
    static Point Unpack(std::uint64_t v) noexcept;

    std::array<std::atomic<std::uint64_t>, kPoints> points_{};
    std::atomic<std::uint32_t> next_{0};
};

// The input a playback works through: every SetCursorPos is put on the trail before it is made, since the
// system may show the move to the hooks before the call returns.
class PointerTrailInput final : public IInput {
public:
    PointerTrailInput(IInput& input, PlayerPointerTrail& trail) noexcept : input_(input), trail_(trail) {}
    [[nodiscard]] unsigned SendMouseInput(const std::vector<MouseInputRecord>& records) override {
        return input_.SendMouseInput(records);
    }
    [[nodiscard]] unsigned SendKeyInput(const std::vector<KeyInputRecord>& records) override {
        return input_.SendKeyInput(records);
    }
    [[nodiscard]] bool SetCursorPos(Point screen) override {
        trail_.Record(screen);
        return input_.SetCursorPos(screen);
    }
    Point GetCursorPos() override { return input_.GetCursorPos(); }

private:
    IInput& input_;
    PlayerPointerTrail& trail_;
};

}  // namespace xd
