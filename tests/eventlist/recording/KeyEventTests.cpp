// Key events: which the recorder takes, how they fold into named lines (as a recording builds them and as a
// reopened file rebuilds them), and what their fields hold.
#include "RecordingFixture.h"
#include "eventlist/KeyEvent.h"
#include "eventlist/recording/HintDrag.h"
#include "eventlist/recording/KeyRecording.h"
#include "eventlist/recording/LineDrawing.h"

namespace xd::test {
namespace {

// One step of a case: a key going down (with the text it types) or up, or a left click.
struct Step {
    char kind;  // '+' down, '-' up, 'c' click
    std::uint8_t key = 0;
    const char* text = "";
};
constexpr std::uint8_t kLShift = 0xA0, kLCtrl = 0xA2, kLAlt = 0xA4, kLWin = 0x5B, kTab = 0x09, kEnter = 0x0D;

RecordedEvent KeyEv(const Step& s) {
    RecordedEvent e = Ev(s.kind == '+' ? evmsg::kKeyDown : evmsg::kKeyUp, 100, 200);
    e.keyFlags = EventKeyFlagsOf(EventKey{s.key, 0x1E, false});
    SetEventKeyText(e, s.text);
    e.displayText = EventDisplayText(e);
    return e;
}

TEST(KeyGroups, PressesAndReleasesFoldIntoCombinationsAndTypingRuns) {
    struct Case {
        const char* what;
        std::vector<Step> steps;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a combination with its modifier", {{'+', kLCtrl}, {'+', 'S'}, {'-', 'S'}, {'-', kLCtrl}}, {"1：按键_Ctrl+S"}},
        {"Shift for a capital stays in the typing",
         {{'+', kLShift}, {'+', 'H', "H"}, {'-', 'H'}, {'-', kLShift}, {'+', 'E', "e"}, {'-', 'E'}},
         {"1：输入_He"}},
        {"a capital within a run",
         {{'+', 'A', "a"}, {'-', 'A'}, {'+', kLShift}, {'+', 'B', "B"}, {'-', 'B'}, {'-', kLShift}, {'+', 'C', "c"}},
         {"1：输入_aBc"}},
        {"each press of a key alone is a group", {{'+', kEnter}, {'-', kEnter}, {'+', kEnter}, {'-', kEnter}},
         {"1：按键_Enter", "2：按键_Enter"}},
        {"a key repeating as it is held", {{'+', kEnter}, {'+', kEnter}, {'+', kEnter}, {'-', kEnter}},
         {"1：按键_Enter"}},
        {"typing repeats its character", {{'+', 'A', "a"}, {'+', 'A', "a"}, {'-', 'A'}}, {"1：输入_aa"}},
        {"one modifier held over two combinations",
         {{'+', kLCtrl}, {'+', 'C'}, {'-', 'C'}, {'+', 'V'}, {'-', 'V'}, {'-', kLCtrl}},
         {"1：按键_Ctrl+C", "2：按键_Ctrl+V"}},
        {"the same combination twice under one modifier",
         {{'+', kLCtrl}, {'+', 'S'}, {'-', 'S'}, {'+', 'S'}, {'-', 'S'}, {'-', kLCtrl}}, {"1：按键_Ctrl+S"}},
        {"a modifier alone", {{'+', kLAlt}, {'-', kLAlt}}, {"1：按键_Alt"}},
        {"Shift after typing that turns out to be a combination",
         {{'+', 'A', "a"}, {'-', 'A'}, {'+', kLShift}, {'+', kTab}, {'-', kTab}, {'-', kLShift}},
         {"1：输入_a", "2：按键_Shift+Tab"}},
        {"Ctrl ends a run of typing", {{'+', 'H', "h"}, {'-', 'H'}, {'+', kLCtrl}, {'+', 'A', "a"}, {'-', 'A'}, {'-', kLCtrl}},
         {"1：输入_h", "2：按键_Ctrl+A"}},
        {"the Windows key makes a letter a combination", {{'+', kLWin}, {'+', 'E', "e"}, {'-', 'E'}, {'-', kLWin}},
         {"1：按键_Win+E"}},
        {"a click splits typing", {{'+', 'A', "a"}, {'-', 'A'}, {'c'}, {'+', 'B', "b"}, {'-', 'B'}},
         {"1：输入_a", "2：单击左键_100,200", "3：输入_b"}},
        {"a modifier held over a click", {{'+', kLShift}, {'c'}, {'-', kLShift}},
         {"1：按下Shift键,100,200", "2：单击左键_100,200", "3：释放Shift键,100,200"}},
        {"any character, and only the first ten name the run",
         {{'+', 'N', "你"}, {'-', 'N'}, {'+', '1', "1"}, {'+', '2', "2"}, {'+', '3', "3"}, {'+', '4', "4"},
          {'+', '5', "5"}, {'+', '6', "6"}, {'+', '7', "7"}, {'+', '8', "8"}, {'+', '9', "9"}, {'+', '0', "0"}},
         {"1：输入_你123456789"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<RecordedEvent> events;
        EventGroups groups;
        FakeEventListView view;
        for (const Step& s : c.steps) {
            if (s.kind == 'c') {
                events.push_back(Ev(evmsg::kLeftDown, 100, 200, 1));
                GroupEvent(groups, events, static_cast<std::int32_t>(events.size()) - 1, view, true);
                events.push_back(Ev(evmsg::kLeftUp, 100, 200));
            } else {
                events.push_back(KeyEv(s));
            }
            GroupEvent(groups, events, static_cast<std::int32_t>(events.size()) - 1, view, true);
        }
        const auto texts = [&] {
            std::vector<std::string> out;
            for (const EventLine& l : groups.lines) {
                const LineDrawFacts f = DrawEventLine(l, events, false);
                out.push_back(f.text);
                const bool key = IsKeyMessage(events[static_cast<std::size_t>(l.firstEvent)].message);
                EXPECT_EQ(f.colour == groupcolour::kKeys, key) << f.text;
            }
            return out;
        };
        EXPECT_EQ(texts(), c.lines);
        // A file opened later groups its events from scratch, to the same lines.
        RebuildGroups(groups, events, view);
        EXPECT_EQ(texts(), c.lines);
    }
}

TEST(KeyEvents, KeyFieldsAndTextReadBackAndAnyStoredValueIsSafe) {
    const EventKey right{0xA3, 0x1D, true};
    EXPECT_EQ(EventKeyOf(EventKeyFlagsOf(right)), right);
    EXPECT_EQ(EventKeyOf(static_cast<std::int32_t>(0xFFFFFFFFu)), (EventKey{0xFF, 0xFF, true}));

    RecordedEvent e;
    SetEventKeyText(e, "😀x");
    EXPECT_EQ(EventKeyText(e), "😀x");
    SetEventKeyText(e, "abc");  // a dead key and the next one type two; no key types three
    EXPECT_EQ(EventKeyText(e), "ab");
    for (const char* none : {"", "\r", "\t", "\x01", "\x7F", "\xC3"}) {
        SetEventKeyText(e, none);
        EXPECT_EQ(EventKeyText(e), "") << static_cast<int>(none[0]);
    }
    // What a damaged file may hold where the text goes: no character, or only the valid first one.
    for (const auto& [x, y, text] : std::vector<std::tuple<std::int32_t, std::int32_t, std::string>>{
             {-1, 'a', ""}, {0xD800, 0, ""}, {0x110000, 0, ""}, {'a', 0xDFFF, "a"}, {0x4F60, -5, "你"}}) {
        e.offsetX = x;
        e.offsetY = y;
        EXPECT_EQ(EventKeyText(e), text) << x;
    }
}

// The editors are for mouse events: on a key event they show no flags or position in the window and change
// neither its key nor its text, and the hint moves it to another window without touching what it typed.
TEST_F(RecordingTest, EditingAKeyEventKeepsItsKeyAndText) {
    sim.user.MoveTo(Point{150, 200});
    sim.desktop.SetForegroundWindow(app);
    sim.desktop.SetFocus(pane1);
    options.recordKeyboard = true;
    StartFresh();
    sim.user.KeyDown(0x10);
    sim.user.Key('A');
    sim.user.KeyUp(0x10);
    recorder.StopEventRecording();
    ASSERT_EQ(events.size(), 4u);
    ASSERT_EQ(groups.lines.size(), 1u);
    ASSERT_EQ(groups.lines[0].name, "1：输入_A");
    const RecordedEvent typed = events[1];

    OnEventListDoubleClick(edit, 0);
    view.Select(2);  // the A's press
    OnEventSelectionChanged(edit);
    EXPECT_EQ(view.details.flags, 0);
    EXPECT_EQ(view.details.windowPosition, "");
    EXPECT_EQ(view.details.kindOption, -1);
    SetFlagBoxes(edit, 0xFFFF);
    InsertOneEvent(edit);
    EXPECT_EQ(groups.lines[0].name, "1：输入_A");
    view.Select(2);
    EXPECT_EQ(EndHintDrag(edit, recorder.Cache(), Point{401, 171}, nullptr), HintDropResult::Moved);
    EXPECT_EQ(events[1].window, button);
    EXPECT_EQ(std::tie(events[1].keyFlags, events[1].offsetX, events[1].offsetY),
              std::tie(typed.keyFlags, typed.offsetX, typed.offsetY));
    EXPECT_EQ(events[1].displayText, "按下A键,400,170");
    EXPECT_EQ(EventKeyText(events[2]), "A");  // the copy
}

TEST(KeyRecording, TakesKeysOnlyWhenAskedAndNeverTheRecordersOwnOrInjectedOnes) {
    constexpr int kRecordKey = 114, kPlayKey = 115;  // F3, F4
    struct Case {
        LowLevelKeyEvent event;
        bool recording;
        bool option;
        bool taken;
    };
    const Case cases[] = {
        {{0, 0x100, 'A', 0x1E, 0, 0}, true, true, true},
        {{0, 0x101, 'A', 0x1E, 0x80, 0}, true, true, true},
        {{0, 0x104, 'A', 0x1E, 0x20, 0}, true, true, true},  // with Alt
        {{0, 0x100, 'A', 0x1E, 0, 0}, true, false, false},   // the option off
        {{0, 0x100, 'A', 0x1E, 0, 0}, false, true, false},   // not recording
        {{0, 0x100, 'A', 0x1E, 0x10, 0}, true, true, false}, // injected: a playback's, another tool's
        {{0, 0x100, 114, 0x3D, 0, 0}, true, true, false},    // the record hotkey
        {{0, 0x101, 115, 0x3E, 0x80, 0}, true, true, false}, // the play hotkey's release
        {{0, 0x100, 27, 0x01, 0, 0}, true, true, false},     // Esc
        {{1, 0x100, 'A', 0x1E, 0, 0}, true, true, false},    // not an action
        {{0, 0x102, 'A', 0x1E, 0, 0}, true, true, false},    // no key message
        {{0, 0x100, 0xFF, 0, 0, 0}, true, true, false},      // no key
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideKeyRecording(c.event, kRecordKey, kPlayKey, c.recording, c.option), c.taken)
            << std::hex << c.event.message << " " << c.event.vkCode << " " << c.event.flags;
    }
    EXPECT_EQ(HookEventKey(LowLevelKeyEvent{0, 0x100, 0x25, 0x4B, 0x01, 0}), (EventKey{0x25, 0x4B, true}));
}

}  // namespace
}  // namespace xd::test
