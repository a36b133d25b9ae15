// The event list shown as lines: consecutive events of one gesture folded into a
// named group line, which a double-click opens into one member line per event.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "eventlist/EventLine.h"
#include "eventlist/RecordedEvent.h"
#include "eventlist/recording/EventListView.h"
#include "eventlist/recording/KeyGroups.h"

namespace xd {

namespace groupcolour {
constexpr std::uint32_t kLeftClick = 0xFF0000;
constexpr std::uint32_t kRightClick = 0xFF6200;
constexpr std::uint32_t kMiddleClick = 0xFF006C;
constexpr std::uint32_t kDrag = 0xB400B0;
constexpr std::uint32_t kMoves = 0x008C00;
constexpr std::uint32_t kWheel = 0x5FA0FF;
}  // namespace groupcolour

struct EventGroups {
    std::vector<EventLine> lines;  // list line i is drawn from lines[i]
    std::int32_t nextNumber = 1;   // the number the next group line gets
    KeyGroupState keys;            // what the next key event may join
};

// Folds event e (the newest of `events`) into the last line or starts a new one;
// true when a line was appended (the caller adds its placeholder item).
bool GroupEventInto(EventGroups& groups, const std::vector<RecordedEvent>& events, std::int32_t e);

// GroupEventInto plus the list item; while recording the new line is selected so
// that it stays in view.
void GroupEvent(EventGroups& groups, const std::vector<RecordedEvent>& events, std::int32_t e, IEventListView& view,
                bool recording);

// Lines and items gone, numbering back to 1.
void ClearGroups(EventGroups& groups, IEventListView& view);

// Regroups every event from scratch, all groups closed, with drawing suspended.
void RebuildGroups(EventGroups& groups, const std::vector<RecordedEvent>& events, IEventListView& view);

// The double-click: opens or closes a group of two or more; nothing for other lines.
void ToggleGroup(EventGroups& groups, std::int32_t line, IEventListView& view);
void OpenGroup(EventGroups& groups, std::int32_t line, IEventListView& view);
void CloseGroup(EventGroups& groups, std::int32_t line, IEventListView& view);
void CloseAllGroups(EventGroups& groups, IEventListView& view);

// The group line a line belongs to (itself for a group line); -1 when out of range.
[[nodiscard]] std::int32_t GroupLineOf(const EventGroups& groups, std::int32_t line);

}  // namespace xd
