// Millisecond stamps from the 32-bit tick counter; differences wrap like the counter does.
#pragma once
#include <cstdint>

namespace xd {

inline std::uint32_t TickDiff(std::uint32_t later, std::uint32_t earlier) { return later - earlier; }

// The same difference read as signed: negative when "later" is in fact earlier.
inline std::int32_t SignedTickDiff(std::uint32_t later, std::uint32_t earlier) {
    return static_cast<std::int32_t>(later - earlier);
}

}  // namespace xd
