// What one captured key event means to the script: nothing (a release, a modifier alone), a key line's
// combination, or characters for a text line.
#pragma once
#include <cstdint>
#include <string_view>

#include "recorder/capture/CapturedKeyEvent.h"
#include "recorder/capture/Gesture.h"

namespace xd {

// The KeyModifier bit a key stands for (either side, or the generic key); 0 for any other key.
[[nodiscard]] std::uint8_t ModifierOfKey(std::uint32_t virtualKey) noexcept;

// End for what makes no line; Key with the combination; Text with the characters.
[[nodiscard]] GestureToken KeyTokenOf(const CapturedKeyEvent& event);

}  // namespace xd
