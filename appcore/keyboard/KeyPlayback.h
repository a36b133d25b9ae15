// What playing a key or a text sends: records for SendInput in the foreground, messages to post in the
// background. Shared by both editions' players.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "appcore/keyboard/KeyNames.h"
#include "platform/Types.h"
#include "platform/WindowSystem.h"

namespace xd {

// One key going down or up as the player sends it: the key, its scan code in the target's layout and
// whether the keyboard marks it extended.
struct KeyStroke {
    std::uint8_t key = 0;
    std::uint32_t scanCode = 0;
    bool extended = false;
    bool up = false;
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// The modifiers go down in the order Ctrl, Shift, Alt, Win, then the key goes down and up `count` times, then
// the modifiers come up in the reverse order. Scan codes come from the layout of `layoutWindow`'s thread.
[[nodiscard]] std::vector<KeyStroke> CombinationStrokes(IWindowSystem& windows, WindowHandle layoutWindow,
                                                        const KeyCombination& keys, int count);

// Foreground: by scan code where the layout has one (as a keyboard would send it), else by virtual key.
[[nodiscard]] KeyInputRecord StrokeRecord(const KeyStroke& stroke);
// Each UTF-16 unit of the text down and up with KEYEVENTF_UNICODE; surrogate pairs as their two units.
[[nodiscard]] std::vector<KeyInputRecord> TextRecords(std::string_view utf8);
// When SendInput took only the first `inserted` records: the ups of the keys those left down, last pressed
// first, so a refused playback leaves no Ctrl held on the user's keyboard. Typed text holds no key.
[[nodiscard]] std::vector<KeyInputRecord> ReleaseRecords(const std::vector<KeyInputRecord>& records,
                                                         std::size_t inserted);

struct KeyMessage {
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    friend bool operator==(const KeyMessage&, const KeyMessage&) = default;
};

// Background: the key messages a run of strokes gives, as the input queue would build them. Which keys are
// down (for the previous-state bit and Alt's system keys) is followed through the run, starting from `held`,
// which the call updates: a player posting key after key keeps one across its steps.
class HeldKeys {
public:
    [[nodiscard]] bool Down(std::uint8_t key) const noexcept { return (bits_[key / 64] >> (key % 64)) & 1u; }
    void Set(std::uint8_t key, bool down) noexcept;

private:
    std::uint64_t bits_[4]{};
};
[[nodiscard]] KeyMessage StrokeMessage(const KeyStroke& stroke, HeldKeys& held);
// WM_CHAR for each UTF-16 unit, repeat count 1.
[[nodiscard]] std::vector<KeyMessage> TextMessages(std::string_view utf8);

// Where background keys go: the control with the focus in the target window's thread, else the window.
[[nodiscard]] WindowHandle KeyTarget(IWindowSystem& windows, WindowHandle window);

}  // namespace xd
