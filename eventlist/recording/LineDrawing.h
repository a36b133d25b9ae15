// What one line of the owner-drawn event list looks like, from its record alone;
// the window answers each draw request with these facts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "eventlist/EventLine.h"
#include "eventlist/RecordedEvent.h"

namespace xd {

struct LineDrawFacts {
    std::string text;             // UTF-8
    int indentUnits = 1;          // group lines 1, member lines 10 (DPI-scaled by the window)
    bool highlighted = false;     // selected: system highlight fill and highlight-text colour
    std::uint32_t colour = 0;     // 0x00BBGGRR on the window colour when not highlighted
    friend bool operator==(const LineDrawFacts&, const LineDrawFacts&) = default;
};

[[nodiscard]] LineDrawFacts DrawEventLine(const EventLine& line, const std::vector<RecordedEvent>& events,
                                          bool selected);

}  // namespace xd
