#include "engine/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>

namespace xd {
namespace {

int DigitValue(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

std::int32_t ReadPrefixedDigits(std::string_view digits, unsigned base) noexcept {
    std::uint32_t value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= static_cast<int>(base)) break;
        value = value * base + static_cast<std::uint32_t>(digit);  // wraps: keeps the low 32 bits
    }
    return static_cast<std::int32_t>(value);
}

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

}  // namespace

std::int32_t ReadInteger(std::string_view text) noexcept {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return 0;
    text.remove_prefix(start);

    if (text.front() == '&') {
        const char form = text.size() > 1 ? text[1] : '\0';
        switch (form) {
            case 'H': case 'h': return ReadPrefixedDigits(text.substr(2), 16);
            case 'O': case 'o': return ReadPrefixedDigits(text.substr(2), 8);
            case 'B': case 'b': return ReadPrefixedDigits(text.substr(2), 2);
            default: return ReadPrefixedDigits(text.substr(1), 8);
        }
    }

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Accumulate towards the sign so INT32_MIN is reachable; saturate beyond.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (!IsDigit(c)) break;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLimit) magnitude = kLimit;
    }
    if (negative) return static_cast<std::int32_t>(-magnitude);
    return static_cast<std::int32_t>(magnitude == kLimit ? kLimit - 1 : magnitude);
}

float ReadDecimal(std::string_view text) noexcept {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return 0.0f;
    text.remove_prefix(start);

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan"; a number starts with a digit or ".".
    if (text.empty() || !(IsDigit(text.front()) || text.front() == '.')) return 0.0f;

    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::invalid_argument) return 0.0f;
    if (error == std::errc::result_out_of_range) {
        // Overflow or underflow: the position of the first significant digit
        // against the decimal point, plus the exponent, tells which.
        const std::string_view number(text.data(), static_cast<std::size_t>(end - text.data()));
        const std::size_t exponentAt = number.find_first_of("eE");
        const std::string_view mantissa = number.substr(0, exponentAt);
        const std::size_t firstSignificant = mantissa.find_first_of("123456789");
        if (firstSignificant == std::string_view::npos) return 0.0f;
        std::int64_t exponent = 0;
        if (exponentAt != std::string_view::npos) {
            std::string_view digits = number.substr(exponentAt + 1);
            const bool negativeExponent = digits.starts_with('-');
            if (digits.starts_with('-') || digits.starts_with('+')) digits.remove_prefix(1);
            for (char c : digits) {
                exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), 1'000'000'000);
            }
            if (negativeExponent) exponent = -exponent;
        }
        const std::size_t intEnd = std::min(mantissa.find('.'), mantissa.size());
        const std::int64_t scale = firstSignificant < intEnd
                                       ? static_cast<std::int64_t>(intEnd - firstSignificant)
                                       : -static_cast<std::int64_t>(firstSignificant - intEnd);
        value = scale + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    constexpr double kMax = std::numeric_limits<float>::max();
    if (value > kMax) value = kMax;
    const float result = static_cast<float>(value);
    return negative ? -result : result;
}

}  // namespace xd
