// The runner's timing model: every action first moves the pointer to its point
// over the wait the previous action stored, scaled by the speed.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "appcore/keyboard/KeyPlayback.h"
#include "engine/playback/Playback.h"

namespace xd {

// 0 when the pointer is at (x, y) of the target (logical client coordinates),
// 1 when there is no target, it has closed or it refused a move (reported, stop
// set), 99 on a stop.
// nextWait is stored for the next approach.
[[nodiscard]] int ApproachPoint(Runner& runner, std::int32_t nextWait, int x, int y) noexcept;

// Puts the pointer overlay at point + (1, 1); moves the real pointer there in
// foreground play with 移动鼠标 on, else posts WM_MOUSEMOVE to the target.
void MovePointerTo(Runner& runner, Point screen, WindowHandle target, Point clientOrigin) noexcept;

// The error box of a failed statement: no owner, fixed caption and flags.
void ShowRunError(Runner& runner, const std::string& text) noexcept;

// A post to, or injected input for, the target, and what a refusal means: the
// box once, the playback stopped (Runner::refused). False when the playback must
// stop; after a refusal nothing more is sent. A post that fails because the target
// has just closed is let pass, as before: the next approach reports the closing.
[[nodiscard]] bool TryPost(Runner& runner, WindowHandle target, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam) noexcept;
// `heldBefore`: the buttons (mouseevent down flags) an earlier injection left
// pressed; what is still held when the records do not all go in is let go.
[[nodiscard]] bool TryInject(Runner& runner, WindowHandle target, const std::vector<MouseInputRecord>& records,
                             std::uint32_t heldBefore = 0) noexcept;
// The same for keys. A key message goes to `control` (the focused control of `window`) and a refusal names
// `window`: a control's own title may be the text typed into it. Keys injected in part let go of what they
// pressed (ReleaseRecords).
[[nodiscard]] bool TryPostKey(Runner& runner, WindowHandle window, WindowHandle control,
                              const KeyMessage& message) noexcept;
[[nodiscard]] bool TryInjectKeys(Runner& runner, WindowHandle window,
                                 const std::vector<KeyInputRecord>& records) noexcept;

}  // namespace xd
