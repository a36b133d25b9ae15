// Playing one event: the foreground step (the real pointer and synthesized input),
// the background step (messages posted to the event's window), the wait after
// either, and the release of buttons a stopped playback left pressed.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "eventlist/player/EventPlayer.h"

namespace xd {

// SendInput flags of an event's action, without the flags that give it its point
// (InputRecordAt adds those); 0 for a move (a warp alone) or a message no event carries.
[[nodiscard]] std::uint32_t ForegroundAction(std::int32_t message) noexcept;
// The message posted for an event on a window's client area (or outside it), and
// on its frame; nullopt when nothing is posted (wheels on the frame, unknown codes:
// a damaged file must not post arbitrary messages to other programs' windows).
[[nodiscard]] std::optional<std::uint32_t> ClientMessage(std::int32_t message, bool doubleClick) noexcept;
[[nodiscard]] std::optional<std::uint32_t> NonClientMessage(std::int32_t message, bool doubleClick) noexcept;
// The evflag bit of the button an event presses or releases, 0 for other events.
[[nodiscard]] std::int32_t DownButton(std::int32_t message) noexcept;
[[nodiscard]] std::int32_t UpButton(std::int32_t message) noexcept;
// A point as the position parameter of a mouse message: y high, x low (MAKELPARAM).
[[nodiscard]] std::intptr_t PackPosition(Point p) noexcept;
// The event's point in its window: the window's top-left corner plus the low
// halves of the offsets.
[[nodiscard]] Point EventPointInWindow(IWindowSystem& windows, const RecordedEvent& event);

inline constexpr std::uint32_t kHitTestTimeoutMs = 100;
inline constexpr std::int64_t kWaitSliceMicros = 50'000;

// Event k, acted on at once; true when its wait is to follow (not after a refusal, an abort or a window
// the user chose to ignore).
[[nodiscard]] bool ForegroundStep(EventPlayerContext& c, std::size_t k);
[[nodiscard]] bool BackgroundStep(EventPlayerContext& c, std::size_t k);
// delayMs scaled by the speed slider as it stands now, counted from when the
// previous event was due; checked every 50 ms so a stop ends it.
void WaitAfterEvent(EventPlayerContext& c, std::int32_t delayMs);
// Lets go of every button a played down left pressed, in the mode that pressed it, and of every key the
// foreground pressed. A button whose release is refused stays in heldForeground or heldBackground.
void ReleaseHeldButtons(EventPlayerContext& c);
// What the user is told when the system still holds buttons (evflag bits) at the end.
[[nodiscard]] std::string StillHeldText(std::int32_t buttons);

}  // namespace xd
