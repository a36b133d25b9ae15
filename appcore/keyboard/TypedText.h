// What counts as typed text rather than a key, the same for both recorders: characters a text line or a
// typing group can carry.
#pragma once
#include <string_view>

namespace xd {

// No control character (C0, DEL or C1), no surrogate half, nothing past Unicode.
[[nodiscard]] constexpr bool IsTypableCharacter(char32_t c) noexcept {
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && !(c >= 0xD800 && c <= 0xDFFF) && c <= 0x10FFFF;
}

// Not empty, and every character typable.
[[nodiscard]] bool IsPrintableText(std::string_view utf8) noexcept;

}  // namespace xd
