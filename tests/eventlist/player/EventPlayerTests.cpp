#include <future>
#include <utility>

#include "EventPlayerFixture.h"
#include "appcore/playback/DevicePoint.h"

namespace xd::test {
namespace {

class EventPlayerTest : public EventPlayerFixture {
protected:
    // A click group: down and up 20 ms apart, then 30 ms to the next.
    void OneClick() {
        events = {EventIn(evmsg::kLeftDown, 50, 80, 20, 1), EventIn(evmsg::kLeftUp, 50, 80, 30)};
        GroupAs({2});
    }
};

TEST_F(EventPlayerTest, RepeatTwoPlaysTwiceThenEndsByItself) {
    settings.repeatPosition = 2;
    OneClick();
    ASSERT_EQ(Toggle(), PlaybackToggle::Started);
    EXPECT_EQ(Posted(target, 0x0201).size(), 2u);
    EXPECT_EQ(Posted(target, 0x0202).size(), 2u);
    EXPECT_EQ(state.current->runNumber.load(), 3);  // the third run found the count reached
    ASSERT_EQ(view.finished.size(), 1u);
    EXPECT_EQ(view.finished[0], state.generation.load());
    EXPECT_TRUE(state.playing.load());  // until the main thread takes the post
    EventPlayerFinished(services, view.finished[0], EventListFacts{events, lines, modified});
    EXPECT_FALSE(state.playing.load());
    EXPECT_EQ(view.playButton, (std::vector<PlayButtonState>{PlayButtonState::Playing, PlayButtonState::Ready}));
    EXPECT_EQ(view.editing, (std::vector<bool>{false, true}));
    EXPECT_EQ(view.save, (std::vector<bool>{false, true}));
    EXPECT_EQ(view.selectionHintClosed, 1);
    EXPECT_EQ(view.captionShown, 1);
    EXPECT_EQ(view.selected, (std::vector<std::int32_t>{0, 0}));
    // The playback's own hint window was created, shown and closed.
    const auto created = overlays.Calls(sim::OverlayCall::CreatePointer);
    ASSERT_EQ(created.size(), 1u);
    EXPECT_FALSE(sim.desktop.IsWindow(created[0].window));
}

TEST_F(EventPlayerTest, RepeatZeroPlaysUntilStoppedAndNothingIsLeftPressed) {
    settings.repeatPosition = 0;
    OneClick();
    int downs = 0;
    sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
        if (m.message == 0x0201 && ++downs == 5) StopFromMainThread();
    });
    Play();
    EXPECT_EQ(Posted(target, 0x0201).size(), 5u);
    // The fifth down was stopped before its up: the player lets go of the button.
    const auto ups = Posted(target, 0x0202);
    ASSERT_EQ(ups.size(), 5u);
    EXPECT_EQ(ups.back().wParam, 0u);
    EXPECT_TRUE(view.finished.empty());  // stopped by the user, not by itself
    EXPECT_FALSE(state.playing.load());
}

