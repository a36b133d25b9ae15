// The three action statements: 鼠标点击, 鼠标拖移 and 鼠标滚轮. Each approaches its
// point first (ApproachPoint), then acts in the foreground (synthesized input)
// or the background (messages posted to the target). 0 done, 1 error reported,
// 99 stop requested.
#pragma once
#include <cstdint>

#include "engine/playback/Playback.h"

namespace xd {

[[nodiscard]] int PerformClick(Runner& runner, std::int32_t button, std::int32_t x, std::int32_t y,
                               std::int32_t count, std::int32_t wait) noexcept;

[[nodiscard]] int PerformDrag(Runner& runner, std::int32_t button, std::int32_t startX, std::int32_t startY,
                              std::int32_t endX, std::int32_t endY, std::int32_t duration,
                              std::int32_t wait) noexcept;

[[nodiscard]] int PerformWheel(Runner& runner, std::int32_t delta, std::int32_t x, std::int32_t y,
                               std::int32_t count, std::int32_t wait) noexcept;

// One injected mouse record at a screen point, in the absolute coordinates of the
// primary screen.
[[nodiscard]] MouseInputRecord InputRecordAt(IWindowSystem& windows, Point screen, std::uint32_t flags,
                                             std::uint32_t mouseData = 0) noexcept;

}  // namespace xd
