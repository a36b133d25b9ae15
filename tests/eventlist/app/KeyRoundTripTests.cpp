// "录制键盘" through the whole program: the user types into another program's edit control between clicks,
// the list shows key groups, the file keeps them, and both modes of playback give the control the same keys
// (the background the typed text for the typing keys' presses).
#include <cctype>

#include "eventlist/KeyEvent.h"
#include "eventlist/recording/KeyGroups.h"
#include "eventlist/recording/LineDrawing.h"
#include "tests/eventlist/app/EventAppFixture.h"

namespace xd::test {
namespace {

constexpr int kCtrl = 0x11, kShift = 0x10, kEnter = 0x0D;

class KeyRoundTripTest : public EventAppTest {
protected:
    KeyRoundTripTest() {
        edit = sim.desktop.AddWindow({.parent = leftPane,
                                      .processId = kNotepadProcess,
                                      .rect = {110, 300, 290, 390},
                                      .title = "",
                                      .className = "Edit"});
        sim.desktop.SetForegroundWindow(notepad);
        sim.desktop.SetFocus(edit);
    }

    void Type(std::initializer_list<int> keys) {
        for (const int k : keys) {
            sim.user.Key(k);
            sim.clock.Advance(50);
        }
    }
    void Click() {
        sim.user.Click(sim::SimButton::Left);
        sim.clock.Advance(200);
    }

    // A click, Ctrl+S, a click, "Hello" with Shift for the capital, a click, Enter three times, a click.
    void Record() {
        sim.user.MoveTo(Point{200, 200});  // the left pane, before the recording: no move event
        OnRecordCommand(context);
        Click();
        sim.user.KeyDown(kCtrl);
        Type({'S'});
        sim.user.KeyUp(kCtrl);
        sim.clock.Advance(100);
        Click();
        sim.user.KeyDown(kShift);
        Type({'H'});
        sim.user.KeyUp(kShift);
        Type({'E', 'L', 'L', 'O'});
        Click();
        Type({kEnter, kEnter, kEnter});
        Click();
        sim.user.Key(114);  // F3 ends it and is no event
        PumpMainWindow();
    }

    std::vector<std::pair<std::string, std::uint32_t>> Shown() const {
        std::vector<std::pair<std::string, std::uint32_t>> shown;
        for (const EventLine& line : model.groups.lines) {
            const LineDrawFacts f = DrawEventLine(line, model.document.events, false);
            shown.emplace_back(f.text, f.colour);
        }
        return shown;
    }

    // The key messages the edit control has received since `from` of its log.
    std::vector<std::tuple<std::uint32_t, std::uintptr_t, std::intptr_t>> KeysAtEdit(std::size_t from) const {
        std::vector<std::tuple<std::uint32_t, std::uintptr_t, std::intptr_t>> keys;
        const auto all = sim.desktop.MessagesTo(edit);
        for (std::size_t i = from; i < all.size(); ++i)
            if (IsKeyMessage(static_cast<std::int32_t>(all[i].message)) || all[i].message == msg::kChar)
                keys.emplace_back(all[i].message, all[i].wParam, all[i].lParam);
        return keys;
    }

