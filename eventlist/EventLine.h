// One line of the event list: a group of consecutive events forming one gesture,
// or, while its group is open, one member event.
#pragma once
#include <cstdint>
#include <string>

namespace xd {

struct EventLine {
    std::string name;              // empty until the group has two events
    std::int32_t firstEvent = 0;   // index into the event list
    std::int32_t eventCount = 1;   // events of a group line; 0 marks a member line
    std::uint32_t colour = 0;      // 0x00BBGGRR, set when the group reaches two events
    std::int32_t number = 0;       // group number, or 1-based position in the group
    bool isOpen = false;           // member lines are shown below it
    [[nodiscard]] bool IsMember() const noexcept { return eventCount == 0; }
};

}  // namespace xd
