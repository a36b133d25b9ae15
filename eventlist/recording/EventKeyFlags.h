// The button and modifier word of a recorded event.
#pragma once
#include <cstdint>
#include <functional>

namespace xd {

// What is held as the event happens (the key state from before the event itself).
struct HeldInput {
    bool ctrl = false;
    bool shift = false;
    bool left = false;
    bool right = false;
    bool middle = false;
};

// Ctrl 8 and Shift 4 when held; a press adds its own button and the other two
// that are held, a release the other two held, a move all three held. The wheel
// messages put the delta (high word of the hook's wheel field) in the high half
// and Shift, Ctrl and all held buttons in the low half.
[[nodiscard]] std::int32_t EventKeyFlags(std::int32_t message, std::uint32_t mouseData, const HeldInput& held) noexcept;

// GetKeyState's high bit for Ctrl, Shift and the three buttons.
[[nodiscard]] HeldInput ReadHeldInput(const std::function<std::int16_t(int virtualKey)>& keyState);

}  // namespace xd