TEST_F(EventPlayerTest, SpeedSliderScalesEveryWait) {
    events = {EventIn(evmsg::kMove, 10, 40, 30), EventIn(evmsg::kMove, 20, 40, 700),
              EventIn(evmsg::kMove, 30, 40, 0)};
    OneLinePerEvent();
    settings.repeatPosition = 1;
    settings.speedPosition = 10;  // factor 2
    sim.clock.SetSleepHook([&](const sim::SleepRecord& r) {
        if (r.toMicros >= 15'000) settings.speedPosition = 40;  // factor 14 from the next event on
    });
    const std::int64_t t0 = sim.clock.MonotonicMicros();
    Play();
    const auto moves = Posted(target, 0x0200);
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[0].micros - t0, 0);
    EXPECT_EQ(moves[1].micros - t0, 15'000);
    EXPECT_EQ(moves[2].micros - t0, 65'000);
}

TEST_F(EventPlayerTest, StopDuringALongDelayEndsWithinFiftyMilliseconds) {
    settings.repeatPosition = 1;
    events = {EventIn(evmsg::kMove, 10, 40, 10'000), EventIn(evmsg::kMove, 20, 40, 0)};
    OneLinePerEvent();
    const std::int64_t t0 = sim.clock.MonotonicMicros();
    std::int64_t stoppedAt = 0;
    sim.clock.SetSleepHook([&](const sim::SleepRecord& r) {
        if (stoppedAt == 0 && r.toMicros - t0 >= 1'000'000) {
            stoppedAt = r.toMicros;
            StopFromMainThread();
        }
    });
    Play();
    EXPECT_EQ(Posted(target, 0x0200).size(), 1u);
    EXPECT_LE(sim.clock.MonotonicMicros() - stoppedAt, 50'000);
    for (const auto& s : sim.clock.Sleeps()) EXPECT_LE(s.toMicros - s.fromMicros, 50'000);
}

TEST_F(EventPlayerTest, WaitsCountFromWhenThePreviousEventWasDueSoTimeDoesNotDrift) {
    settings.repeatPosition = 1;
    for (int i = 0; i < 200; ++i) events.push_back(EventIn(evmsg::kMove, 10 + i % 50, 40, 30));
    OneLinePerEvent();
    // Every post costs the target 7 ms of the player's time.
    sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
        if (!m.sent) sim.clock.Advance(7);
    });
    const std::int64_t t0 = sim.clock.MonotonicMicros();
    Play();
    const auto moves = Posted(target, 0x0200);
    ASSERT_EQ(moves.size(), 200u);
    for (std::size_t k = 0; k < moves.size(); ++k)
        EXPECT_EQ(moves[k].micros - t0, static_cast<std::int64_t>(k) * 30'000) << k;
}

TEST_F(EventPlayerTest, AnEventWithoutADelayDoesNotPushTheScheduleBack) {
    // Presses with their releases at once, as a quick hand or a generated script has them: each post costs
    // 2 ms, which a delay of 0 cannot absorb, and yet every press comes on its 30 ms.
    settings.repeatPosition = 1;
    for (int i = 0; i < 50; ++i) {
        const int x = i % 2 == 0 ? 10 : 60;  // apart, so no press completes a double click
        events.push_back(EventIn(evmsg::kLeftDown, x, 40, 0));
        events.push_back(EventIn(evmsg::kLeftUp, x, 40, 30));
    }
    OneLinePerEvent();
    sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
        if (!m.sent) sim.clock.Advance(2);
    });
    const std::int64_t t0 = sim.clock.MonotonicMicros();
    Play();
    const auto presses = Posted(target, 0x0201);
    ASSERT_EQ(presses.size(), 50u);
    for (std::size_t k = 0; k < presses.size(); ++k)
        EXPECT_EQ(presses[k].micros - t0, static_cast<std::int64_t>(k) * 30'000) << k;
}

TEST_F(EventPlayerTest, ALateEventActsAtOnceAndLaterWaitsCountFromIt) {
    settings.repeatPosition = 1;
    events = {EventIn(evmsg::kMove, 10, 40, 30), EventIn(evmsg::kMove, 20, 40, 30),
              EventIn(evmsg::kMove, 30, 40, 0)};
    OneLinePerEvent();
    int posts = 0;
    sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
        if (!m.sent && ++posts == 1) sim.clock.Advance(100);  // a slow window, once
    });
    const std::int64_t t0 = sim.clock.MonotonicMicros();
    Play();
    const auto moves = Posted(target, 0x0200);
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[1].micros - t0, 100'000);
    EXPECT_EQ(moves[2].micros - t0, 130'000);
}

TEST_F(EventPlayerTest, MemberLinesAreSkippedAndGroupsPlayInOrder) {
    settings.repeatPosition = 1;
    events = {EventIn(evmsg::kMove, 10, 40, 1), EventIn(evmsg::kMove, 20, 40, 1), EventIn(evmsg::kMove, 30, 40, 1)};
    GroupAs({2, 1});
    EventLine member1, member2;
    member1.eventCount = member2.eventCount = 0;
    member1.firstEvent = 0;
    member2.firstEvent = 1;
    lines.insert(lines.begin() + 1, {member1, member2});  // the first group is open
    lines[0].isOpen = true;
    Play();
    std::vector<std::intptr_t> positions;
    for (const auto& m : Posted(target, 0x0200)) positions.push_back(m.lParam);
    EXPECT_EQ(positions, (std::vector<std::intptr_t>{Packed(10, 10), Packed(20, 10), Packed(30, 10)}));
    EXPECT_EQ(view.selected, (std::vector<std::int32_t>{0, 1, 2, 3}));
    // The status line shows where the player got to: the last line of four, and the
    // second run, which found the repeat count reached.
    EXPECT_EQ(EventPlayingStatusText(state, lines.size(), 113, 0), "回放中..第2次:4/4，按【F2】或 Esc 键停止.↖");
}

TEST_F(EventPlayerTest, EachGroupIsSelectedOnceItsFirstEventIsInAndBeforeItsWait) {
    // The main thread repaints the list for a selection: not at the moment an event goes in.
    settings.repeatPosition = 1;
    events = {EventIn(evmsg::kMove, 10, 40, 300), EventIn(evmsg::kMove, 20, 40, 300)};
    OneLinePerEvent();
    std::vector<std::pair<std::size_t, std::int64_t>> atSelection;  // moves posted by then, and when
    view.onSelect = [&](std::int32_t) {
        atSelection.emplace_back(Posted(target, 0x0200).size(), sim.clock.MonotonicMicros());
    };
    Play();
    const auto moves = Posted(target, 0x0200);
    ASSERT_EQ(moves.size(), 2u);
    ASSERT_EQ(atSelection.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(atSelection[i].first, i + 1);
        EXPECT_EQ(atSelection[i].second, moves[i].micros);
    }
}

TEST_F(EventPlayerTest, LinesReachingPastTheEventsPlayOnlyWhatExists) {
    settings.repeatPosition = 1;
    events = {EventIn(evmsg::kMove, 10, 40, 1)};
    GroupAs({5});
    EventLine bogus;
    bogus.firstEvent = -7;
    bogus.eventCount = 3;
    lines.push_back(bogus);
    Play();
    EXPECT_EQ(Posted(target, 0x0200).size(), 2u);
}

TEST_F(EventPlayerTest, EmptyScriptSaysSoAndEnds) {
    ASSERT_EQ(Toggle(), PlaybackToggle::Started);
    const auto boxes = sim.boxes.Shown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "没有脚本，无法播放。");
    EXPECT_EQ(boxes[0].caption, "迅点小侠");
    EXPECT_EQ(boxes[0].flags, 0x10u);
    ASSERT_EQ(view.finished.size(), 1u);
    EventPlayerFinished(services, view.finished[0], EventListFacts{events, lines, modified});
    EXPECT_FALSE(state.playing.load());
    EXPECT_EQ(view.playButton.back(), PlayButtonState::Disabled);
    EXPECT_EQ(view.save.back(), false);
}

TEST_F(EventPlayerTest, IgnoreSkipsMissingWindowsWithoutFurtherPromptsAndTheNextPlaybackAsksAgain) {
    settings.repeatPosition = 2;
    const Rect elsewhere{600, 100, 900, 400};
    events = {EventIn(evmsg::kLeftDown, 10, 40, 10, 1, "计算器", "CalcFrame", elsewhere),
              EventIn(evmsg::kLeftUp, 10, 40, 10, 0, "计算器", "CalcFrame", elsewhere),
              EventIn(evmsg::kMove, 50, 80, 10),
              EventIn(evmsg::kMove, 10, 40, 10, 0, "画图", "MSPaint", elsewhere)};
    GroupAs({2, 1, 1});
    sim.boxes.SetDefaultAnswer(id::kIgnore);
    const std::int64_t t0 = sim.clock.MonotonicMicros();
    Play();
    EXPECT_EQ(sim.boxes.Count(), 1u);
    EXPECT_EQ(PostedTo(target).size(), 2u);  // the move, in each run
    EXPECT_EQ(view.finished.size(), 1u);
    // Skipped events do not wait: only the move's 10 ms, twice.
    EXPECT_EQ(sim.clock.MonotonicMicros() - t0, 20'000);

    Play();
    EXPECT_EQ(sim.boxes.Count(), 2u);
    EXPECT_EQ(PostedTo(target).size(), 4u);
}

TEST_F(EventPlayerTest, EndlessPlaybackOfOnlyIgnoredWindowsPausesBetweenRunsInsteadOfSpinning) {
    settings.repeatPosition = 0;
    events = {EventIn(evmsg::kLeftDown, 10, 40, 0, 1, "计算器", "CalcFrame")};
    OneLinePerEvent();
    sim.boxes.SetDefaultAnswer(id::kIgnore);
    sim.clock.SetSleepHook([&](const sim::SleepRecord&) {
        if (sim.clock.SleepCount() == 3) StopFromMainThread();
    });
    Play();
    const auto sleeps = sim.clock.Sleeps();
    ASSERT_EQ(sleeps.size(), 3u);
    for (const auto& s : sleeps) EXPECT_EQ(s.toMicros - s.fromMicros, 50'000);
    EXPECT_EQ(view.selected.size(), 3u);  // one run per pause
    EXPECT_EQ(sim.boxes.Count(), 1u);
}

TEST_F(EventPlayerTest, RetryAfterTheWindowAppearsGoesOn) {
    settings.repeatPosition = 1;
    const Rect elsewhere{600, 100, 900, 400};
    events = {EventIn(evmsg::kLeftDown, 10, 40, 10, 1, "计算器", "CalcFrame", elsewhere),
              EventIn(evmsg::kLeftUp, 10, 40, 0, 0, "计算器", "CalcFrame", elsewhere)};
    GroupAs({2});
    WindowHandle calculator = kNoWindow;
    sim.boxes.SetResponder([&](const sim::MessageBoxRecord&) -> std::optional<int> {
        calculator = AddTopLevel("计算器", "CalcFrame", elsewhere);
        return id::kRetry;
    });
    Play();
    EXPECT_EQ(sim.boxes.Count(), 1u);
    const auto posted = PostedTo(calculator);
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].message, 0x0201u);
    EXPECT_EQ(posted[0].lParam, Packed(10, 10));
    EXPECT_EQ(view.found.front(), (std::pair<std::int32_t, WindowHandle>{0, calculator}));
}

// With a wait set, a window that is not there yet is waited for (the status line names the event it waits
// for), a stop ends the wait, and only a window still missing at the end brings the box.
TEST_F(EventPlayerTest, AWaitForTheWindowEndsWhenItOpensIsStoppedOrRunsOut) {
    struct Case {
        const char* what;
        std::int64_t opensAtMs;  // -1: never
        std::int64_t stopAtMs;   // -1: never
        std::size_t boxes;
        std::size_t posts;
    };
    const Case cases[] = {
        {"opens at 2.3 s of 5", 2300, -1, 0, 2},
        {"never opens", -1, -1, 1, 0},
        {"stopped during the wait", -1, 1250, 0, 0},
    };
    const Rect elsewhere{600, 100, 900, 400};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim.boxes.Clear();
        sim.boxes.QueueAnswer(id::kAbort);
        settings.repeatPosition = 1;
        settings.waitForWindowSeconds = 5;
        const std::string className = std::string("Calc") + c.what;
        events = {EventIn(evmsg::kLeftDown, 10, 40, 10, 1, "计算器", className, elsewhere),
                  EventIn(evmsg::kLeftUp, 10, 40, 0, 0, "计算器", className, elsewhere)};
        GroupAs({2});
        const std::int64_t start = sim.clock.MonotonicMicros();
        const auto at = [&](std::int64_t ms) { return ms >= 0 && sim.clock.MonotonicMicros() - start >= ms * 1000; };
        WindowHandle opened = kNoWindow;
        std::int32_t waitingFor = -1;
        sim.clock.SetSleepHook([&](const sim::SleepRecord&) {
            if (state.current) waitingFor = std::max(waitingFor, state.current->waitingEvent.load());
            if (opened == kNoWindow && at(c.opensAtMs)) opened = AddTopLevel("计算器", className, elsewhere);
            if (at(c.stopAtMs)) StopFromMainThread();
        });
        Play();
        sim.clock.SetSleepHook(nullptr);
        EXPECT_EQ(waitingFor, 0);
        EXPECT_EQ(state.current->waitingEvent.load(), -1);
        EXPECT_EQ(sim.boxes.Count(), c.boxes);
        EXPECT_EQ(opened != kNoWindow ? PostedTo(opened).size() : 0u, c.posts);
        if (c.opensAtMs >= 0) {
            EXPECT_LE(sim.clock.MonotonicMicros() - start, (c.opensAtMs + 100) * 1000);
        }
        if (state.playing.load()) StopFromMainThread();
    }
}

TEST_F(EventPlayerTest, AbortEndsThePlayback) {
    settings.repeatPosition = 0;
    events = {EventIn(evmsg::kMove, 50, 80, 10),
              EventIn(evmsg::kLeftDown, 10, 40, 10, 1, "计算器", "CalcFrame"),
              EventIn(evmsg::kMove, 50, 80, 10)};
    OneLinePerEvent();
    sim.boxes.QueueAnswer(id::kAbort);
    Play();
    EXPECT_EQ(sim.boxes.Count(), 1u);
    EXPECT_EQ(PostedTo(target).size(), 1u);  // the first move only
    EXPECT_EQ(view.finished.size(), 1u);
    EXPECT_FALSE(state.playing.load());
    EXPECT_FALSE(sim.desktop.IsWindow(overlays.Calls(sim::OverlayCall::CreatePointer)[0].window));
}

TEST_F(EventPlayerTest, StopMidDragInTheBackgroundPostsTheButtonUp) {
    settings.repeatPosition = 1;
    events = {EventIn(evmsg::kLeftDown, 10, 40, 20, 1 | 8), EventIn(evmsg::kMove, 30, 40, 20, 1 | 8),
              EventIn(evmsg::kMove, 60, 50, 20, 1 | 8), EventIn(evmsg::kLeftUp, 90, 50, 0, 8)};
    GroupAs({4});
    int moves = 0;
    sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
        if (m.message == 0x0200 && ++moves == 2) StopFromMainThread();
    });
    Play();
    const auto posted = PostedTo(target);
    ASSERT_EQ(posted.size(), 4u);
    EXPECT_EQ(posted[3].message, 0x0202u);
    EXPECT_EQ(posted[3].wParam, 8u);                   // Ctrl still, no button
    EXPECT_EQ(posted[3].lParam, Packed(60, 20));       // where the drag had got to
}

