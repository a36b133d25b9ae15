// How key events fold into group lines: a key's press and release (with the modifiers pressed around it) make
// one group named after the combination, "按键_Ctrl+S"; characters typed in a row, Shift included, make one
// group named after the first of them, "输入_Hello".
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "appcore/keyboard/KeyPlayback.h"
#include "eventlist/EventLine.h"
#include "eventlist/RecordedEvent.h"

namespace xd {

namespace groupcolour {
constexpr std::uint32_t kKeys = 0x8C6400;  // 0x00BBGGRR: a teal no mouse group uses
}  // namespace groupcolour

// Characters of a typing run that its name shows.
inline constexpr std::size_t kTypedNameChars = 10;

// What grouping the next key event needs to know: the keys down after the events grouped so far, and what
// the last line holds when it is a key group.
struct KeyGroupState {
    enum class Kind { None, Modifiers, Combination, Typing };
    HeldKeys held;                  // generic keys, over the whole list
    Kind kind = Kind::None;         // of the last line; None when it is no key group
    std::uint8_t modifiers = 0;     // KeyModifier bits of the combination
    std::uint8_t key = 0;           // its key (Modifiers: the first modifier pressed)
    std::size_t typedChars = 0;     // characters of a typing run, counted up to its name's length
    std::string typed;              // those characters
};

// Folds key event e into `line` (the last line, which ends right before e) and returns true, or returns false
// when e starts a line of its own. Either way `state` follows e.
bool ExtendKeyGroup(EventLine& line, KeyGroupState& state, const std::vector<RecordedEvent>& events,
                    std::int32_t e);
// The line e starts: a key event sets what the next key event may join, any other ends the key group.
void StartLine(EventLine& line, KeyGroupState& state, const RecordedEvent& event);

}  // namespace xd
