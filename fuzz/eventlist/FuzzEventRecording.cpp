// Any stream of mouse and key events, pointer places, window and process changes,
// key states and delays goes through the recorder's hooks and the grouping, mixed
// with opening, closing, deleting, inserting and editing lines. After every step
// the lines must cover the event list exactly once and agree with the list control,
// and no key event is a hotkey or Esc.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <vector>

#include "eventlist/KeyEvent.h"
#include "eventlist/recording/EventEditing.h"
#include "eventlist/recording/EventHooks.h"
#include "eventlist/recording/HintDrag.h"
#include "eventlist/recording/LineDrawing.h"
#include "platform/sim/SimPlatform.h"
#include "tests/support/EventListFakes.h"

namespace {

using namespace xd;

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Done() const { return pos_ >= size_; }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | (Byte() << 8)); }
    std::uint32_t Long() { return static_cast<std::uint32_t>(Word()) | (static_cast<std::uint32_t>(Word()) << 16); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void Check(bool ok, const char* what) {
    if (!ok) Fail(what);
}

void CheckCover(const std::vector<RecordedEvent>& events, const EventGroups& groups, const test::FakeEventListView& view) {
    Check(view.items == static_cast<int>(groups.lines.size()), "list items match the line records");
    Check(view.misuse == 0, "list item calls in range");
    Check(view.suspended == 0, "drawing resumed");
    std::int64_t next = 0;
    std::size_t i = 0;
    const auto& lines = groups.lines;
    while (i < lines.size()) {
        const EventLine& g = lines[i];
        Check(!g.IsMember(), "a member line follows its group line");
        Check(g.eventCount >= 1, "group lines count their events");
        Check(g.firstEvent == next, "groups are contiguous");
        Check(g.eventCount >= 2 || !g.isOpen, "only groups of two or more open");
        Check((g.eventCount >= 2) == !g.name.empty(), "groups of two or more are named");
        next += g.eventCount;
        ++i;
        std::int32_t members = 0;
        while (i < lines.size() && lines[i].IsMember()) {
            ++members;
            Check(g.isOpen, "members only under an open group");
            Check(lines[i].number == members, "members are numbered from 1");
            Check(lines[i].firstEvent == g.firstEvent + members - 1, "members show their group's events in order");
            ++i;
        }
        Check(!g.isOpen || members == g.eventCount, "an open group shows all its events");
    }
    Check(next == static_cast<std::int64_t>(events.size()), "groups cover the whole list");
    for (const EventLine& l : lines) static_cast<void>(DrawEventLine(l, events, false));
}

constexpr std::uint32_t kMessages[] = {0x200, 0x201, 0x202, 0x204, 0x205, 0x207,
                                       0x208, 0x20A, 0x20E, 0x20B, 0x20C, 0x203};
constexpr int kKeys[] = {0x01, 0x02, 0x04, 0x10, 0x11};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sim::SimPlatform sim;
    std::vector<RecordedEvent> events;
    EventGroups groups;
    EventOptions options;
    test::FakeEventListView view;
    test::FakeEventDocument document{events};
    test::FakeEventMainWindow mainWindow;
    EventRecorder recorder{
        EventRecorderContext{sim.desktop, sim.clock, sim.codePage, events, groups, options, view, document, mainWindow}};
    EventEditContext edit{sim.desktop, sim.codePage, events, groups, options, view,
                          document,    mainWindow,   sim.boxes, recorder};

    sim.desktop.SetCurrentProcessId(1);
    mainWindow.handle = sim.desktop.AddWindow({.processId = 1, .rect = {0, 0, 100, 60}, .title = "迅点小侠"});
    std::vector<WindowHandle> windows{mainWindow.handle};
    windows.push_back(sim.desktop.AddWindow({.processId = 200, .rect = {100, 100, 500, 400}, .title = "记事本"}));
    windows.push_back(sim.desktop.AddWindow({.parent = windows[1], .processId = 200, .rect = {100, 100, 300, 400}}));
    windows.push_back(sim.desktop.AddWindow({.parent = windows[1], .processId = 200, .rect = {300, 100, 500, 400}}));
    windows.push_back(sim.desktop.AddWindow({.processId = 300, .rect = {400, 300, 900, 700}, .title = "画图"}));
    sim.boxes.SetDefaultAnswer(id::kYes);
    sim.hooks.InstallMouseHook([&](int code, const LowLevelMouseEvent& e, std::uintptr_t) {
        RunEventMouseHook(recorder, code, e);
    });
    sim.hooks.InstallKeyboardHook([&](const LowLevelKeyEvent& e) { RunEventKeyboardHook(recorder, e); });

    Input in(data, size);
    int steps = 0;
    while (!in.Done() && ++steps < 4000) {
        const std::uint8_t op = in.Byte();
        switch (op % 20) {
            case 0: case 1: case 2: case 3: case 4: case 5: {  // a mouse event
                LowLevelMouseEvent e;
                e.message = kMessages[in.Byte() % std::size(kMessages)];
                e.point = Point{static_cast<std::int16_t>(in.Word()) % 1000, static_cast<std::int16_t>(in.Word()) % 800};
                e.mouseData = in.Long();
                sim.hooks.DeliverMouse(e);
                break;
            }
            case 6: sim.clock.Advance(in.Word()); break;
            case 7: sim.desktop.SetKeyState(kKeys[in.Byte() % std::size(kKeys)], static_cast<std::int16_t>(in.Word())); break;
            case 8: {  // a key: hotkeys, Esc, others, by hand or injected, with or without Alt
                const std::uint8_t k = in.Byte();
                const std::uint8_t how = in.Byte();
                const std::uint32_t vk = k % 3 == 0 ? 27u : k % 3 == 1 ? 112u + k % 12u : in.Byte();
                constexpr std::uint32_t kKeyMessages[] = {msg::kKeyDown, msg::kKeyUp, msg::kSysKeyDown, msg::kSysKeyUp};
                const std::uint32_t flags = (how & 0x10) | (how & 0x01);  // injected, extended
                sim.hooks.DeliverKey(LowLevelKeyEvent{how % 8 == 2 ? 1 : 0, kKeyMessages[(how >> 5) % 4], vk,
                                                      in.Byte(), flags, 0});
                break;
            }
            case 9: recorder.ToggleEventRecording(in.Byte() % 2 == 0); break;
            case 10: {  // windows change owner process, title or go away
                const WindowHandle w = windows[in.Byte() % windows.size()];
                switch (in.Byte() % 4) {
                    case 0: static_cast<void>(sim.desktop.SetProcessAndThread(w, in.Byte() % 2 ? 1 : 300, 5)); break;
                    case 1: static_cast<void>(sim.desktop.SetTitle(w, std::to_string(in.Byte()))); break;
                    case 2:  // where keys go
                        sim.desktop.SetFocus(w);
                        sim.desktop.SetForegroundWindow(windows[in.Byte() % windows.size()]);
                        break;
                    default: static_cast<void>(sim.desktop.DestroyWindow(w)); break;
                }
                break;
            }
            case 11: {
                const std::uint8_t o = in.Byte();
                options.noMoves = o & 1;
                options.dedicatedMode = o & 2;
                options.deleteLast = o & 4;
                options.confirmDelete = o & 8;
                mainWindow.playing = o & 16;
                mainWindow.background = o & 32;
                options.recordKeyboard = o & 64;
                break;
            }
            case 12: {
                const int n = static_cast<int>(groups.lines.size()) + 1;
                view.Select(static_cast<int>(in.Word() % n) - 1);
                OnEventSelectionChanged(edit);
                break;
            }
            case 13: OnEventListDoubleClick(edit, static_cast<std::int32_t>(in.Word() % (groups.lines.size() + 2)) - 1); break;
            case 14:
                sim.boxes.QueueAnswer(in.Byte() % 2 ? id::kYes : id::kNo);
                DeleteSelectedLine(edit);
                break;
            case 15: InsertOneEvent(edit); break;
            case 16: {
                const std::uint8_t b = in.Byte();
                switch (b % 3) {
                    case 0: ChooseKindOption(edit, static_cast<EventKindOption>(in.Byte() % kEventKindOptionCount)); break;
                    case 1: SetFlagBoxes(edit, in.Word()); break;
                    default: SetDelayText(edit, std::to_string(static_cast<std::int16_t>(in.Word()))); break;
                }
                break;
            }
            case 17:
                static_cast<void>(EndHintDrag(edit, recorder.Cache(),
                                              Point{in.Word() % 1000, in.Word() % 800}, nullptr));
                break;
            case 18: RebuildGroups(groups, events, view); break;
            default: ToggleGroup(groups, static_cast<std::int32_t>(in.Word() % (groups.lines.size() + 1)), view); break;
        }
        CheckCover(events, groups, view);
        for (const RecordedEvent& e : events) {
            if (!IsKeyMessage(e.message)) continue;
            const std::uint8_t key = EventKeyOf(e.keyFlags).key;
            Check(key != 27 && key != options.recordKey && key != options.playKey, "no hotkey or Esc is recorded");
        }
    }
    return 0;
}
