#include "documents/ProfileValues.h"

#include <limits>

namespace xd {

std::int64_t ParseProfileInt64(std::string_view text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        int digit = text[i] - '0';
        if (magnitude > (kMax - digit) / 10) {
            return negative ? std::numeric_limits<std::int64_t>::min() : kMax;
        }
        magnitude = magnitude * 10 + digit;
    }
    return negative ? -magnitude : magnitude;
}

std::int32_t ParseProfileInt(std::string_view text) noexcept {
    std::int64_t v = ParseProfileInt64(text);
    if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

std::uint32_t ParseProfileUnsigned(std::string_view text) noexcept {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ParseProfileInt64(text)));
}

std::string FormatProfileInt(std::int64_t value) { return std::to_string(value); }

std::string FormatProfileFlag(bool on) { return on ? "-1" : "0"; }

}  // namespace xd
