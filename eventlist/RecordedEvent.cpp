#include "eventlist/RecordedEvent.h"

#include "eventlist/KeyEvent.h"

namespace xd {

std::string_view EventDescription(std::int32_t message, std::int32_t keyFlags) noexcept {
    switch (message) {
        case evmsg::kMove: return "移动";
        case evmsg::kLeftDown: return "按下左键";
        case evmsg::kLeftUp: return "释放左键";
        case evmsg::kRightDown: return "按下右键";
        case evmsg::kRightUp: return "释放右键";
        case evmsg::kMiddleDown: return "按下中键";
        case evmsg::kMiddleUp: return "释放中键";
        case evmsg::kWheel: return WheelDelta(keyFlags) >= 0 ? "向前滚轮" : "向后滚轮";
        case evmsg::kHWheel: return WheelDelta(keyFlags) >= 0 ? "向右滚轮" : "向左滚轮";
        default: return "";
    }
}

std::string EventDisplayText(const RecordedEvent& event) {
    const std::string description = IsKeyMessage(event.message)
                                        ? KeyEventDescription(event.message, event.keyFlags)
                                        : std::string(EventDescription(event.message, event.keyFlags));
    return description + "," + std::to_string(event.x) + "," +
           std::to_string(event.y);
}

}  // namespace xd
