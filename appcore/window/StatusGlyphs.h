// The pieces both editions' status lines are made of.
#pragma once
#include <string>
#include <string_view>

namespace xd {

// The arrow glyph (UTF-8) for index 0..7: ↖ ↑ ↗ → ↘ ↓ ↙ ←, turning clockwise.
std::string_view ArrowGlyph(int arrowIndex);

// "F" + (key − 111): the function-key name of a virtual-key code.
std::string FunctionKeyName(int virtualKey);

}  // namespace xd