TEST_F(EventPlayerTest, StopAfterADragLeftItsWindowReleasesToTheWindowThatWasPressed) {
    settings.repeatPosition = 1;
    const Rect paintRect{600, 100, 900, 400};
    const WindowHandle paint = AddTopLevel("画图", "MSPaint", paintRect);
    events = {EventIn(evmsg::kLeftDown, 10, 40, 20, 1),
              EventIn(evmsg::kMove, 20, 50, 20, 1, "画图", "MSPaint", paintRect),
              EventIn(evmsg::kLeftUp, 30, 50, 0, 0, "画图", "MSPaint", paintRect)};
    GroupAs({3});
    sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
        if (m.message == 0x0200) StopFromMainThread();
    });
    Play();
    const auto ups = Posted(target, 0x0202);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0].lParam, Packed(520, 20));  // (620, 150) seen from the pressed window's client area
    EXPECT_TRUE(Posted(paint, 0x0202).empty());
}

TEST_F(EventPlayerTest, StopMidDragInTheForegroundSendsTheButtonUp) {
    settings.repeatPosition = 1;
    settings.foreground = true;
    settings.moveToCurrent = false;
    sim.input.PlaceCursor(Point{5, 5});
    events = {EventIn(evmsg::kRightDown, 10, 40, 20, 2), EventIn(evmsg::kMove, 30, 40, 20, 2),
              EventIn(evmsg::kMove, 60, 50, 20, 2), EventIn(evmsg::kRightUp, 90, 50, 0)};
    GroupAs({4});
    sim.clock.SetSleepHook([&](const sim::SleepRecord& r) {
        if (r.toMicros >= 30'000 && state.playing.load()) StopFromMainThread();
    });
    Play();
    // Each input is followed in its own call by the way back to where the user had the pointer.
    const auto records = sim.input.AllRecords();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].flags, 0xC009u);
    EXPECT_EQ(records[1].flags, 0xC001u);
    EXPECT_EQ(records[2].flags, 0xC011u);
    EXPECT_EQ(records[3].flags, 0xC001u);
    EXPECT_EQ(sim.desktop.KeyState(0x02) & 0x8000, 0);  // VK_RBUTTON is up again
    // Released where it was dragged to: the record carries that point.
    const MouseInputRecord dragEnd = InputRecordAt(sim.desktop.VirtualScreen(), Point{130, 140}, 0);
    EXPECT_EQ(std::pair(records[2].dx, records[2].dy), std::pair(dragEnd.dx, dragEnd.dy));
    // The move back went first; the release, taken after it, still leaves the pointer back.
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{5, 5}));
}

