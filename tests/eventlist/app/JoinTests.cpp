// The joins between the document, the recorder and the player, one behaviour each.
#include "appcore/playback/StopByHand.h"
#include "eventlist/document/EventScriptFile.h"
#include "eventlist/recording/LineDrawing.h"
#include "tests/eventlist/app/EventAppFixture.h"

namespace xd::test {
namespace {

class JoinTest : public EventAppTest {
protected:
    // Two clicks (two groups) written as a file with these settings.
    void WriteScript(const std::string& path, const EventPlaySettings& settings) {
        const std::vector<RecordedEvent> events{NotepadEvent(513, 50, 60, 100), NotepadEvent(514, 50, 60, 700),
                                                NotepadEvent(513, 80, 90, 100), NotepadEvent(514, 80, 90, 0)};
        ASSERT_TRUE(sim.files.WriteFileReplacing(path, EncodeEventScript(events, settings).bytes));
    }
    void Open(const std::string& path) {
        sim.dialogs.QueueAnswer(path);
        ASSERT_TRUE(OnOpenCommand(context));
    }
    void RecordOneClick() {
        OnRecordCommand(context);
        sim.user.MoveTo(Point{200, 250});
        sim.user.Click(sim::SimButton::Left);
    }
    // A playback that stays on: its player never runs.
    void StartHeldPlayback() {
        held = [](std::function<void()>) { return true; };
        ASSERT_EQ(context.TogglePlayback(), PlaybackToggle::Started);
    }

