// The three action statements: 鼠标点击, 鼠标拖移 and 鼠标滚轮. Each approaches its
// point first (ApproachPoint), then acts in the foreground (synthesized input)
// or the background (messages posted to the target). 0 done, 1 error reported,
// 99 stop requested.
#pragma once
#include <cstdint>
#include <optional>

#include "engine/playback/Playback.h"

namespace xd {

[[nodiscard]] int PerformClick(Runner& runner, std::int32_t button, std::int32_t x, std::int32_t y,
                               std::int32_t count, std::int32_t wait) noexcept;

[[nodiscard]] int PerformDrag(Runner& runner, std::int32_t button, std::int32_t startX, std::int32_t startY,
                              std::int32_t endX, std::int32_t endY, std::int32_t duration,
                              std::int32_t wait) noexcept;

[[nodiscard]] int PerformWheel(Runner& runner, std::int32_t delta, std::int32_t x, std::int32_t y,
                               std::int32_t count, std::int32_t wait) noexcept;

// A foreground button or wheel record at P (InputRecordAt). With 移动鼠标 off the player
// leaves the pointer where the user has it and the input acts there, so the record
// then carries no move.
[[nodiscard]] MouseInputRecord ForegroundRecord(Runner& runner, Point p, std::uint32_t flags,
                                                std::uint32_t mouseData = 0);

// The hit test is sent with a time limit: a target that has stopped answering
// must not hold the runner, which has to see a stop within a few steps.
inline constexpr std::uint32_t kHitTestTimeoutMs = 100;

// The target's WM_NCHITTEST answer at a packed screen point. Without an answer in
// time the code is HTNOWHERE (0), so the non-client click posted with it does
// nothing when the target wakes up; nullopt when moreover a stop was requested
// meanwhile, and the click is not posted at all.
[[nodiscard]] std::optional<std::uintptr_t> NonClientHit(Runner& runner, WindowHandle target,
                                                         std::intptr_t at) noexcept;

}  // namespace xd