TEST_F(EventPlayerTest, AStalePlayerStopsWhenANewerPlaybackHasStarted) {
    settings.repeatPosition = 0;
    OneClick();
    std::function<void()> firstWork;  // the first player runs only after the second has started
    const auto deferred = [&](std::function<void()> work) {
        firstWork = std::move(work);
        return true;
    };
    ASSERT_EQ(ToggleEventPlayback(services, deferred, EventListFacts{events, lines, modified}),
              PlaybackToggle::Started);
    StopFromMainThread();
    // The second playback ends after one run.
    settings.repeatPosition = 1;
    ASSERT_EQ(Toggle(), PlaybackToggle::Started);
    const std::size_t postsOfSecond = PostedTo(target).size();
    firstWork();
    EXPECT_EQ(PostedTo(target).size(), postsOfSecond);
    EXPECT_EQ(view.finished.size(), 1u);  // the second's only
}

// The program's own starter: the player on a detached thread of its own, still in virtual time.
class FinishSignal final : public IEventPlayerView {
public:
    void SetPlayButton(PlayButtonState) override {}
    void EnableEditing(bool) override {}
    void EnableSave(bool) override {}
    void CloseSelectionHint() override {}
    void ShowCaptionAsStatus() override {}
    void PostSelectLine(std::uint64_t, std::int32_t) override {}
    void PostPlayerFinished(std::uint64_t generation) override { finished.set_value(generation); }
    void PostEventWindow(std::uint64_t, std::int32_t, WindowHandle) override {}
    void PostEnableMainWindow(bool) override {}
    void PostRepaintMainWindow() override {}
    std::promise<std::uint64_t> finished;
};

