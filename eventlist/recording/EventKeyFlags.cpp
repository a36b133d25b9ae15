#include "eventlist/recording/EventKeyFlags.h"

#include "eventlist/RecordedEvent.h"

namespace xd {
namespace {

constexpr int kVkLButton = 0x01;
constexpr int kVkRButton = 0x02;
constexpr int kVkMButton = 0x04;
constexpr int kVkShift = 0x10;
constexpr int kVkControl = 0x11;

}  // namespace

std::int32_t EventKeyFlags(std::int32_t message, std::uint32_t mouseData, const HeldInput& held) noexcept {
    std::int32_t flags = 0;
    if (held.ctrl) flags |= evflag::kCtrl;
    if (held.shift) flags |= evflag::kShift;
    const std::int32_t left = held.left ? evflag::kLeft : 0;
    const std::int32_t right = held.right ? evflag::kRight : 0;
    const std::int32_t middle = held.middle ? evflag::kMiddle : 0;
    switch (message) {
        case evmsg::kLeftDown: return flags | evflag::kLeft | right | middle;
        case evmsg::kRightDown: return flags | evflag::kRight | left | middle;
        case evmsg::kMiddleDown: return flags | evflag::kMiddle | left | right;
        case evmsg::kLeftUp: return flags | right | middle;
        case evmsg::kRightUp: return flags | left | middle;
        case evmsg::kMiddleUp: return flags | left | right;
        case evmsg::kWheel:
        case evmsg::kHWheel:
            return static_cast<std::int32_t>((mouseData & 0xFFFF0000u) |
                                             static_cast<std::uint32_t>(flags | left | right | middle));
        default: return flags | left | right | middle;
    }
}

HeldInput ReadHeldInput(const std::function<std::int16_t(int virtualKey)>& keyState) {
    auto down = [&](int vk) { return (static_cast<std::uint16_t>(keyState(vk)) & 0x8000u) != 0; };
    return HeldInput{down(kVkControl), down(kVkShift), down(kVkLButton), down(kVkRButton), down(kVkMButton)};
}

}  // namespace xd
