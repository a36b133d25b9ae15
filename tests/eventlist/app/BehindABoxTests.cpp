// A box or dialog of the main window lets its message loop, and the hotkeys through the hooks, run on.
// Nothing starts behind one and nothing replaces the list its answer is about to act on; a closing window
// stops what runs before it asks; a post of an earlier playback acts on nothing.
#include <algorithm>

#include "eventlist/document/EventScriptFile.h"
#include "tests/eventlist/app/EventAppFixture.h"

namespace xd::test {
namespace {

class BehindABoxTest : public EventAppTest {
protected:
    // Two clicks (two groups), opened from a file and played once per start.
    void OpenTwoClicks() {
        const std::vector<RecordedEvent> events{NotepadEvent(513, 50, 60, 100), NotepadEvent(514, 50, 60, 100),
                                                NotepadEvent(513, 80, 90, 100), NotepadEvent(514, 80, 90, 100)};
        EventPlaySettings settings;
        settings.repeatPosition = 1;
        ASSERT_TRUE(sim.files.WriteFileReplacing("C:/s/two.mkx", EncodeEventScript(events, settings).bytes));
        ASSERT_TRUE(sim.files.WriteFileReplacing("C:/s/other.mkx", EncodeEventScript({}, settings).bytes));
        ASSERT_TRUE(OnStartUp(context, "C:/s/two.mkx"));
    }
    // All a user could set off while the box is up: the play and record hotkeys as the message loop
    // handles them, another script opened, the play and record buttons.
    void TryEverything() {
        sim.dialogs.QueueAnswer("C:/s/other.mkx");
        sim.user.Key(113);
        sim.user.Key(114);
        PumpMainWindow();
        static_cast<void>(OnOpenCommand(context));
        static_cast<void>(OnPlayCommand(context));
        OnRecordCommand(context);
    }
    bool EverPlayed() const {
        return std::count(playerView.playButton.begin(), playerView.playButton.end(), PlayButtonState::Playing) > 0;
    }

    ThreadStarter held = [](std::function<void()>) { return true; };
    EventListContext heldContext{model, EventListServices{sim.platform(), sim.codePage, overlays,
                                                          [this](std::function<void()> w) { return held(std::move(w)); }},
                                 EventListViews{listView, documentView, playerView, window}};
};

TEST_F(BehindABoxTest, NothingStartsOrReplacesTheListBehindABoxOfTheMainWindow) {
    struct Case {
        const char* name;
        std::function<void()> ask;  // shows the box
        int answer;
        bool recordingAfter;           // what the answer itself starts
        std::size_t eventsAfter;
    };
    const std::vector<Case> cases{
        {"save prompt of the record hotkey",
         [&] {
             OnRepeatSlider(context, 2);  // modified
             sim.user.Key(114);
             PumpMainWindow();
         },
         id::kNo, true, 0},
        {"delete confirmation",
         [&] {
             listView.Select(0);
             OnListSelectionChanged(context);
             OnDeleteCommand(context);
         },
         id::kYes, false, 2},
        {"window search of the selected line",
         [&] {
             sim.desktop.DestroyWindow(notepad);
             listView.Select(1);
             OnListSelectionChanged(context);
         },
         id::kIgnore, false, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenTwoClicks();
        const std::size_t dialogsBefore = sim.dialogs.Requests().size();
        playerView.playButton.clear();
        sim.boxes.Clear();
        bool inside = false;
        sim.boxes.SetResponder([&](const sim::MessageBoxRecord&) -> std::optional<int> {
            if (inside) return std::nullopt;  // a box that should never have come
            inside = true;
            TryEverything();
            inside = false;
            return c.answer;
        });
        c.ask();
        sim.boxes.SetResponder(nullptr);

        ASSERT_EQ(sim.boxes.Count(), 1u);
        EXPECT_EQ(sim.boxes.Shown()[0].owner, window.handle);
        EXPECT_FALSE(EverPlayed());
        EXPECT_EQ(context.Recording(), c.recordingAfter);
        EXPECT_EQ(sim.dialogs.Requests().size(), dialogsBefore);
        EXPECT_EQ(model.document.events.size(), c.eventsAfter);

        sim.user.Key(27);
        if (!sim.desktop.IsWindow(notepad)) AddNotepad();
    }
}

TEST_F(BehindABoxTest, ClosingStopsAPlaybackBeforeItAsksToSave) {
    OpenTwoClicks();
    OnRepeatSlider(context, 3);  // modified
    ASSERT_EQ(heldContext.TogglePlayback(), PlaybackToggle::Started);
    bool playingUnderTheBox = true;
    sim.boxes.SetResponder([&](const sim::MessageBoxRecord&) -> std::optional<int> {
        playingUnderTheBox = context.Playing();
        return id::kCancel;
    });
    EXPECT_FALSE(OnCloseRequest(context));
    EXPECT_EQ(sim.boxes.Count(), 1u);
    EXPECT_FALSE(playingUnderTheBox);
}

TEST_F(BehindABoxTest, ThePlayHotkeyWithNothingToPlayDoesNothing) {
    sim.user.Key(113);
    PumpMainWindow();
    EXPECT_FALSE(context.Playing());
    EXPECT_FALSE(EverPlayed());
    EXPECT_EQ(sim.boxes.Count(), 0u);
}

TEST_F(BehindABoxTest, PostsOfAnEarlierPlaybackActOnNothing) {
    OpenTwoClicks();
    ASSERT_EQ(heldContext.TogglePlayback(), PlaybackToggle::Started);
    const std::uint64_t earlier = model.playback.generation.load();
    sim.user.Key(27);
    // The list is edited, then played again: the earlier player's event 0 is not this list's.
    listView.Select(0);
    OnListSelectionChanged(context);
    OnDelayText(context, "50");
    ASSERT_EQ(heldContext.TogglePlayback(), PlaybackToggle::Started);
    const std::uint64_t later = model.playback.generation.load();

    OnPlayerEventWindow(context, earlier, 0, leftPane);
    OnPlayerSelectLine(context, earlier, 1);
    EXPECT_EQ(model.document.events[0].window, notepad);
    EXPECT_EQ(listView.Selection(), 0);

    OnPlayerEventWindow(context, later, 0, leftPane);
    OnPlayerSelectLine(context, later, 1);
    EXPECT_EQ(model.document.events[0].window, leftPane);
    EXPECT_EQ(listView.Selection(), 1);
}

}  // namespace
}  // namespace xd::test
