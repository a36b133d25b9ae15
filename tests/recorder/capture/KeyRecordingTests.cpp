// Keys typed on the simulated desktop (US layout) while recording with 录制键盘 on, through the simulated
// keyboard hook chain the program listens on, compared as the script a user would save.
#include "CaptureFixture.h"

namespace xd::test {
namespace {

struct KeyStep {
    enum Kind { Tap, Down, Up, Click, Press, Release, FocusBrowser, Injected } kind;
    int key = 0;  // virtual key; for Click, Press and Release the x of a point at y 30 in the notes' client area
    std::uint32_t afterMs = 100;
};

struct KeyCase {
    const char* name;
    std::vector<KeyStep> steps;
    std::uint32_t stopAfterMs;
    std::vector<std::string> lines;  // after the header
    bool recordKeyboard = true;
    bool exclusive = false;
    int recordKey = 0x72;  // F3
    bool keepUp = true;
    friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

constexpr int kCtrl = sim::vk::kControl;
constexpr int kShift = sim::vk::kShift;
constexpr int kAlt = sim::vk::kMenu;
constexpr int kRightCtrl = 0xA3;
constexpr int kEnter = 0x0D;
constexpr int kTab = 0x09;
constexpr int kDown = 0x28;
constexpr int kQuote = 0xDE;
constexpr int kImeKey = 0xE5;  // VK_PROCESSKEY: what keys typed into an input method arrive as
constexpr int kF2 = 0x71;
constexpr int kF3 = 0x72;
constexpr int kF4 = 0x73;
constexpr int kF7 = 0x76;

const std::string kEditLine = "目标窗口(\"无标题 - 记事本\",\"Notepad\",\"1\")";
const std::string kNotesLine = "目标窗口(\"无标题 - 记事本\",\"Notepad\",\"0\")";
const std::string kBrowserLine = "目标窗口(\"Start \"\"Page\"\"\",\"BrowserFrame\",\"0\")";

class KeyRecordingTest : public CaptureTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    KeyRecordingTest() {
        sim::WindowSpec edit;
        edit.parent = editorApp;
        edit.processId = kEditorProcess;
        edit.rect = {150, 200, 650, 450};
        edit.className = "Edit";
        const WindowHandle field = sim.desktop.AddWindow(edit);
        sim.desktop.SetForegroundWindow(editorApp);
        sim.desktop.SetFocus(field);
        EXPECT_TRUE(sim.desktop.SetProcessAndThread(browserApp, kBrowserProcess, 301));
        sim.hooks.InstallKeyboardHook([this](const LowLevelKeyEvent& e) { session.OnKeyboardHook(e); });
    }

