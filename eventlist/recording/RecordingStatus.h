// The status line while recording, one arrow frame per 100 ms tick.
#pragma once
#include <cstddef>
#include <string>

namespace xd {

inline constexpr int kStatusFrames = 8;

// "录制鼠标操作中..12，按【F3】或 Esc 键停止.↗"; frame 0..7 picks the arrow.
[[nodiscard]] std::string RecordingStatusText(std::size_t eventCount, int recordKey, int frame);
[[nodiscard]] constexpr int NextStatusFrame(int frame) noexcept { return (frame + 1) % kStatusFrames; }

}  // namespace xd
