// Which keys the event-list recorder takes ("录制键盘"), as a function of the hook's event and the settings.
#pragma once
#include <cstdint>

#include "eventlist/KeyEvent.h"
#include "platform/Types.h"

namespace xd {

// True for a press or release the option asks for: not the record or play hotkey, not Esc (the keys that
// run the recorder itself), and not input some program injected (a playback's own keys among them).
[[nodiscard]] bool DecideKeyRecording(const LowLevelKeyEvent& event, int recordKey, int playKey, bool recording,
                                      bool recordKeyboard) noexcept;

// The key fields of the event the hook reported.
[[nodiscard]] EventKey HookEventKey(const LowLevelKeyEvent& event) noexcept;

}  // namespace xd
