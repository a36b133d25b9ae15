// Playing a key event: the foreground sends it to the system as a keyboard would (by scan code), the
// background posts the message the system would have delivered to the control with the focus.
#pragma once
#include <vector>

#include "appcore/keyboard/KeyPlayback.h"
#include "eventlist/RecordedEvent.h"
#include "platform/Input.h"
#include "platform/WindowSystem.h"

namespace xd {

// The keys a foreground playback has pressed and not released, as they were pressed: a stop between a
// modifier's press and its release must not leave the real keyboard holding it. At most one per key.
struct HeldKeyStrokes {
    std::vector<KeyStroke> down;
};

// The event's key going down or up; nullopt-like key 0 for a record that names no key.
[[nodiscard]] KeyStroke EventStroke(const RecordedEvent& event) noexcept;

enum class KeyStepOutcome { Played, NothingToPlay, Refused };

[[nodiscard]] KeyStepOutcome InjectKey(IInput& input, const RecordedEvent& event, HeldKeyStrokes& held);
// Posted to KeyTarget of the event's window; `held` follows the keys through the playback for the lParams.
// A press that typed text (no Alt, no Windows key) posts that text as WM_CHAR in place of its WM_KEYDOWN.
[[nodiscard]] KeyStepOutcome PostKey(IWindowSystem& windows, const RecordedEvent& event, HeldKeys& held);
// Releases what InjectKey left pressed; what the system refuses stays in `held`.
void ReleaseHeldKeys(IInput& input, HeldKeyStrokes& held);

}  // namespace xd
