#include "eventlist/recording/RecordingStatus.h"

#include <array>
#include <string_view>

namespace xd {

std::string RecordingStatusText(std::size_t eventCount, int recordKey, int frame) {
    static constexpr std::array<std::string_view, kStatusFrames> kArrows = {"↖", "↑", "↗", "→",
                                                                             "↘", "↓", "↙", "←"};
    const int f = ((frame % kStatusFrames) + kStatusFrames) % kStatusFrames;
    std::string text = "录制鼠标操作中..";
    text += std::to_string(eventCount);
    text += "，按【F";
    text += std::to_string(recordKey - 111);
    text += "】或 Esc 键停止.";
    text += kArrows[static_cast<std::size_t>(f)];
    return text;
}

}  // namespace xd
