// The event list's commands: selection details, the kind options, flag boxes and
// delay box of a single event, delete and insert. Editing does nothing while
// recording or playing, or without a selection.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "eventlist/RecordedEvent.h"
#include "eventlist/recording/EventGroups.h"
#include "eventlist/recording/EventListView.h"
#include "eventlist/recording/EventOptions.h"
#include "eventlist/recording/EventRecorder.h"
#include "platform/CodePage.h"
#include "platform/MessageBoxes.h"
#include "platform/WindowSystem.h"

namespace xd {

struct EventEditContext {
    IWindowSystem& windows;
    ICodePage& codePage;
    std::vector<RecordedEvent>& events;
    EventGroups& groups;
    const EventOptions& options;
    IEventListView& view;
    IEventDocument& document;
    IEventMainWindow& mainWindow;
    IMessageBoxes& boxes;
    const EventRecorder& recorder;
};

// The kind option an event shows (wheel events by the sign of their delta); -1 for none.
[[nodiscard]] int KindOptionOf(const RecordedEvent& event) noexcept;
// The message and, for the wheel options, the delta an option stands for.
struct KindOptionValue {
    std::int32_t message = 0;
    std::int32_t wheelDelta = 0;  // 0 for the button and move options
};
[[nodiscard]] KindOptionValue KindOptionValueOf(EventKindOption option) noexcept;

// The detail controls for a line (pure: no window search, no hint window).
[[nodiscard]] EventDetails MakeEventDetails(const EventLine& line, const RecordedEvent& event, ICodePage& codePage);

// Where the selection is marked: the click effect there, the hint one pixel right and down.
[[nodiscard]] Point SelectionMarkPoint(IWindowSystem& windows, const RecordedEvent& event, bool backgroundMode);

// The list's selection changed (to view.Selection()).
void OnEventSelectionChanged(EventEditContext& c);
// The list's double-click.
void OnEventListDoubleClick(EventEditContext& c, std::int32_t line);
void ChooseKindOption(EventEditContext& c, EventKindOption option);
// The five boxes' bits (1, 2, 0x10, 8, 4) replace the low half of keyFlags.
void SetFlagBoxes(EventEditContext& c, std::int32_t lowFlags);
// Any edit of the detail text boxes stores the delay box's number.
void SetDelayText(EventEditContext& c, std::string_view delayBoxText);
void DeleteSelectedLine(EventEditContext& c);
void InsertOneEvent(EventEditContext& c);

}  // namespace xd
