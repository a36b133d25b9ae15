// How settings values are written and read back as numbers.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace xd {

// Decimal with an optional sign after optional blanks; reading stops at the
// first non-digit, text without digits is 0, and overflow saturates.
std::int64_t ParseProfileInt64(std::string_view text) noexcept;
std::int32_t ParseProfileInt(std::string_view text) noexcept;
// Unsigned fields (placement flags, show state) keep the low 32 bits.
std::uint32_t ParseProfileUnsigned(std::string_view text) noexcept;

std::string FormatProfileInt(std::int64_t value);
// Check boxes store "-1" ticked and "0" not.
std::string FormatProfileFlag(bool on);

}  // namespace xd
