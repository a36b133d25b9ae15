#include "EventPlayerFixture.h"

namespace xd::test {
namespace {

class EventStepTest : public EventPlayerFixture {
protected:
    EventStepTest() { settings.repeatPosition = 1; }
};

TEST_F(EventStepTest, BackgroundClickIsPostedAtItsPlaceInTheClientAreaWithItsKeyFlags) {
    events = {EventIn(evmsg::kLeftDown, 50, 80, 10, evflag::kLeft | evflag::kCtrl),
              EventIn(evmsg::kLeftUp, 50, 80, 0, evflag::kCtrl)};
    OneLinePerEvent();
    ASSERT_EQ(Play(), PlaybackToggle::Started);
    const auto posted = PostedTo(target);
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].message, 0x0201u);
    EXPECT_EQ(posted[0].wParam, 9u);
    EXPECT_EQ(posted[0].lParam, Packed(50, 50));  // client origin (100, 130)
    EXPECT_EQ(posted[1].message, 0x0202u);
    EXPECT_EQ(posted[1].wParam, 8u);
    // The window found is handed back for the main window's own list.
    ASSERT_FALSE(view.found.empty());
    EXPECT_EQ(view.found[0], (std::pair<std::int32_t, WindowHandle>{0, target}));
}

TEST_F(EventStepTest, ThirdEventOfDownUpDownWithinTimeAndRectangleIsPostedAsADoubleClick) {
    sim.desktop.SetDoubleClick(500, Point{4, 4});
    events = {EventIn(evmsg::kLeftDown, 50, 80, 90, 1), EventIn(evmsg::kLeftUp, 50, 80, 90),
              EventIn(evmsg::kLeftDown, 52, 81, 90, 1), EventIn(evmsg::kLeftUp, 52, 81, 0),
              EventIn(evmsg::kRightDown, 52, 81, 10, 2), EventIn(evmsg::kRightUp, 52, 81, 0)};
    GroupAs({2, 2, 2});
    Play();
    std::vector<std::uint32_t> messages;
    for (const auto& m : PostedTo(target)) messages.push_back(m.message);
    EXPECT_EQ(messages, (std::vector<std::uint32_t>{0x0201, 0x0202, 0x0203, 0x0202, 0x0204, 0x0205}));

    // Slower than the system's double-click time: two plain downs.
    sim.desktop.ClearMessages();
    sim.desktop.SetDoubleClick(179, Point{4, 4});
    Play();
    EXPECT_EQ(Posted(target, 0x0203).size(), 0u);
    EXPECT_EQ(Posted(target, 0x0201).size(), 2u);
}

TEST_F(EventStepTest, ClickOnTheTitleBarIsPostedInItsNonClientFormWithTheHitTestCode) {
    sim.desktop.SetHitTester(target, [](Point p) { return p.x < 140 ? std::intptr_t{3} : std::intptr_t{2}; });
    events = {EventIn(evmsg::kLeftDown, 60, 10, 10, 1), EventIn(evmsg::kLeftUp, 60, 10, 10),
              EventIn(evmsg::kMove, 20, 12, 10), EventIn(evmsg::kWheel, 20, 12, 0, 120 << 16)};
    OneLinePerEvent();
    Play();
    const auto posted = PostedTo(target);
    ASSERT_EQ(posted.size(), 3u);  // the wheel on the frame is not posted
    EXPECT_EQ(posted[0].message, 0x00A1u);
    EXPECT_EQ(posted[0].wParam, 2u);                   // HTCAPTION
    EXPECT_EQ(posted[0].lParam, Packed(160, 110));     // screen coordinates
    EXPECT_EQ(posted[1].message, 0x00A2u);
    EXPECT_EQ(posted[2].message, 0x00A0u);
    EXPECT_EQ(posted[2].wParam, 3u);  // HTSYSMENU, as the window answered
    EXPECT_EQ(posted[2].lParam, Packed(120, 112));
    // Each post asked the window where the point is.
    EXPECT_EQ(sim.desktop.MessagesTo(target).size(), 6u);
}

TEST_F(EventStepTest, HungWindowOnTheFrameGetsNowhereAfterAShortLimit) {
    sim.desktop.SetHung(target, true);
    events = {EventIn(evmsg::kLeftDown, 60, 10, 0, 1), EventIn(evmsg::kLeftUp, 60, 10, 0)};
    OneLinePerEvent();
    const std::int64_t t0 = sim.clock.MonotonicMicros();
    Play();
    const auto posted = PostedTo(target);
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].message, 0x00A1u);
    EXPECT_EQ(posted[0].wParam, 0u);  // HTNOWHERE
    EXPECT_EQ(sim.clock.MonotonicMicros() - t0, 200'000);  // 100 ms per question
}

TEST_F(EventStepTest, WheelIsPostedWithScreenCoordinatesAndTheDeltaInTheParameter) {
    events = {EventIn(evmsg::kWheel, 50, 80, 10, static_cast<std::int32_t>(0xFF880008u)),
              EventIn(evmsg::kHWheel, 50, 80, 0, 120 << 16)};
    OneLinePerEvent();
    Play();
    const auto posted = PostedTo(target);
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].message, 0x020Au);
    EXPECT_EQ(posted[0].wParam, 0xFF880008u);  // −120, Ctrl
    EXPECT_EQ(posted[0].lParam, Packed(150, 180));
    EXPECT_EQ(posted[1].message, 0x020Eu);
    EXPECT_EQ(posted[1].lParam, Packed(150, 180));
}

