// How argument and configuration texts become numbers.
#pragma once
#include <cstdint>
#include <string_view>

namespace xd {

// The integer rule: leading spaces skipped; "&H"/"&h" hexadecimal, "&O"/"&o"
// octal, "&B"/"&b" binary, "&" followed by anything else octal; otherwise a
// decimal integer with an optional sign. Reading stops at the first byte that
// does not fit; no leading number reads as 0 ("12px" is 12, "3.7" is 3).
// Out of range: decimal saturates at the 32-bit limits; the "&" forms keep the
// low 32 bits as a two's-complement pattern (so "&HFFFFFFFF" is -1).
[[nodiscard]] std::int32_t ReadInteger(std::string_view text) noexcept;

// A decimal number with optional sign, fraction and exponent, read as far as it
// fits ("2.5x" is 2.5, "abc" is 0). Values beyond the float range saturate at
// the largest finite float; values too small for it become 0.
[[nodiscard]] float ReadDecimal(std::string_view text) noexcept;

}  // namespace xd
