// The runner's timing model: every action first moves the pointer to its point
// over the wait the previous action stored, scaled by the speed.
#pragma once
#include <cstdint>

#include "engine/playback/Playback.h"

namespace xd {

// 0 when the pointer is at (x, y) of the target (logical client coordinates),
// 1 when there is no target or it has closed (reported, stop set), 99 on a stop.
// nextWait is stored for the next approach.
[[nodiscard]] int ApproachPoint(Runner& runner, std::int32_t nextWait, int x, int y) noexcept;

// Puts the pointer overlay at point + (1, 1); moves the real pointer there in
// foreground play with 移动鼠标 on, else posts WM_MOUSEMOVE to the target.
void MovePointerTo(Runner& runner, Point screen, WindowHandle target, Point clientOrigin) noexcept;

// The error box of a failed statement: no owner, fixed caption and flags.
void ShowRunError(Runner& runner, const std::string& text) noexcept;

}  // namespace xd