    WindowHandle edit = kNoWindow;
};

TEST_F(KeyRoundTripTest, TypingBetweenClicksIsRecordedGroupedSavedAndPlayedAlikeInBothModes) {
    model.options.moveToStart = false;
    model.options.recordKeyboard = true;
    OnEventOptionsChanged(context);

    // --- record: the list ----------------------------------------------------------------
    Record();
    ASSERT_FALSE(context.Recording());
    ASSERT_EQ(model.document.events.size(), 2u + 4u + 2u + 12u + 2u + 6u + 2u);
    const std::uint32_t red = groupcolour::kLeftClick, keys = groupcolour::kKeys;
    const std::vector<std::pair<std::string, std::uint32_t>> shown{
        {"1：单击左键_200,200", red}, {"2：按键_Ctrl+S", keys}, {"3：单击左键_200,200", red},
        {"4：输入_Hello", keys},      {"5：单击左键_200,200", red}, {"6：按键_Enter", keys},
        {"7：按键_Enter", keys},      {"8：按键_Enter", keys},   {"9：单击左键_200,200", red}};
    EXPECT_EQ(Shown(), shown);
    // A key event is the control with the focus in the program in front, at the pointer.
    const RecordedEvent& ctrlDown = model.document.events[2];
    EXPECT_EQ(ctrlDown.window, edit);
    EXPECT_EQ(ctrlDown.windowClass, sim.codePage.Utf8ToAnsi("Notepad") + std::string(2, '\0'));
    EXPECT_EQ(ctrlDown.childPath.size(), 2u);  // the left pane, then the edit control in it
    EXPECT_EQ(ctrlDown.windowTitle, sim.codePage.Utf8ToAnsi("记事本") + std::string(2, '\0'));
    EXPECT_EQ(ctrlDown.message, evmsg::kKeyDown);
    EXPECT_EQ(ctrlDown.displayText, "按下Ctrl键,200,200");
    EXPECT_EQ(EventKeyOf(model.document.events[3].keyFlags).key, 'S');
    EXPECT_EQ(EventKeyText(model.document.events[3]), "");  // Ctrl+S types no text
    EXPECT_EQ(EventKeyText(model.document.events[9]), "H");
    EXPECT_EQ(EventKeyText(model.document.events[12]), "e");

    // --- save and reopen: the same list, saved again to the same bytes ---------------------
    sim.dialogs.QueueAnswer("C:/脚本/keys.mkx");
    ASSERT_EQ(OnSaveCommand(context), EventSaveOutcome::Saved);
    const std::string saved = sim.files.ReadFile("C:/脚本/keys.mkx", 1 << 20).bytes;
    const std::vector<RecordedEvent> recorded = model.document.events;
    sim.dialogs.QueueAnswer("C:/脚本/keys.mkx");
    ASSERT_TRUE(OnOpenCommand(context));
    EXPECT_EQ(Shown(), shown);
    ASSERT_EQ(model.document.events.size(), recorded.size());
    for (std::size_t i = 0; i < recorded.size(); ++i) {
        const RecordedEvent& a = recorded[i];
        const RecordedEvent& b = model.document.events[i];
        EXPECT_EQ(std::tie(a.message, a.keyFlags, a.offsetX, a.offsetY, a.displayText),
                  std::tie(b.message, b.keyFlags, b.offsetX, b.offsetY, b.displayText))
            << i;
    }
    ASSERT_EQ(OnSaveCommand(context), EventSaveOutcome::Saved);
    EXPECT_EQ(sim.files.ReadFile("C:/脚本/keys.mkx", 1 << 20).bytes, saved);

    // --- play once in each mode: the control gets the same key messages ---------------------
    OnRepeatSlider(context, 1);
    std::size_t mark = sim.desktop.MessagesTo(edit).size();
    ASSERT_EQ(OnPlayCommand(context), PlaybackToggle::Started);
    PumpMainWindow();
    const auto background = KeysAtEdit(mark);
    EXPECT_EQ(sim.boxes.Count(), 0u);

    OnModeCommand(context);
    mark = sim.desktop.MessagesTo(edit).size();
    ASSERT_EQ(OnPlayCommand(context), PlaybackToggle::Started);
    PumpMainWindow();
    const auto foreground = KeysAtEdit(mark);
    // The background posts what the typing keys typed in place of their presses, as the control's own
    // translation would have made them with Shift down; everything else is the same message.
    auto typed = foreground;
    const std::string hello = "Hello";
    std::size_t next = 0;
    for (auto& [message, wParam, lParam] : typed) {
        if (message != msg::kKeyDown || next == hello.size() || wParam != static_cast<std::uintptr_t>(std::toupper(hello[next])))
            continue;
        message = msg::kChar;
        wParam = static_cast<unsigned char>(hello[next++]);
        lParam = 1;
    }
    EXPECT_EQ(next, hello.size());
    EXPECT_EQ(background, typed);

    std::vector<std::uintptr_t> pressed;
    for (const auto& [message, wParam, lParam] : foreground)
        if (message == msg::kKeyDown) pressed.push_back(wParam);
    const std::vector<std::uintptr_t> expected{kCtrl, 'S', kShift, 'H', 'E', 'L', 'L', 'O', kEnter, kEnter, kEnter};
    EXPECT_EQ(pressed, expected);
    EXPECT_EQ(foreground.size(), 2 * expected.size());
    for (const int key : {kCtrl, kShift, 0xA0, 0xA2}) EXPECT_EQ(sim.desktop.KeyState(key) & 0x8000, 0) << key;
}

TEST_F(KeyRoundTripTest, WithTheOptionOffTheSameTypingRecordsNoKeyEvents) {
    Record();
    for (const RecordedEvent& e : model.document.events) EXPECT_FALSE(IsKeyMessage(e.message));
    EXPECT_EQ(model.document.events.size(), 8u);
}

}  // namespace
}  // namespace xd::test