TEST_F(EventPlayerTest, PlaysOnADetachedThreadAndReportsItsEndToTheMainThread) {
    settings.repeatPosition = 2;
    OneClick();
    FinishSignal signal;
    EventPlayerServices onThread{state,     settings,  signal,       sim.desktop, sim.input,
                                 sim.clock, sim.boxes, sim.codePage, overlays,    services.effects};
    auto finished = signal.finished.get_future();
    ASSERT_EQ(ToggleEventPlayback(onThread, DetachedThreadStarter(), EventListFacts{events, lines, modified}),
              PlaybackToggle::Started);
    const std::uint64_t generation = finished.get();
    EXPECT_EQ(generation, state.generation.load());
    EXPECT_EQ(Posted(target, 0x0201).size(), 2u);
    EventPlayerFinished(onThread, generation, EventListFacts{events, lines, modified});
    EXPECT_FALSE(state.playing.load());
}

TEST_F(EventPlayerTest, AThreadThatCannotStartLeavesThePlaybackReady) {
    OneClick();
    const auto refused = [](std::function<void()>) { return false; };
    EXPECT_EQ(ToggleEventPlayback(services, refused, EventListFacts{events, lines, modified}),
              PlaybackToggle::NotStarted);
    EXPECT_FALSE(state.playing.load());
    EXPECT_EQ(view.playButton.back(), PlayButtonState::Ready);
    EXPECT_FALSE(sim.desktop.IsWindow(overlays.Calls(sim::OverlayCall::CreatePointer)[0].window));
}

