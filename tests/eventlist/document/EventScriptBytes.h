// Builds event-list script files byte by byte, independently of the encoder, so
// tests can state a file exactly.
#pragma once
#include <cstdint>
#include <string>

namespace xd::test {

inline const std::string kMagicBytes =
    "\xE1\xB0\xE9\xC5\xD1\xB8\xB5\xE3\xD0\xA1\xCF\xC0\xBD\xC5\xB1\xBE\xCE\xC4\xBC\xFE";

inline std::string Word(std::int64_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    return bytes;
}

inline std::string Halves(std::int32_t high, std::int32_t low) {
    return Word((static_cast<std::uint32_t>(high) << 16) | (static_cast<std::uint32_t>(low) & 0xFFFF));
}

inline std::string Header(std::int32_t version, std::int32_t count, std::int32_t repeat = 0, std::int32_t speed = 0,
                          std::int32_t options = 113) {
    return kMagicBytes + Word(version) + Word(count) + Word(repeat) + Word(speed) + Word(options) +
           std::string(20, '\0');
}

struct RecordWords {
    std::int32_t x = 0, y = 0;
    std::int32_t title = 0, windowClass = 0, path = 0, same = 0;
    std::int32_t offsetX = 0, offsetY = 0, message = 0x201, keyFlags = 0, delay = 0;
};

inline std::string Record(const RecordWords& r) {
    return Halves(r.x, r.y) + Halves(r.title, r.windowClass) + Halves(r.path, r.same) + Word(r.offsetX) +
           Word(r.offsetY) + Word(r.message) + Word(r.keyFlags) + Word(r.delay);
}

inline std::string Zeros(std::size_t n) { return std::string(n, '\0'); }

}  // namespace xd::test
