// Targets that refuse our input. A window of a program running with higher rights
// drops posted messages and injected input without a sound; the only signs are a
// PostMessage that returns false and a SendInput that inserts fewer records than
// it was given. Both editions stop their playback on the first such sign.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Input.h"
#include "platform/WindowSystem.h"

namespace xd {

// The box text naming the window: its title, or its class when it has none.
[[nodiscard]] std::string RefusedInputText(IWindowSystem& windows, WindowHandle w);

// The button down flags (mouseevent) still held once the first `inserted` records
// went in, counting `heldBefore`, pressed before them.
[[nodiscard]] std::uint32_t HeldAfterRecords(const std::vector<MouseInputRecord>& records, std::size_t inserted,
                                             std::uint32_t heldBefore) noexcept;

// One SendInput of `records`; when fewer went in, one more tries to let go of what
// is held (see HeldAfterRecords) at the last record's point. True when all went in.
[[nodiscard]] bool InjectOrRelease(IInput& input, const std::vector<MouseInputRecord>& records,
                                   std::uint32_t heldBefore);

}  // namespace xd