TEST_F(EventPlayerTest, MoveToStartSlidesTheHintWindowFromThePointerToTheFirstEvent) {
    settings.repeatPosition = 1;
    settings.moveToStart = true;
    settings.virtualPointer = true;
    sim.input.PlaceCursor(Point{300, 200});
    events = {EventIn(evmsg::kLeftDown, 50, 80, 0, 1)};
    OneLinePerEvent();
    Play();
    const auto places = overlays.Calls(sim::OverlayCall::PlacePointer);
    // At the pointer, then from its top-left corner towards the event's point.
    ASSERT_GT(places.size(), 3u);
    EXPECT_EQ(places[0].point, (Point{301, 201}));
    EXPECT_EQ(places[1].point, (Point{300, 200}));
    EXPECT_EQ(places[2].point, (Point{297, 200}));  // 0.4 down rounds away
    const auto down = Posted(target, 0x0201);
    ASSERT_EQ(down.size(), 1u);
    // The event is played once the hint has arrived: placed at (150, 180), then at P + 1.
    EXPECT_EQ(places[places.size() - 2].point, (Point{150, 180}));
    EXPECT_EQ(places.back().point, (Point{151, 181}));
    EXPECT_EQ(view.repaints, 1);
    EXPECT_EQ(view.mainEnabled, (std::vector<bool>{false, true}));
}

TEST_F(EventPlayerTest, MoveToStartInTheForegroundMovesTheRealPointer) {
    settings.repeatPosition = 1;
    settings.moveToStart = true;
    settings.foreground = true;
    settings.moveToCurrent = true;
    sim.input.PlaceCursor(Point{300, 200});
    events = {EventIn(evmsg::kLeftDown, 50, 80, 0, 1), EventIn(evmsg::kLeftUp, 50, 80, 0)};
    GroupAs({2});
    Play();
    const auto moves = sim.input.CursorMoves();
    ASSERT_GT(moves.size(), 3u);
    EXPECT_EQ(moves[0].point, (Point{297, 200}));
    EXPECT_EQ(sim.input.AllRecords().size(), 2u);
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{150, 180}));
}

}  // namespace
}  // namespace xd::test
