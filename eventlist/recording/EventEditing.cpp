#include "eventlist/recording/EventEditing.h"

#include <algorithm>

#include "documents/ProfileValues.h"
#include "eventlist/KeyEvent.h"

namespace xd {
namespace {

constexpr std::int32_t kWheelNotch = 120;

struct OptionEntry {
    std::int32_t message;
    std::int32_t delta;
};
constexpr OptionEntry kOptions[kEventKindOptionCount] = {
    {evmsg::kLeftDown, 0},         {evmsg::kLeftUp, 0},          {evmsg::kMiddleDown, 0},
    {evmsg::kMiddleUp, 0},         {evmsg::kRightDown, 0},       {evmsg::kRightUp, 0},
    {evmsg::kMove, 0},             {evmsg::kWheel, kWheelNotch}, {evmsg::kWheel, -kWheelNotch},
    {evmsg::kHWheel, -kWheelNotch}, {evmsg::kHWheel, kWheelNotch},
};

bool Busy(const EventEditContext& c) { return c.recorder.Recording() || c.mainWindow.IsPlaying(); }

// The selected line, or -1 when there is none (or it is out of step with the records).
std::int32_t SelectedLine(EventEditContext& c) {
    const int sel = c.view.Selection();
    if (sel < 0 || static_cast<std::size_t>(sel) >= c.groups.lines.size()) return -1;
    return sel;
}

RecordedEvent* FirstEventOf(EventEditContext& c, std::int32_t line) {
    const std::int32_t e = c.groups.lines[static_cast<std::size_t>(line)].firstEvent;
    if (e < 0 || static_cast<std::size_t>(e) >= c.events.size()) return nullptr;
    return &c.events[static_cast<std::size_t>(e)];
}

// The event of a selected single-event line (group of one or member), for the editors.
RecordedEvent* SelectedSingleEvent(EventEditContext& c) {
    if (Busy(c)) return nullptr;
    const std::int32_t line = SelectedLine(c);
    if (line < 0 || c.groups.lines[static_cast<std::size_t>(line)].eventCount >= 2) return nullptr;
    return FirstEventOf(c, line);
}

std::string Utf8Text(ICodePage& codePage, const std::string& stored) {
    // The stored value ends in zero bytes; the text box shows what comes before.
    return codePage.AnsiToUtf8(std::string_view(stored).substr(0, stored.find('\0')));
}

std::string XY(std::int32_t x, std::int32_t y) { return "X=" + std::to_string(x) + ",Y=" + std::to_string(y); }

void ShowNoSelection(EventEditContext& c) {
    c.mainWindow.CloseHintWindow();
    c.view.EnableDelete(false);
    c.view.EnableInsert(false);
    c.view.HideDetails();
}

}  // namespace

int KindOptionOf(const RecordedEvent& event) noexcept {
    const bool forward = WheelDelta(event.keyFlags) >= 0;
    switch (event.message) {
        case evmsg::kWheel: return static_cast<int>(forward ? EventKindOption::WheelForward : EventKindOption::WheelBackward);
        case evmsg::kHWheel: return static_cast<int>(forward ? EventKindOption::WheelRight : EventKindOption::WheelLeft);
        default: break;
    }
    for (int i = 0; i < static_cast<int>(EventKindOption::WheelForward); ++i) {
        if (kOptions[i].message == event.message) return i;
    }
    return -1;
}

KindOptionValue KindOptionValueOf(EventKindOption option) noexcept {
    const auto i = static_cast<int>(option);
    if (i < 0 || i >= kEventKindOptionCount) return {};
    return KindOptionValue{kOptions[i].message, kOptions[i].delta};
}

EventDetails MakeEventDetails(const EventLine& line, const RecordedEvent& event, ICodePage& codePage) {
    EventDetails d;
    d.title = Utf8Text(codePage, event.windowTitle);
    d.className = Utf8Text(codePage, event.windowClass);
    d.screenPosition = XY(event.x, event.y);
    // A key event keeps its typed text where a mouse event keeps the point in its window.
    const bool key = IsKeyMessage(event.message);
    if (!key) d.windowPosition = XY(HighHalf(event.offsetX), HighHalf(event.offsetY));
    d.deleteEnabled = true;
    if (line.eventCount >= 2) {
        d.group = true;
        d.note = "这是脚本组，双击可以打开或关闭脚本项";
        return d;
    }
    d.kindOption = KindOptionOf(event);
    d.flags = key ? 0 : event.keyFlags & 0xFFFF;
    d.delayMs = event.delayMs;
    d.insertEnabled = line.IsMember();
    return d;
}

Point SelectionMarkPoint(IWindowSystem& windows, const RecordedEvent& event, bool backgroundMode) {
    if (backgroundMode && !IsKeyMessage(event.message) && event.window != kNoWindow && windows.IsWindow(event.window)) {
        const Rect r = windows.WindowRect(event.window);
        return Point{r.left + LowHalf(event.offsetX), r.top + LowHalf(event.offsetY)};
    }
    return Point{event.x, event.y};
}

void OnEventSelectionChanged(EventEditContext& c) {
    const std::int32_t line = SelectedLine(c);
    RecordedEvent* ev = line < 0 ? nullptr : FirstEventOf(c, line);
    if (!ev) {
        ShowNoSelection(c);
        return;
    }
    const EventDetails details = MakeEventDetails(c.groups.lines[static_cast<std::size_t>(line)], *ev, c.codePage);
    const bool background = c.mainWindow.BackgroundMode();
    if (background && (ev->window == kNoWindow || !c.windows.IsWindow(ev->window))) {
        ev->window = c.mainWindow.FindEventWindow(*ev);
    }
    const Point mark = SelectionMarkPoint(c.windows, *ev, background);
    c.mainWindow.ShowHintWindow(Point{mark.x + 1, mark.y + 1});
    c.mainWindow.ShowClickEffect(mark, msg::kLButtonDown);
    c.view.ShowDetails(details);
    c.view.EnableDelete(details.deleteEnabled);
    c.view.EnableInsert(details.insertEnabled);
}

void OnEventListDoubleClick(EventEditContext& c, std::int32_t line) {
    if (Busy(c)) return;
    ToggleGroup(c.groups, line, c.view);
}

void ChooseKindOption(EventEditContext& c, EventKindOption option) {
    RecordedEvent* ev = SelectedSingleEvent(c);
    if (!ev) return;
    const KindOptionValue v = KindOptionValueOf(option);
    if (v.message == 0) return;
    // A key becoming a mouse event keeps no key fields or text: they would read as buttons and a point.
    if (IsKeyMessage(ev->message)) {
        ev->keyFlags = 0;
        ev->offsetX = 0;
        ev->offsetY = 0;
    }
    ev->message = v.message;
    if (v.wheelDelta != 0) {
        ev->keyFlags = static_cast<std::int32_t>((static_cast<std::uint32_t>(v.wheelDelta) << 16) |
                                                 (static_cast<std::uint32_t>(ev->keyFlags) & 0xFFFFu));
    }
    ev->displayText = EventDisplayText(*ev);
    c.view.Redraw();
    c.document.MarkEventListModified();
}

void SetFlagBoxes(EventEditContext& c, std::int32_t lowFlags) {
    RecordedEvent* ev = SelectedSingleEvent(c);
    if (!ev || IsKeyMessage(ev->message)) return;
    ev->keyFlags = static_cast<std::int32_t>((static_cast<std::uint32_t>(ev->keyFlags) & 0xFFFF0000u) |
                                             (static_cast<std::uint32_t>(lowFlags) & 0xFFFFu));
    c.document.MarkEventListModified();
}

void SetDelayText(EventEditContext& c, std::string_view delayBoxText) {
    RecordedEvent* ev = SelectedSingleEvent(c);
    if (!ev) return;
    ev->delayMs = ParseProfileInt(delayBoxText);
    c.document.MarkEventListModified();
}

void DeleteSelectedLine(EventEditContext& c) {
    if (Busy(c)) return;
    const std::int32_t line = SelectedLine(c);
    if (line < 0) return;
    if (c.options.confirmDelete &&
        c.boxes.Show(c.mainWindow.Handle(), "你真的要删除这记录吗？\r\n删除后无法恢复。", "迅点小侠",
                     mb::kYesNo | mb::kIconQuestion | mb::kDefButton2) != id::kYes) {
        return;
    }
    const EventLine& l = c.groups.lines[static_cast<std::size_t>(line)];
    const auto size = static_cast<std::int32_t>(c.events.size());
    const std::int32_t first = std::clamp(l.firstEvent, 0, size);
    const std::int32_t count = std::clamp(l.IsMember() ? 1 : l.eventCount, 0, size - first);
    c.events.erase(c.events.begin() + first, c.events.begin() + first + count);
    c.view.HideDetails();
    RebuildGroups(c.groups, c.events, c.view);
    ShowNoSelection(c);
    c.document.MarkEventListModified();
}

void InsertOneEvent(EventEditContext& c) {
    if (Busy(c)) return;
    const std::int32_t line = SelectedLine(c);
    if (line < 0 || !c.groups.lines[static_cast<std::size_t>(line)].IsMember()) return;
    const std::int32_t groupLine = GroupLineOf(c.groups, line);
    if (groupLine < 0 || c.groups.lines[static_cast<std::size_t>(groupLine)].IsMember()) return;
    const std::int32_t e = c.groups.lines[static_cast<std::size_t>(line)].firstEvent;
    if (e < 0 || static_cast<std::size_t>(e) >= c.events.size()) return;

    const RecordedEvent copy = c.events[static_cast<std::size_t>(e)];
    c.events.insert(c.events.begin() + e + 1, copy);
    auto& lines = c.groups.lines;
    bool inGroup = true;
    for (std::size_t i = static_cast<std::size_t>(line) + 1; i < lines.size(); ++i) {
        ++lines[i].firstEvent;
        // The members after the copy move one place down within their group.
        if (inGroup && lines[i].IsMember()) {
            ++lines[i].number;
        } else {
            inGroup = false;
        }
    }
    EventLine member;
    member.eventCount = 0;
    member.firstEvent = e + 1;
    member.number = lines[static_cast<std::size_t>(line)].number + 1;
    lines.insert(lines.begin() + line + 1, member);
    c.view.InsertItems(line + 1, 1);

    EventLine& group = lines[static_cast<std::size_t>(groupLine)];
    ++group.eventCount;
    // A key group keeps its name: the keys it names are what the copy repeats, not a count.
    const std::size_t cut = group.name.rfind('_');
    if (!IsKeyMessage(copy.message))
        group.name = (cut == std::string::npos ? group.name : group.name.substr(0, cut + 1)) +
                     std::to_string(group.eventCount);
    c.view.Redraw();
    c.document.MarkEventListModified();
}

}  // namespace xd