    ThreadStarter held;
    EventListContext heldContext{model, EventListServices{sim.platform(), sim.codePage, overlays,
                                                          [this](std::function<void()> w) { return held(std::move(w)); }},
                                 EventListViews{listView, documentView, playerView, window}};
};

TEST_F(JoinTest, AnOpenedFileIsGroupedFromOneWithDrawingSuspendedAndItsSettingsGoLive) {
    RecordOneClick();
    OnRecordCommand(context);
    sim.boxes.QueueAnswer(7);  // the recording is not saved
    EventPlaySettings settings;
    settings.repeatPosition = 3;
    settings.speedPosition = 40;
    settings.foreground = true;
    settings.playHotkey = 116;
    // A file turns options on, never off.
    model.options.virtualPointer = false;
    model.options.clickEffect = false;
    OnEventOptionsChanged(context);
    settings.virtualPointer = true;
    settings.clickEffect = false;
    WriteScript("C:/s/two.mkx", settings);
    const int suspendsBefore = listView.suspends;

    Open("C:/s/two.mkx");

    ASSERT_EQ(model.groups.lines.size(), 2u);
    EXPECT_EQ(model.groups.lines[0].number, 1);
    EXPECT_EQ(model.groups.lines[1].number, 2);
    EXPECT_EQ(model.groups.nextNumber, 3);
    EXPECT_EQ(listView.items, 2);
    EXPECT_GT(listView.suspends, suspendsBefore);
    EXPECT_EQ(listView.suspended, 0);
    EXPECT_EQ(listView.misuse, 0);
    EXPECT_EQ(DrawEventLine(model.groups.lines[0], model.document.events, false).colour, 0xFF0000u);
    // The file's play settings reach the player, the hotkey the keyboard hook.
    EXPECT_EQ(model.live.Load(), model.document.settings);
    EXPECT_EQ(model.live.repeatPosition.load(), 3);
    EXPECT_EQ(model.live.speedPosition.load(), 40);
    EXPECT_TRUE(model.live.foreground.load());
    EXPECT_TRUE(model.options.virtualPointer);
    EXPECT_FALSE(model.options.clickEffect);
    EXPECT_EQ(model.options.playKey, 116);
    EXPECT_EQ(documentView.repeatLabel, "回放次数：3次");
    EXPECT_EQ(documentView.speedLabel, "回放速度：14倍");
    sim.user.Key(116);  // F5
    sim.user.Key(113);  // F2, the play key before
    std::vector<std::uint32_t> posted;
    for (const auto& m : PostedTo(window.handle)) posted.push_back(m.message);
    EXPECT_EQ(posted, (std::vector<std::uint32_t>{0x2A4A}));
}

TEST_F(JoinTest, ARefusedFileAndAFreshRecordingClearTheGroupsToo) {
    WriteScript("C:/s/two.mkx", EventPlaySettings{});
    Open("C:/s/two.mkx");
    ASSERT_EQ(listView.items, 2);
    ASSERT_TRUE(sim.files.WriteFileReplacing("C:/s/bad.mkx", "not a script"));
    Open("C:/s/bad.mkx");
    EXPECT_TRUE(model.document.events.empty());
    EXPECT_TRUE(model.groups.lines.empty());
    EXPECT_EQ(listView.items, 0);

    Open("C:/s/two.mkx");
    RecordOneClick();
    EXPECT_EQ(model.document.events.size(), 2u);
    ASSERT_EQ(model.groups.lines.size(), 1u);
    EXPECT_EQ(model.groups.lines[0].number, 1);
    EXPECT_EQ(listView.items, 1);
}

TEST_F(JoinTest, SaveStaysOffWhileRecordingAndComesOnAtTheStop) {
    documentView.saveEnabled = false;
    RecordOneClick();
    EXPECT_TRUE(model.document.modified);
    EXPECT_EQ(documentView.caption, "新脚本 *");
    EXPECT_FALSE(documentView.saveEnabled);
    EXPECT_EQ(OnSaveCommand(context), EventSaveOutcome::Cancelled);
    EXPECT_TRUE(sim.dialogs.Requests().empty());
    // Nor does a playback start meanwhile, by button or hotkey.
    EXPECT_EQ(OnPlayCommand(context), PlaybackToggle::NotStarted);
    sim.user.Key(113);
    PumpMainWindow();
    EXPECT_FALSE(context.Playing());
    EXPECT_TRUE(context.Recording());
    sim.user.Key(27);  // Esc stops inside the hook
    EXPECT_FALSE(context.Recording());
    EXPECT_TRUE(documentView.saveEnabled);
    EXPECT_TRUE(documentView.hasEvents);
}

TEST_F(JoinTest, WhilePlayingTheRecordKeyAndEditingAreIgnoredAndEscStops) {
    WriteScript("C:/s/two.mkx", EventPlaySettings{});
    Open("C:/s/two.mkx");
    listView.Select(0);
    OnListSelectionChanged(context);
    ASSERT_TRUE(listView.detailsShown);
    held = [](std::function<void()>) { return true; };
    ASSERT_EQ(heldContext.TogglePlayback(), PlaybackToggle::Started);
    ASSERT_TRUE(context.Playing());

    sim.user.Key(114);  // F3
    PumpMainWindow();
    EXPECT_FALSE(context.Recording());
    OnContinueRecordingCommand(context);
    EXPECT_FALSE(context.Recording());
    OnDeleteCommand(context);
    OnKindOption(context, EventKindOption::RightDown);
    OnDelayText(context, "5");
    OnListDoubleClick(context, 0);
    EXPECT_EQ(model.document.events.size(), 4u);
    EXPECT_EQ(model.document.events[0].message, 513);
    EXPECT_EQ(model.document.events[0].delayMs, 100);
    EXPECT_FALSE(model.groups.lines[0].isOpen);
    EXPECT_FALSE(OnOpenCommand(context));
    EXPECT_TRUE(sim.dialogs.Requests().size() == 1u);  // the open above only
    // A slider moved meanwhile marks the script but leaves Save to the stop.
    documentView.saveEnabled = false;
    OnSpeedSlider(context, 20);
    EXPECT_FALSE(documentView.saveEnabled);
    EXPECT_EQ(model.live.speedPosition.load(), 20);

    sim.user.Key(27);
    EXPECT_FALSE(context.Playing());
    EXPECT_EQ(playerView.playButton.back(), PlayButtonState::Ready);
    EXPECT_EQ(playerView.save.back(), true);
}

// The hooks stop a foreground playback that the user's hand takes over, and the status line says why; a
// foreground playback nobody touches plays to its end through its own moves, injected input and their echoes.
TEST_F(JoinTest, TheUsersHandStopsAForegroundPlaybackAndNothingElseDoes) {
    struct Case {
        const char* what;
        bool foreground;
        bool option;
        std::optional<Point> hand;  // none: the player runs to its end untouched
        bool stops;
    };
    const Case cases[] = {
        {"the hand moves away", true, true, Point{760, 600}, true},
        {"the hand rests", true, true, Point{702, 601}, false},
        {"in the background", false, true, Point{760, 600}, false},
        {"the option is off", true, false, Point{760, 600}, false},
        {"nobody touches it", true, true, std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EventPlaySettings settings;
        settings.repeatPosition = 2;
        WriteScript("C:/s/two.mkx", settings);
        Open("C:/s/two.mkx");
        // A file only ever turns the mode on: the mode button sets it either way.
        if (model.document.settings.foreground != c.foreground) OnModeCommand(context);
        model.options.stopOnMouseMove = c.option;
        sim.input.PlaceCursor(Point{700, 600});
        const std::size_t finished = playerView.finished.size();
        if (c.hand) {
            held = [](std::function<void()>) { return true; };
            ASSERT_EQ(heldContext.TogglePlayback(), PlaybackToggle::Started);
            sim.user.MoveTo(*c.hand);
            EXPECT_EQ(context.Playing(), !c.stops);
            EXPECT_EQ(OnStatusTick(context).statusText == std::string(kStoppedByHandStatus), c.stops);
            if (context.Playing()) {
                ASSERT_EQ(context.TogglePlayback(), PlaybackToggle::Stopped);
            }
        } else {
            // The inline player plays both runs on this thread; the pointer glides and clicks the while.
            ASSERT_EQ(context.TogglePlayback(), PlaybackToggle::Started);
            EXPECT_FALSE(model.stoppedByHand);
            EXPECT_EQ(playerView.finished.size(), finished + 1);
            EXPECT_FALSE(sim.input.AllRecords().empty());
            PumpMainWindow();
        }
    }
}

TEST_F(JoinTest, WindowsThePlayerFoundAreKeptUnlessTheListChangedSince) {
    WriteScript("C:/s/two.mkx", EventPlaySettings{});
    ASSERT_TRUE(OnStartUp(context, "C:/s/two.mkx"));
    OnRepeatSlider(context, 1);
    ASSERT_EQ(OnPlayCommand(context), PlaybackToggle::Started);
    PumpMainWindow();
    EXPECT_FALSE(context.Playing());
    EXPECT_FALSE(playerView.found.empty());
    for (const RecordedEvent& e : model.document.events) EXPECT_EQ(e.window, notepad);

    // A post that arrives after an edit belongs to a list that is gone.
    listView.Select(0);
    OnListSelectionChanged(context);
    OnDelayText(context, "50");
    const std::uint64_t generation = model.playback.generation.load();
    OnPlayerEventWindow(context, generation, 0, leftPane);
    EXPECT_EQ(model.document.events[0].window, notepad);
    OnPlayerEventWindow(context, generation, 99, leftPane);  // out of range: nothing
}

TEST_F(JoinTest, TheStatusTickShowsRecordingThenTheCaptionAndStepsTheClickEffects) {
    RecordOneClick();
    const EventStatusTick recording = OnStatusTick(context);
    EXPECT_EQ(recording.statusText, "录制鼠标操作中..2，按【F3】或 Esc 键停止.↑");
    EXPECT_FALSE(recording.redrawList);
    // The demonstration click drew a circle.
    EXPECT_EQ(recording.effects[0].action, ClickEffectAction::DrawCircle);
    OnExpandCommand(context);
    EXPECT_TRUE(window.expanded);
    EXPECT_TRUE(OnStatusTick(context).redrawList);

    sim.user.Key(27);
    const int shown = playerView.captionShown;
    EXPECT_FALSE(OnStatusTick(context).statusText.has_value());
    EXPECT_EQ(playerView.captionShown, shown + 1);
    EXPECT_FALSE(OnStatusTick(context).statusText.has_value());
    EXPECT_EQ(playerView.captionShown, shown + 1);

    held = [](std::function<void()>) { return true; };
    ASSERT_EQ(heldContext.TogglePlayback(), PlaybackToggle::Started);
    EXPECT_EQ(OnStatusTick(context).statusText, "回放中..第0次:1/1，按【F2】或 Esc 键停止.↓");  // the fifth tick

    OnExpandCommand(context);
    EXPECT_FALSE(window.expanded);
    EXPECT_FALSE(window.hintShown);
}

TEST_F(JoinTest, ModeAndSlidersChangeTheScriptAndThePlayerAlike) {
    EXPECT_FALSE(OnStartUp(context, "C:/s/missing.mkx"));
    EXPECT_EQ(documentView.repeatLabel, "回放次数：无限");
    EXPECT_EQ(documentView.speedLabel, "回放速度：正常");
    OnModeCommand(context);
    EXPECT_TRUE(model.document.settings.foreground);
    EXPECT_TRUE(model.live.foreground.load());
    EXPECT_TRUE(model.document.modified);
    EXPECT_EQ(documentView.settingsReplacements, 1);
    OnRepeatSlider(context, 5000);
    EXPECT_EQ(model.document.settings.repeatPosition, 1000);
    EXPECT_EQ(model.live.repeatPosition.load(), 1000);
    EXPECT_EQ(documentView.repeatLabel, "回放次数：1000次");

    model.options.playKey = 120;
    model.options.virtualPointer = false;
    OnEventOptionsChanged(context);
    EXPECT_EQ(model.document.settings.playHotkey, 120);
    EXPECT_FALSE(model.live.virtualPointer.load());
}

TEST_F(JoinTest, TheHintDroppedOnThisProgramSlidesBackAndElsewhereMovesTheEvent) {
    WriteScript("C:/s/two.mkx", EventPlaySettings{});
    Open("C:/s/two.mkx");
    listView.Select(1);
    OnListSelectionChanged(context);
    ASSERT_TRUE(window.hintShown);
    const WindowHandle hint = sim.desktop.AddWindow(
        {.processId = kOwnProcess, .rect = {0, 0, 75, 70}, .title = "", .className = "Form3", .topmost = true});

    // Onto the main window (0..100, 0..60): back to the event's mark, closing with a click circle.
    EXPECT_EQ(OnHintDragEnd(context, hint, Point{21, 21}), HintDropResult::SlidBack);
    EXPECT_EQ(sim.desktop.WindowRect(hint).left, window.hintAt.x);
    EXPECT_EQ(sim.desktop.WindowRect(hint).top, window.hintAt.y);
    EXPECT_FALSE(model.document.modified);

    const std::uint64_t version = model.listVersion;
    EXPECT_EQ(OnHintDragEnd(context, hint, Point{251, 301}), HintDropResult::Moved);
    EXPECT_EQ(model.document.events[2].x, 250);
    EXPECT_EQ(model.document.events[2].y, 300);
    EXPECT_TRUE(model.document.modified);
    EXPECT_NE(model.listVersion, version);
}

TEST_F(JoinTest, ClosingStopsTheRecordingAsksToSaveAndStopsAPlayback) {
    RecordOneClick();
    sim.boxes.QueueAnswer(2);  // Cancel: the window stays
    EXPECT_FALSE(OnCloseRequest(context));
    EXPECT_FALSE(context.Recording());
    ASSERT_EQ(sim.boxes.Count(), 1u);
    EXPECT_EQ(sim.boxes.Shown()[0].caption, "迅点小侠");

    held = [](std::function<void()>) { return true; };
    ASSERT_EQ(heldContext.TogglePlayback(), PlaybackToggle::Started);
    sim.boxes.QueueAnswer(7);  // No
    EXPECT_TRUE(OnCloseRequest(context));
    EXPECT_FALSE(context.Playing());
}

}  // namespace
}  // namespace xd::test
