#include "CaptureFixture.h"
#include "appcore/playback/StopByHand.h"

namespace xd::test {
namespace {

constexpr int kF2 = 113, kF3 = 114, kF10 = 121;

struct KeyCase {
    const char* name;
    LowLevelKeyEvent event;
    int recordKey;
    int playKey;
    AppState state;
    KeyboardHookDecision expected;
    friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

class KeyboardDecisionTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyboardDecisionTest, Decides) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(DecideKeyboardHook(c.event, c.recordKey, c.playKey, c.state), c.expected);
}

LowLevelKeyEvent Key(std::uint32_t vk, std::uint32_t message = msg::kKeyDown, int code = 0) {
    return LowLevelKeyEvent{code, message, vk, 0, 0, 0};
}

LowLevelKeyEvent Injected(std::uint32_t vk) { return LowLevelKeyEvent{0, msg::kKeyDown, vk, 0, llkey::kInjected, 0}; }

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyboardDecisionTest,
    ::testing::Values(
        KeyCase{"RecordKeyDown", Key(kF3), kF3, kF2, AppState::Idle, {true, false, EscapeAction::None}},
        KeyCase{"PlayKeyDownWhileRecording", Key(kF2), kF3, kF2, AppState::Recording, {false, true, EscapeAction::None}},
        KeyCase{"SameKeyPostsBothInOrder", Key(kF2), kF2, kF2, AppState::Idle, {true, true, EscapeAction::None}},
        KeyCase{"KeyUpDoesNothing", Key(kF3, msg::kKeyUp), kF3, kF2, AppState::Idle, {}},
        KeyCase{"SystemKeyDownIsNoHotkey", Key(kF10, msg::kSysKeyDown), kF10, kF2, AppState::Idle, {}},
        KeyCase{"HookCodeOtherThanActionIgnored", Key(kF3, msg::kKeyDown, 3), kF3, kF2, AppState::Idle, {}},
        KeyCase{"OtherKeyIgnored", Key('A'), kF3, kF2, AppState::Idle, {}},
        KeyCase{"EscStopsRecording", Key(27), kF3, kF2, AppState::Recording, {false, false, EscapeAction::StopRecording}},
        KeyCase{"EscStopsPlayback", Key(27), kF3, kF2, AppState::Playing, {false, false, EscapeAction::StopPlayback}},
        KeyCase{"EscWhileIdleDoesNothing", Key(27), kF3, kF2, AppState::Idle, {}},
        KeyCase{"EscKeyUpDoesNotStop", Key(27, msg::kKeyUp), kF3, kF2, AppState::Recording, {}},
        // A script's own 键盘按键("Esc") or ("F2") must not stop the playback that sends it.
        KeyCase{"PlaybacksOwnEscDoesNotStopIt", Injected(27), kF3, kF2, AppState::Playing, {}},
        KeyCase{"PlaybacksOwnPlayKeyDoesNotToggleIt", Injected(kF2), kF3, kF2, AppState::Playing, {}},
        KeyCase{"InjectedHotkeyWhileIdleStillActs", Injected(kF2), kF3, kF2, AppState::Idle,
                {false, true, EscapeAction::None}}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<std::uint32_t> PostedMessages(sim::SimDesktop& desktop, WindowHandle w) {
    std::vector<std::uint32_t> out;
    for (const auto& m : desktop.MessagesTo(w)) out.push_back(m.message);
    return out;
}

TEST_F(CaptureTest, HeldHotkeyPostsOnEveryRepeatAndSharedKeyPostsRecordFirst) {
    model.window.recordKey = kF2;
    model.window.playKey = kF2;
    for (int i = 0; i < 2; ++i) session.OnKeyboardHook(Key(kF2));
    session.OnKeyboardHook(Key(kF2, msg::kKeyUp));
    EXPECT_EQ(PostedMessages(sim.desktop, view.handle),
              (std::vector<std::uint32_t>{appmsg::kRecordHotkey, appmsg::kPlayHotkey, appmsg::kRecordHotkey,
                                          appmsg::kPlayHotkey}));
}

TEST_F(CaptureTest, EscStopsPlaybackInsideTheHook) {
    editor.SetEditorText(Header() + "\r\n鼠标点击(1,1,1,1,1)");
    TogglePlayback(context);
    ASSERT_EQ(ReadAppState(model.window.buttons), AppState::Playing);
    PressEsc();
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Idle);
    EXPECT_TRUE(model.stopRequested.load());
}

// The user's hand takes the pointer back from a foreground playback; the runner's own moves, a hand resting on
// the mouse, a background playback and the option turned off leave it playing.
TEST_F(CaptureTest, AMouseMoveByHandStopsAForegroundPlaybackAndSaysWhy) {
    struct Case {
        const char* what;
        bool foreground;
        bool option;
        Point move;
        std::uint32_t flags;
        bool stops;
    };
    const Case cases[] = {
        {"the hand moves away", true, true, {640, 400}, 0, true},
        {"the hand rests", true, true, {603, 402}, 0, false},
        {"the runner set the pointer there", true, true, {900, 700}, 0, false},
        {"injected input", true, true, {1200, 50}, 1, false},
        {"in the background", false, true, {640, 400}, 0, false},
        {"the option is off", true, false, {640, 400}, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        model.stopRequested = false;
        model.window.statusText.clear();
        model.options.stopOnMouseMove = c.option ? 1 : 0;
        model.config.foregroundMode = c.foreground ? 1 : 0;
        editor.SetEditorText(Header() + "\r\n鼠标点击(1,1,1,1,1)");
        TogglePlayback(context);
        ASSERT_EQ(ReadAppState(model.window.buttons), AppState::Playing);
        model.pointerTrail.Reset({600, 400});
        model.pointerTrail.Record({900, 700});
        session.OnMouseHook(0, LowLevelMouseEvent{msg::kMouseMove, c.move, 0, c.flags, sim.clock.TickCount()}, 0);
        EXPECT_EQ(ReadAppState(model.window.buttons), c.stops ? AppState::Idle : AppState::Playing);
        EXPECT_EQ(model.window.statusText == kStoppedByHandStatus, c.stops);
        if (!c.stops) TogglePlayback(context);
    }
}

// The hook must return within the system's limit however long the queue: Esc
// only stops the taking of events, the main window does the rest.
TEST_F(CaptureTest, EscStopsTakingEventsAtOnceAndTheMainWindowFinishesTheStop) {
    keepUp = false;
    StartRecording();
    for (int i = 0; i < 3; ++i) Wheel(InNotes(50 * i, 0), 120, 10);
    const std::string before = editor.GetEditorText();
    sim.clock.Advance(10);
    PressEsc();
    EXPECT_EQ(session.recorder().Queued(), 3u);
    EXPECT_EQ(editor.GetEditorText(), before);

    Wheel(InNotes(9, 9), 120, 5);  // after Esc: never taken
    PressEsc();                    // nor does a second Esc post a second stop
    EXPECT_EQ(session.recorder().Queued(), 3u);
    EXPECT_EQ(PostedMessages(sim.desktop, view.handle),
              (std::vector<std::uint32_t>{appmsg::kFinishRecordingStop}));

    RunPostedMessages();
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Idle);
    EXPECT_TRUE(editor.UserEnabled());
    EXPECT_EQ(session.recorder().Queued(), 0u);
    // The last wait ends at Esc, not when the main window got to the stop.
    EXPECT_EQ(editor.GetEditorText(), Header() + Lines({NotesLine(), "鼠标滚轮(120,0,0,1,10)", "鼠标滚轮(120,50,0,1,10)",
                                                        "鼠标滚轮(120,100,0,1,10)"}));
}

TEST_F(CaptureTest, StopPostedByEscDoesNotEndTheNextRecording) {
    StartRecording();
    PressEsc();
    ToggleRecording(context, false);  // the Record button finishes the stop first
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Idle);
    StartRecording();
    RunPostedMessages();
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Recording);
}

TEST_F(CaptureTest, EscWhileIdleChangesNothing) {
    PressEsc();
    EXPECT_EQ(ReadAppState(model.window.buttons), AppState::Idle);
    EXPECT_TRUE(sim.desktop.MessagesTo(view.handle).empty());
}

}  // namespace
}  // namespace xd::test
