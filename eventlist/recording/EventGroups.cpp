#include "eventlist/recording/EventGroups.h"

#include <string_view>

#include "eventlist/KeyEvent.h"

namespace xd {
namespace {

std::string Named(std::int32_t number, std::string_view label, std::string_view suffix) {
    std::string name = std::to_string(number);
    name += label;
    name += suffix;
    return name;
}

std::string Position(const RecordedEvent& ev) { return std::to_string(ev.x) + "," + std::to_string(ev.y); }

struct ButtonKind {
    std::int32_t down;
    std::int32_t up;
    std::string_view clickLabel;
    std::string_view dragLabel;
    std::uint32_t clickColour;
};

constexpr ButtonKind kButtons[] = {
    {evmsg::kLeftDown, evmsg::kLeftUp, "：单击左键_", "：左键拖动_", groupcolour::kLeftClick},
    {evmsg::kRightDown, evmsg::kRightUp, "：单击右键_", "：右键拖动_", groupcolour::kRightClick},
    {evmsg::kMiddleDown, evmsg::kMiddleUp, "：单击中键_", "：中键拖动_", groupcolour::kMiddleClick},
};

// A button group: a click when the up comes second, a drag through moves.
bool ExtendButtonGroup(EventLine& line, const ButtonKind& kind, const std::vector<RecordedEvent>& events,
                       std::int32_t e) {
    const RecordedEvent& ev = events[static_cast<std::size_t>(e)];
    if (ev.message == kind.up) {
        ++line.eventCount;
        if (line.eventCount == 2) {
            line.name = Named(line.number, kind.clickLabel, Position(events[static_cast<std::size_t>(line.firstEvent)]));
            line.colour = kind.clickColour;
        } else {
            line.name = Named(line.number, kind.dragLabel, std::to_string(line.eventCount));
        }
        return true;
    }
    const std::int32_t lastOfGroup = line.firstEvent + line.eventCount - 1;
    if (ev.message == evmsg::kMove && events[static_cast<std::size_t>(lastOfGroup)].message != kind.up) {
        ++line.eventCount;
        line.name = Named(line.number, kind.dragLabel, std::to_string(line.eventCount));
        line.colour = groupcolour::kDrag;
        return true;
    }
    return false;
}

bool ExtendRun(EventLine& line, std::int32_t first, std::int32_t message) {
    std::string_view label;
    std::uint32_t colour = 0;
    if (first == evmsg::kMove && message == evmsg::kMove) {
        label = "：移动鼠标_";
        colour = groupcolour::kMoves;
    } else if (first == evmsg::kWheel && message == evmsg::kWheel) {
        label = "：上下滚轮_";
        colour = groupcolour::kWheel;
    } else if (first == evmsg::kHWheel && message == evmsg::kHWheel) {
        label = "：左右滚轮_";
        colour = groupcolour::kWheel;
    } else {
        return false;
    }
    ++line.eventCount;
    line.name = Named(line.number, label, std::to_string(line.eventCount));
    line.colour = colour;
    return true;
}

// Only a closed group line that ends right before e can take it; an open group
// (its member lines below) is never extended, so lines and members stay in step.
bool Extend(EventGroups& groups, const std::vector<RecordedEvent>& events, std::int32_t e) {
    if (groups.lines.empty() || e == 0) return false;
    EventLine& line = groups.lines.back();
    if (line.IsMember() || line.isOpen || line.firstEvent + line.eventCount != e) return false;
    if (IsKeyMessage(events[static_cast<std::size_t>(e)].message))
        return ExtendKeyGroup(line, groups.keys, events, e);
    const std::int32_t first = events[static_cast<std::size_t>(line.firstEvent)].message;
    for (const ButtonKind& kind : kButtons) {
        if (first == kind.down) return ExtendButtonGroup(line, kind, events, e);
    }
    return ExtendRun(line, first, events[static_cast<std::size_t>(e)].message);
}

}  // namespace

bool GroupEventInto(EventGroups& groups, const std::vector<RecordedEvent>& events, std::int32_t e) {
    if (e < 0 || static_cast<std::size_t>(e) >= events.size()) return false;
    if (Extend(groups, events, e)) return false;
    EventLine line;
    line.firstEvent = e;
    line.eventCount = 1;
    line.number = groups.nextNumber++;
    StartLine(line, groups.keys, events[static_cast<std::size_t>(e)]);
    groups.lines.push_back(std::move(line));
    return true;
}

void GroupEvent(EventGroups& groups, const std::vector<RecordedEvent>& events, std::int32_t e, IEventListView& view,
                bool recording) {
    if (!GroupEventInto(groups, events, e)) return;
    view.AppendItems(1);
    if (recording) view.Select(static_cast<int>(groups.lines.size()) - 1);
}

void ClearGroups(EventGroups& groups, IEventListView& view) {
    groups.lines.clear();
    groups.nextNumber = 1;
    groups.keys = {};
    view.DeleteAllItems();
}

void RebuildGroups(EventGroups& groups, const std::vector<RecordedEvent>& events, IEventListView& view) {
    view.SuspendRedraw();
    view.DeleteAllItems();
    groups.lines.clear();
    groups.nextNumber = 1;
    groups.keys = {};
    const auto count = static_cast<std::int32_t>(events.size());
    for (std::int32_t e = 0; e < count; ++e) GroupEventInto(groups, events, e);
    // One call for all placeholders: the Windows list reserves its storage once.
    if (!groups.lines.empty()) view.AppendItems(static_cast<int>(groups.lines.size()));
    view.ResumeRedraw();
}

std::int32_t GroupLineOf(const EventGroups& groups, std::int32_t line) {
    if (line < 0 || static_cast<std::size_t>(line) >= groups.lines.size()) return -1;
    while (line > 0 && groups.lines[static_cast<std::size_t>(line)].IsMember()) --line;
    return line;
}

void OpenGroup(EventGroups& groups, std::int32_t line, IEventListView& view) {
    if (line < 0 || static_cast<std::size_t>(line) >= groups.lines.size()) return;
    EventLine& group = groups.lines[static_cast<std::size_t>(line)];
    if (group.eventCount < 2 || group.isOpen) return;
    group.isOpen = true;
    std::vector<EventLine> members(static_cast<std::size_t>(group.eventCount));
    for (std::int32_t k = 1; k <= group.eventCount; ++k) {
        EventLine& m = members[static_cast<std::size_t>(k - 1)];
        m.eventCount = 0;
        m.firstEvent = group.firstEvent + k - 1;
        m.number = k;
    }
    const int count = group.eventCount;
    groups.lines.insert(groups.lines.begin() + line + 1, members.begin(), members.end());
    view.InsertItems(line + 1, count);
}

void CloseGroup(EventGroups& groups, std::int32_t line, IEventListView& view) {
    if (line < 0 || static_cast<std::size_t>(line) >= groups.lines.size()) return;
    EventLine& group = groups.lines[static_cast<std::size_t>(line)];
    if (group.eventCount < 2 || !group.isOpen) return;
    group.isOpen = false;
    // The member lines actually present (an insert may have added one).
    std::int32_t end = line + 1;
    while (static_cast<std::size_t>(end) < groups.lines.size() && groups.lines[static_cast<std::size_t>(end)].IsMember())
        ++end;
    groups.lines.erase(groups.lines.begin() + line + 1, groups.lines.begin() + end);
    if (end > line + 1) view.DeleteItems(line + 1, end - line - 1);
}

void ToggleGroup(EventGroups& groups, std::int32_t line, IEventListView& view) {
    if (line < 0 || static_cast<std::size_t>(line) >= groups.lines.size()) return;
    const EventLine& group = groups.lines[static_cast<std::size_t>(line)];
    if (group.eventCount < 2) return;
    view.SuspendRedraw();
    if (group.isOpen) {
        CloseGroup(groups, line, view);
    } else {
        OpenGroup(groups, line, view);
    }
    view.ResumeRedraw();
}

void CloseAllGroups(EventGroups& groups, IEventListView& view) {
    bool any = false;
    for (const EventLine& l : groups.lines) any = any || l.isOpen;
    if (!any) return;
    view.SuspendRedraw();
    for (std::int32_t i = static_cast<std::int32_t>(groups.lines.size()) - 1; i >= 0; --i) {
        if (groups.lines[static_cast<std::size_t>(i)].isOpen) CloseGroup(groups, i, view);
    }
    view.ResumeRedraw();
}

}  // namespace xd