TEST_F(EventStepTest, BackgroundDownsShowTheClickEffectAndTheHintFollowsThePoint) {
    events = {EventIn(evmsg::kRightDown, 50, 80, 10, 2), EventIn(evmsg::kRightUp, 50, 80, 0)};
    OneLinePerEvent();
    Play();
    const auto effects = overlays.Calls(sim::OverlayCall::PlaceClickEffect);
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0].point, (Point{130, 160}));
    EXPECT_EQ(slots.slots[0].message, 516);
    const auto places = overlays.Calls(sim::OverlayCall::PlacePointer);
    ASSERT_FALSE(places.empty());
    EXPECT_EQ(places.back().point, (Point{151, 181}));

    settings.clickEffect = false;
    settings.virtualPointer = false;
    Play();
    EXPECT_EQ(overlays.Calls(sim::OverlayCall::PlaceClickEffect).size(), 1u);
    EXPECT_FALSE(overlays.Calls(sim::OverlayCall::Hide).empty());
}

TEST_F(EventStepTest, UnknownMessageCodesAreNotPosted) {
    events = {EventIn(0x0010, 50, 80, 10), EventIn(evmsg::kLeftUp, 50, 80, 0)};
    OneLinePerEvent();
    Play();
    const auto posted = PostedTo(target);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].message, 0x0202u);
}

TEST_F(EventStepTest, ForegroundSendsAbsoluteInputAtEachEventAndPutsThePointerBack) {
    settings.foreground = true;
    settings.moveToCurrent = false;
    sim.input.PlaceCursor(Point{5, 5});
    events = {EventIn(evmsg::kLeftDown, 50, 80, 10, 1), EventIn(evmsg::kMove, 60, 90, 10, 1),
              EventIn(evmsg::kLeftUp, 60, 90, 10), EventIn(evmsg::kWheel, 60, 90, 0, -120 * 65536)};
    GroupAs({3, 1});
    Play();
    // Each input is followed, in the same call, by the way back to where the pointer was.
    const auto records = sim.input.AllRecords();
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[0].flags, 0xC003u);
    EXPECT_EQ(records[2].flags, 0xC005u);
    EXPECT_EQ(records[4].flags, 0xC801u);
    EXPECT_EQ(records[4].mouseData, static_cast<std::uint32_t>(-120));
    for (std::size_t i : {1u, 3u, 5u}) EXPECT_EQ(records[i].flags, 0xC001u);
    // Only the move event warps; every event is followed by a warp back to where the pointer was. Taken from
    // the queue after that (SimInput's worst case), the input still leaves the pointer back, where the next
    // event finds it.
    std::vector<Point> moves;
    for (const auto& m : sim.input.CursorMoves()) moves.push_back(m.point);
    EXPECT_EQ(moves, (std::vector<Point>{{5, 5}, {160, 190}, {5, 5}, {5, 5}, {5, 5}}));
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{5, 5}));
    EXPECT_TRUE(PostedTo(target).empty());
    // The hint window stands in for the pointer, one pixel off the event.
    const auto places = overlays.Calls(sim::OverlayCall::PlacePointer);
    EXPECT_EQ(places.back().point, (Point{161, 191}));
}

TEST_F(EventStepTest, ForegroundWithMoveToCurrentLeavesThePointerAtTheEventAndHidesTheHint) {
    settings.foreground = true;
    settings.moveToCurrent = true;
    sim.input.PlaceCursor(Point{5, 5});
    events = {EventIn(evmsg::kMiddleDown, 50, 80, 10, 0x10), EventIn(evmsg::kMiddleUp, 70, 80, 0)};
    OneLinePerEvent();
    Play();
    const auto records = sim.input.AllRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].flags, 0xC021u);
    EXPECT_EQ(records[1].flags, 0xC041u);
    // The input moves the pointer itself: no warp races it.
    EXPECT_TRUE(sim.input.CursorMoves().empty());
    sim.input.DeliverHeldInput();
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{170, 180}));
    EXPECT_GE(overlays.Calls(sim::OverlayCall::Hide).size(), 2u);
    // The click effect marks the foreground press too.
    const auto effects = overlays.Calls(sim::OverlayCall::PlaceClickEffect);
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0].point, (Point{130, 160}));
}

// SendInput only queues; the simulation takes the queue at its worst moment, after the next SetCursorPos:
// the move back, or with the move-to-current option the next event's move. Each press, release and wheel
// turn still acts on its own event's point.
TEST_F(EventStepTest, ForegroundInputActsOnItsEventsPointWhereverThePointerIsWhenTheSystemTakesIt) {
    settings.foreground = true;
    std::vector<std::pair<std::uint32_t, Point>> seen;
    sim.hooks.InstallMouseHook([&](int, const LowLevelMouseEvent& e, std::uintptr_t) {
        if (e.message != msg::kMouseMove) seen.emplace_back(e.message, e.point);
    });
    events = {EventIn(evmsg::kRightDown, 50, 80, 0, evflag::kRight), EventIn(evmsg::kRightUp, 60, 90, 0),
              EventIn(evmsg::kHWheel, 70, 90, 0, 120 << 16)};
    OneLinePerEvent();
    for (const bool moveToCurrent : {false, true}) {
        SCOPED_TRACE(moveToCurrent);
        settings.moveToCurrent = moveToCurrent;
        sim.input.PlaceCursor(Point{5, 5});
        seen.clear();
        Play();
        sim.input.DeliverHeldInput();
        const std::vector<std::pair<std::uint32_t, Point>> expected{
            {msg::kRButtonDown, {150, 180}}, {msg::kRButtonUp, {160, 190}}, {msg::kMouseHWheel, {170, 190}}};
        EXPECT_EQ(seen, expected);
    }
}

}  // namespace
}  // namespace xd::test
