// A stop by hand: during a foreground playback the player owns the pointer, and a user whose routine goes
// wrong takes it back by moving the mouse, without having to find Esc. Both editions' mouse hooks ask here.
#pragma once
#include <cstdint>
#include <string_view>

#include "appcore/playback/PlayerPointerTrail.h"
#include "platform/Types.h"

namespace xd {

// A hand resting on the mouse, or the desk it stands on, moves the pointer a pixel or two, and an echo of the
// player's own SetCursorPos may land a pixel off after the display's scaling; a user taking the pointer back
// moves it tens of pixels within the first few events. Eight pixels lies well between.
inline constexpr int kStopByHandPixels = 8;

// LLMHF_INJECTED and LLMHF_LOWER_IL_INJECTED: input some program sent, never the hand.
inline constexpr std::uint32_t kInjectedMouseFlags = 0x01 | 0x02;

inline constexpr std::string_view kStoppedByHandStatus = "移动了鼠标，回放已停止。";

struct HandMoveFacts {
    int code = 0;                    // hook code; only 0 (HC_ACTION) is an event
    std::uint32_t message = 0;
    std::uint32_t flags = 0;         // the hook's flags
    bool foregroundPlayback = false; // a playback runs, and in the foreground
    bool stopOnMouseMove = true;     // the option
    bool nearPlayerPoint = false;    // within kStopByHandPixels of a point the player set
};

// True when this hook event is the user's hand moving the mouse during a foreground playback.
[[nodiscard]] bool DecideStopByHand(const HandMoveFacts& facts) noexcept;

// The hook's side: an injected move shows where the player's input put the pointer (the way back of a click
// rides in its SendInput call), so it joins the trail; then the decision. Main thread (the hooks).
[[nodiscard]] bool IsStopByHand(PlayerPointerTrail& trail, int code, const LowLevelMouseEvent& event,
                                bool foregroundPlayback, bool stopOnMouseMove) noexcept;

}  // namespace xd
