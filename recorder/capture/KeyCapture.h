// The keyboard hook's side of recording keys: which key events the recorder gets, and the copy it gets,
// with what depends on the key state at that moment (the modifiers held, the characters the key types, the
// window with the focus). Main thread only, inside the hook call; nothing here swallows or alters an event.
#pragma once
#include <cstdint>

#include "platform/Types.h"
#include "platform/WindowSystem.h"
#include "recorder/capture/CapturedKeyEvent.h"

namespace xd {

// The modifiers held, followed through every key event the hook sees (injected ones too, since they change
// the key state as well): the system's own state in the hook call does not have the event yet, and our
// thread's GetKeyState does not follow other programs' input.
class KeyModifierTracker {
public:
    // Call for every event; returns the modifiers held before it.
    std::uint8_t Follow(const LowLevelKeyEvent& event) noexcept;
    [[nodiscard]] std::uint8_t Held() const noexcept;

private:
    std::uint8_t sides_ = 0;  // one bit per left and right modifier key
};

struct KeyCaptureSettings {
    bool recording = false;       // a recording takes events (and Esc has not stopped it)
    bool recordKeyboard = false;  // the 录制键盘 option
    int recordKey = 0;            // the hotkeys as set
    int playKey = 0;
};

// Whether the event goes to the recorder: an action of the hand while recording with the option on, and
// never the record or play hotkey or Esc, pressed or released.
[[nodiscard]] bool DecideKeyCapture(const LowLevelKeyEvent& event, const KeyCaptureSettings& settings) noexcept;

// The copy: the focused control of the foreground window (else that window), and, for a key-down with no
// modifier but Shift, the characters it types in that window's layout. False when the foreground window is
// the program's own (its dialogs and editor are never recorded) or there is none.
[[nodiscard]] bool CaptureKeyEvent(IWindowSystem& windows, const LowLevelKeyEvent& event, std::uint8_t modifiers,
                                   CapturedKeyEvent& captured);

}  // namespace xd