    void Run(const KeyStep& s) {
        const Point at = InNotes(s.key, 30);
        switch (s.kind) {
            case KeyStep::Click: Press(at, s.afterMs); Release(at, 0); return;
            case KeyStep::Press: Press(at, s.afterMs); return;
            case KeyStep::Release: Release(at, s.afterMs); return;
            default: break;
        }
        sim.clock.Advance(s.afterMs);
        switch (s.kind) {
            case KeyStep::Tap: sim.user.Key(s.key); break;
            case KeyStep::Down: sim.user.KeyDown(s.key); break;
            case KeyStep::Up: sim.user.KeyUp(s.key); break;
            case KeyStep::FocusBrowser: sim.desktop.SetForegroundWindow(browserApp); break;
            case KeyStep::Injected: {
                const auto vk = static_cast<std::uint16_t>(s.key);
                static_cast<void>(sim.input.SendKeyInput({{vk, 0, 0, 0}, {vk, 0, keyevent::kKeyUp, 0}}));
                break;
            }
            default: break;
        }
        if (keepUp) {
            session.recorder().DrainNow();
            session.ApplyEditorWrites();
        }
    }
};

TEST_P(KeyRecordingTest, WritesTheseLines) {
    const KeyCase& c = GetParam();
    model.options.recordKeyboard = c.recordKeyboard ? 1 : 0;
    model.options.exclusiveMode = c.exclusive ? 1 : 0;
    model.window.recordKey = c.recordKey;
    keepUp = c.keepUp;
    StartRecording();
    for (const KeyStep& s : c.steps) Run(s);
    // What the hotkeys started is the main window's matter, not this recording's.
    dispatched = sim.desktop.MessagesTo(view.handle).size();
    const std::string text = StopAndText(c.stopAfterMs);
    ASSERT_TRUE(text.starts_with(Header())) << text;
    EXPECT_EQ(text.substr(Header().size()), Lines(c.lines));
}

using K = KeyStep;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyRecordingTest,
    ::testing::Values(
        KeyCase{"CombinationIsOneKeyLine",
                {{K::Down, kCtrl}, {K::Tap, 'S', 200}, {K::Up, kCtrl, 50}},
                500,
                {kEditLine, "键盘按键(\"Ctrl+S\",1,550)"}},
        KeyCase{"CombinationOfTwoModifiersAndASystemKey",
                {{K::Down, kCtrl}, {K::Down, kShift}, {K::Tap, 'Z'}, {K::Up, kShift}, {K::Up, kCtrl},
                 {K::Down, kAlt}, {K::Tap, kF4}, {K::Up, kAlt}},
                100,
                {kEditLine, "键盘按键(\"Ctrl+Shift+Z\",1,400)", "键盘按键(\"Alt+F4\",1,200)"}},
        // The text's wait runs from its first key, as a click's from its press.
        KeyCase{"WordWithShiftIsOneTextLine",
                {{K::Down, kShift}, {K::Tap, 'H'}, {K::Up, kShift, 50}, {K::Tap, 'E'}, {K::Tap, 'L'}, {K::Tap, 'L'},
                 {K::Tap, 'O'}},
                300,
                {kEditLine, "输入文字(\"Hello\",750)"}},
        // The characters are taken in the hook, with Shift as it stood, not when the worker comes to them.
        KeyCase{"WordWithShiftWhileTheWorkerFallsBehind",
                {{K::Down, kShift}, {K::Tap, 'H'}, {K::Up, kShift, 50}, {K::Tap, 'I'}},
                300,
                {kEditLine, "输入文字(\"Hi\",450)"},
                true, false, kF3, false},
        // Either side holds the modifier: letting the left one go leaves the right one down.
        KeyCase{"RightCtrlStillHeldWhenTheLeftIsLetGo",
                {{K::Down, kCtrl}, {K::Down, kRightCtrl}, {K::Up, kCtrl}, {K::Tap, 'S'}, {K::Up, kRightCtrl}},
                100,
                {kEditLine, "键盘按键(\"Ctrl+S\",1,200)"}},
        KeyCase{"RepeatedKeyMergesIntoItsCount",
                {{K::Tap, kDown}, {K::Tap, kDown}, {K::Tap, kDown}},
                200,
                {kEditLine, "键盘按键(\"Down\",3,400)"}},
        KeyCase{"RepeatedCombinationMergesWithCtrlHeldOrPressedAgain",
                {{K::Down, kCtrl}, {K::Tap, 'V'}, {K::Tap, 'V'}, {K::Up, kCtrl}, {K::Down, kCtrl}, {K::Tap, 'V'},
                 {K::Up, kCtrl}},
                100,
                {kEditLine, "键盘按键(\"Ctrl+V\",3,600)"}},
        KeyCase{"EnterBetweenTextSplitsIt",
                {{K::Tap, 'A'}, {K::Tap, 'B'}, {K::Tap, kEnter, 300}, {K::Tap, 'C', 200}},
                100,
                {kEditLine, "输入文字(\"ab\",400)", "键盘按键(\"Enter\",1,200)", "输入文字(\"c\",100)"}},
        KeyCase{"ShiftWithAKeyThatTypesNothingIsACombination",
                {{K::Down, kShift}, {K::Tap, kTab}, {K::Up, kShift}},
                100,
                {kEditLine, "键盘按键(\"Shift+Tab\",1,200)"}},
        KeyCase{"QuoteInTextIsDoubled",
                {{K::Down, kShift}, {K::Tap, kQuote}, {K::Up, kShift}, {K::Tap, kQuote}},
                100,
                {kEditLine, "输入文字(\"\"\"'\",300)"}},
        KeyCase{"ModifierAloneMakesNoLineAndKeepsTheRunWhole",
                {{K::Tap, 'A'}, {K::Tap, kCtrl}, {K::Tap, kAlt}, {K::Tap, 'B'}},
                100,
                {kEditLine, "输入文字(\"ab\",400)"}},
        KeyCase{"InputMethodKeysAreKeyLines",
                {{K::Tap, kImeKey}, {K::Tap, kImeKey}, {K::Tap, kImeKey}},
                100,
                {kEditLine, "键盘按键(\"VK_E5\",3,300)"}},
        // Esc stops every case here, and is never in the script.
        KeyCase{"HotkeysAsSetAreNeverRecorded",
                {{K::Tap, kF7}, {K::Tap, kF2}, {K::Tap, kF3}},
                100,
                {kEditLine, "键盘按键(\"F3\",1,100)"},
                true, false, kF7},
        KeyCase{"InjectedKeysAreNotRecorded",
                {{K::Injected, 'A'}, {K::Tap, 'B'}},
                100,
                {kEditLine, "输入文字(\"b\",100)"}},
        KeyCase{"OptionOffRecordsNoKeys",
                {{K::Tap, 'A'}, {K::Down, kCtrl}, {K::Tap, 'S'}, {K::Up, kCtrl}, {K::Click, 20}, {K::Tap, kEnter}},
                100,
                {kNotesLine, "鼠标点击(1,20,30,1,200)"},
                false},
        // The click goes to the notes' client area beside the edit field: a target line of its own; the keys
        // after it go to the field with the focus in the same window, which posts reach through the thread.
        KeyCase{"ClickEndsATextRun",
                {{K::Tap, 'A'}, {K::Click, 20}, {K::Tap, 'A'}},
                100,
                {kEditLine, "输入文字(\"a\",100)", kNotesLine, "鼠标点击(1,20,30,1,100)", "输入文字(\"a\",100)"}},
        KeyCase{"KeyWhileAButtonIsDownComesAfterTheClick",
                {{K::Press, 20}, {K::Tap, kEnter, 50}, {K::Release, 20, 50}},
                100,
                {kNotesLine, "鼠标点击(1,20,30,1,100)", "键盘按键(\"Enter\",1,100)"}},
        KeyCase{"KeysInAnotherWindowNameItFirst",
                {{K::Tap, 'A'}, {K::FocusBrowser, 0, 0}, {K::Tap, 'B'}},
                100,
                {kEditLine, "输入文字(\"a\",100)", kBrowserLine, "输入文字(\"b\",100)"}},
        KeyCase{"KeysInAnotherProgramAreLeftOutInExclusiveMode",
                {{K::Tap, 'A'}, {K::FocusBrowser, 0, 0}, {K::Tap, 'B'}},
                100,
                {kEditLine, "输入文字(\"a\",200)"},
                true, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace xd::test
