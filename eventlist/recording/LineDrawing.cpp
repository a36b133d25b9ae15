#include "eventlist/recording/LineDrawing.h"

#include "eventlist/KeyEvent.h"
#include "eventlist/recording/KeyGroups.h"

namespace xd {

LineDrawFacts DrawEventLine(const EventLine& line, const std::vector<RecordedEvent>& events, bool selected) {
    LineDrawFacts facts;
    facts.highlighted = selected;
    facts.colour = line.eventCount > 1 ? line.colour : 0;
    // A key event stands out from mouse events on a line of its own too.
    if (line.eventCount <= 1 && line.firstEvent >= 0 && static_cast<std::size_t>(line.firstEvent) < events.size() &&
        IsKeyMessage(events[static_cast<std::size_t>(line.firstEvent)].message))
        facts.colour = groupcolour::kKeys;
    facts.indentUnits = line.IsMember() ? 10 : 1;
    if (line.eventCount >= 2) {
        facts.text = line.name;
        return facts;
    }
    facts.text = std::to_string(line.number) + "：";
    if (line.firstEvent >= 0 && static_cast<std::size_t>(line.firstEvent) < events.size()) {
        facts.text += events[static_cast<std::size_t>(line.firstEvent)].displayText;
    }
    return facts;
}

}  // namespace xd
