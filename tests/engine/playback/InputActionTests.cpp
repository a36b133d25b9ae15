#include "PlaybackFixture.h"
#include "engine/playback/InputActions.h"
#include "engine/playback/RandomOffset.h"
#include "engine/playback/Timing.h"

namespace xd::test {
namespace {

using InputActionTest = PlaybackFixture;

struct ButtonCase {
    int code;
    std::uint32_t down, up;
    std::uintptr_t wParam;
    std::uint32_t ncDown, ncUp, inputDown, inputUp;
};

constexpr ButtonCase kButtons[] = {
    {1, 0x0201, 0x0202, 0x0001, 0x00A1, 0x00A2, 0xC003, 0xC005},
    {2, 0x0204, 0x0205, 0x0002, 0x00A4, 0x00A5, 0xC009, 0xC011},
    {3, 0x0207, 0x0208, 0x0010, 0x00A7, 0x00A8, 0xC021, 0xC041},
};

std::vector<std::uint32_t> Kinds(const std::vector<sim::MessageRecord>& messages) {
    std::vector<std::uint32_t> kinds;
    for (const auto& m : messages) kinds.push_back(m.message);
    return kinds;
}

TEST_F(InputActionTest, BackgroundClickPostsClientOrNonClientMessages) {
    for (const auto& b : kButtons) {
        SCOPED_TRACE(b.code);
        ChooseTarget();
        sim.desktop.ClearMessages();
        ASSERT_EQ(PerformClick(runner, b.code, 40, 50, 1, 650), 0);  // inside the client area
        ASSERT_EQ(PerformClick(runner, b.code, 60, -15, 1, 0), 0);   // on the 30-pixel title bar
        const auto t = ButtonTraffic();
        ASSERT_EQ(Kinds(t), (std::vector<std::uint32_t>{b.down, b.up, msg::kNcHitTest, b.ncDown, b.ncUp}));
        for (int i : {0, 1}) {
            EXPECT_EQ(t[i].wParam, b.wParam);
            EXPECT_EQ(t[i].lParam, Packed(40, 50));  // client coordinates
        }
        EXPECT_TRUE(t[2].sent);
        for (int i : {2, 3, 4}) EXPECT_EQ(t[i].lParam, Packed(160, 115));  // screen coordinates
        EXPECT_EQ(t[3].wParam, 2u);  // HTCAPTION, as the window answered
        EXPECT_EQ(t[4].wParam, 2u);
    }
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{700, 600}));
    EXPECT_TRUE(sim.input.Batches().empty());
}

TEST_F(InputActionTest, ForegroundClickInjectsDownAndUpInOneCall) {
    config.foregroundMode = 1;
    for (int moveMouse : {0, 1}) {
        for (const auto& b : kButtons) {
            SCOPED_TRACE(testing::Message() << b.code << " move " << moveMouse);
            ChooseTarget();
            config.moveMouse = moveMouse;
            sim.input.Clear();
            sim.input.PlaceCursor(Point{700, 600});
            ASSERT_EQ(PerformClick(runner, b.code, 40, 50, 1, 0), 0);
            const auto batches = sim.input.Batches();
            ASSERT_EQ(batches.size(), 1u);
            // (140, 180) on a 1920 x 1080 screen: ceil(x * 65536 / width). With 移动鼠标 off the input acts
            // where the pointer is: no move in it.
            const std::uint32_t keep = moveMouse ? ~0u : ~mouseevent::kMove;
            EXPECT_EQ(batches[0].records, (std::vector<MouseInputRecord>{{4779, 10923, 0, b.inputDown & keep, 0},
                                                                         {4779, 10923, 0, b.inputUp & keep, 0}}));
            EXPECT_TRUE(ButtonTraffic().empty());
            const auto moves = sim.input.CursorMoves();
            if (moveMouse == 0) {
                EXPECT_TRUE(moves.empty());
            } else {
                // The approach left the pointer on the point: no warp to where it already is delays the press.
                ASSERT_GE(moves.size(), 2u);
                EXPECT_EQ(moves[moves.size() - 2].point, (Point{140, 180}));
                EXPECT_LT(moves[moves.size() - 2].micros, batches[0].micros);
                EXPECT_EQ(moves.back().point, (Point{140, 180}));  // back where the approach left it
            }
        }
    }
}

TEST_F(InputActionTest, AForegroundPressWhereThePointerIsNotWarpsThereAndBack) {
    // The user moved the pointer during the approach's last wait: the press still acts on its point, and
    // the pointer goes back to where the user left it.
    config.foregroundMode = 1;
    config.moveMouse = 1;
    ChooseTarget();
    runner.run->nextApproachMs = 50;
    sim.input.Clear();
    sim.clock.SetSleepHook([this](const sim::SleepRecord&) { sim.input.PlaceCursor(Point{700, 600}); });
    ASSERT_EQ(PerformClick(runner, 1, 40, 50, 1, 0), 0);
    sim.clock.SetSleepHook(nullptr);
    const auto moves = sim.input.CursorMoves();
    const auto batches = sim.input.Batches();
    ASSERT_EQ(batches.size(), 1u);
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(moves[moves.size() - 2].point, (Point{140, 180}));
    EXPECT_LE(moves[moves.size() - 2].micros, batches[0].micros);
    EXPECT_EQ(moves.back().point, (Point{700, 600}));
}

// SendInput only queues; the simulation takes the queue at its worst moment, after the next SetCursorPos.
// Each press, wheel turn and release still acts on its own point.
TEST_F(InputActionTest, ForegroundInputActsOnItsOwnPointWhereverThePointerIsWhenTheSystemTakesIt) {
    config.foregroundMode = 1;
    ChooseTarget();
    std::vector<std::pair<std::uint32_t, Point>> seen;
    sim.hooks.InstallMouseHook([&](int, const LowLevelMouseEvent& e, std::uintptr_t) {
        if (e.message != msg::kMouseMove) seen.emplace_back(e.message, e.point);
    });
    // 移动鼠标 off: the pointer stays over there at (700, 600), and so does the input.
    config.moveMouse = 0;
    ASSERT_EQ(PerformClick(runner, 2, 40, 50, 1, 0), 0);
    sim.input.PlaceCursor(Point{700, 600});
    ASSERT_EQ(PerformWheel(runner, -120, 60, 50, 1, 0), 0);
    // The user has the pointer during the last wait: the click warps there, and back at once.
    config.moveMouse = 1;
    run.nextApproachMs = 50;
    sim.clock.SetSleepHook([this](const sim::SleepRecord&) { sim.input.PlaceCursor(Point{700, 600}); });
    ASSERT_EQ(PerformClick(runner, 1, 40, 50, 1, 0), 0);
    sim.clock.SetSleepHook(nullptr);
    // Taken after the move back, the press still brings the pointer home behind it.
    sim.input.DeliverHeldInput();
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{700, 600}));
    // The drag's first step moves on before its press is taken, the next statement's glide before its release.
    ASSERT_EQ(PerformDrag(runner, 3, 10, 10, 110, 10, 100, 0), 0);
    ASSERT_EQ(PerformClick(runner, 4, 200, 200, 1, 500), 0);
    sim.input.DeliverHeldInput();
    const std::vector<std::pair<std::uint32_t, Point>> expected{
        {msg::kRButtonDown, {700, 600}}, {msg::kRButtonUp, {700, 600}}, {msg::kMouseWheel, {700, 600}},
        {msg::kLButtonDown, {140, 180}}, {msg::kLButtonUp, {140, 180}}, {msg::kMButtonDown, {110, 140}},
        {msg::kMButtonUp, {210, 140}}};
    EXPECT_EQ(seen, expected);
}

TEST_F(InputActionTest, RepeatsAreOneMillisecondApartAndOtherCodesPressNothing) {
    ChooseTarget();
    ASSERT_EQ(PerformClick(runner, 1, 10, 10, 2, 500), 0);
    const auto downs = MessagesTo(msg::kLButtonDown);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[1].micros - downs[0].micros, 1000);
    EXPECT_EQ(run.nextApproachMs.load(), 496u);

    for (int foreground : {0, 1}) {
        config.foregroundMode = foreground;
        sim.desktop.ClearMessages();
        sim.input.Clear();
        EXPECT_EQ(PerformClick(runner, 4, 10, 10, 1, 0), 0);
        EXPECT_EQ(PerformDrag(runner, 0, 10, 10, 20, 20, 100, 0), 0);
        EXPECT_TRUE(ButtonTraffic().empty());
        EXPECT_TRUE(sim.input.Batches().empty());
        EXPECT_EQ(runner.overlayCorner, (Point{121, 151}));  // the pointer still went there
    }
}

TEST_F(InputActionTest, RandomOffsetStaysWithinHalfTheWidth) {
    ChooseTarget();
    config.randomOffset = 10;
    ASSERT_EQ(PerformClick(runner, 1, 100, 100, 200, 0), 0);
    int changes = 0;
    std::intptr_t previous = -1;
    for (const auto& m : MessagesTo(msg::kLButtonDown)) {
        EXPECT_LE(std::abs(static_cast<int>(m.lParam & 0xFFFF) - 100), 5);
        EXPECT_LE(std::abs(static_cast<int>((m.lParam >> 16) & 0xFFFF) - 100), 5);
        changes += m.lParam != previous;
        previous = m.lParam;
    }
    EXPECT_GT(changes, 100);
    const std::tuple<std::int32_t, double, int> cases[] = {
        {10, 0.0, -5}, {10, 0.5, 0}, {10, 0.9999, 5}, {5, 0.0, -2}, {5, 0.9999, 2}, {-10, 0.0, 5}};
    for (const auto& [width, u, offset] : cases) EXPECT_EQ(JitterFromUniform(width, u), offset) << width << " " << u;
}

TEST_F(InputActionTest, BackgroundDragPressesGlidesAndReleasesInTheClientArea) {
    ChooseTarget();
    ASSERT_EQ(PerformClick(runner, 4, 10, 10, 1, 2), 0);
    sim.desktop.ClearMessages();
    ASSERT_EQ(PerformDrag(runner, 1, 10, 10, 110, 10, 500, 0), 0);
    const auto all = sim.desktop.MessagesTo(target);
    const auto down = std::find_if(all.begin(), all.end(), [](auto& m) { return m.message == msg::kLButtonDown; });
    ASSERT_NE(down, all.end());
    EXPECT_EQ(down->wParam, mk::kLButton);
    EXPECT_EQ(down->lParam, Packed(10, 10));
    EXPECT_EQ(all.back().message, msg::kLButtonUp);
    EXPECT_EQ(all.back().lParam, Packed(110, 10));

    const std::vector<sim::MessageRecord> glide(down + 1, all.end() - 1);
    ASSERT_EQ(glide.size(), 50u);
    for (std::size_t i = 0; i < glide.size(); ++i) {
        EXPECT_EQ(glide[i].message, msg::kMouseMove);
        EXPECT_EQ(glide[i].wParam, 0u);
        const std::int64_t at = i + 1 == glide.size() ? 500'000 : static_cast<std::int64_t>(i) * 10'000;
        EXPECT_EQ(glide[i].micros - down->micros, at);
    }
    EXPECT_EQ(all.back().micros - down->micros, 500'000);
}

TEST_F(InputActionTest, DragOfNoDurationReleasesAtOnceAtTheEnd) {
    for (int duration : {0, -500}) {
        ChooseTarget();
        sim.desktop.ClearMessages();
        const std::int64_t before = sim.clock.MonotonicMicros();
        ASSERT_EQ(PerformDrag(runner, 2, 10, 10, 60, 70, duration, 0), 0);
        const auto all = sim.desktop.MessagesTo(target);
        ASSERT_GE(all.size(), 3u);
        const std::vector<sim::MessageRecord> tail(all.end() - 3, all.end());
        EXPECT_EQ(Kinds(tail), (std::vector<std::uint32_t>{msg::kRButtonDown, msg::kMouseMove, msg::kRButtonUp}));
        EXPECT_EQ(tail[1].lParam, Packed(60, 70));
        EXPECT_EQ(tail[2].micros, tail[0].micros);
        EXPECT_LT(sim.clock.MonotonicMicros() - before, 2'000'000);  // never a 25-day crawl
    }
}

TEST_F(InputActionTest, DragFromTheTitleBarIsTwoNonClientClicks) {
    ChooseTarget();
    ASSERT_EQ(PerformDrag(runner, 1, 10, -10, 200, -10, 100, 0), 0);
    const auto t = ButtonTraffic();
    const std::uint32_t click[] = {msg::kNcHitTest, msg::kNcLButtonDown, msg::kNcLButtonUp};
    ASSERT_EQ(t.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(t[i].message, click[i % 3]);
    EXPECT_EQ(t[0].lParam, Packed(110, 120));
    EXPECT_EQ(t[5].lParam, Packed(300, 120));
}

TEST_F(InputActionTest, ForegroundDragPressesAtStartAndLeavesThePointerAtTheEnd) {
    ChooseTarget();
    config.foregroundMode = 1;
    config.moveMouse = 0;
    ASSERT_EQ(PerformDrag(runner, 1, 10, 10, 110, 10, 100, 0), 0);
    const auto records = sim.input.AllRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].flags, 0xC003u);
    EXPECT_EQ(records[1].flags, 0xC005u);
    EXPECT_EQ(sim.input.CursorMoves().front().point, (Point{110, 140}));  // whatever 移动鼠标 says
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{210, 140}));
}

TEST_F(InputActionTest, StopMidDragLetsTheButtonGo) {
    for (int foreground : {0, 1}) {
        SCOPED_TRACE(foreground);
        ChooseTarget();
        config.foregroundMode = foreground;
        ClearStop();
        run.nextApproachMs = StoredWait(-1);  // no approach: the sleeps are the drag's
        sim.desktop.ClearMessages();
        sim.input.Clear();
        StopAfterSleeps(10);
        ASSERT_EQ(PerformDrag(runner, 1, 10, 10, 110, 10, 500, 0), 99);
        if (foreground) {
            const auto records = sim.input.AllRecords();
            ASSERT_EQ(records.size(), 2u);
            EXPECT_EQ(records.back().flags, 0xC005u);
        } else {
            const auto t = ButtonTraffic();
            ASSERT_EQ(Kinds(t), (std::vector<std::uint32_t>{msg::kLButtonDown, msg::kLButtonUp}));
            EXPECT_EQ(t.back().lParam, MessagesTo(msg::kMouseMove).back().lParam);  // where the pointer got to
        }
    }
}

TEST_F(InputActionTest, WheelTurnsOneNotchPerRepetition) {
    ChooseTarget();
    ASSERT_EQ(PerformWheel(runner, -120, 50, 50, 3, 300), 0);
    const auto wheels = MessagesTo(msg::kMouseWheel);
    ASSERT_EQ(wheels.size(), 3u);
    for (std::size_t i = 0; i < wheels.size(); ++i) {
        EXPECT_EQ(wheels[i].wParam, 0xFF880000u);       // delta high, no key state low
        EXPECT_EQ(wheels[i].lParam, Packed(150, 180));  // screen coordinates
        EXPECT_EQ(wheels[i].micros - wheels[0].micros, static_cast<std::int64_t>(i) * 1000);
    }
    EXPECT_EQ(run.nextApproachMs.load(), 294u);

    config.foregroundMode = 1;
    ASSERT_EQ(PerformWheel(runner, 120, 50, 50, 2, 0), 0);
    const auto batches = sim.input.Batches();
    ASSERT_EQ(batches.size(), 2u);
    for (const auto& b : batches) EXPECT_EQ(b.records, (std::vector<MouseInputRecord>{{5120, 10923, 120, 0xC801, 0}}));
}

TEST_F(InputActionTest, StopAfterARepetitionEndsTheStatement) {
    ChooseTarget();
    sim.desktop.SetMessageObserver([this](const sim::MessageRecord& m) {
        if (m.message == msg::kLButtonUp || m.message == msg::kMouseWheel) stopFlag = true;
    });
    EXPECT_EQ(PerformClick(runner, 1, 10, 10, 5, 0), 99);
    EXPECT_EQ(MessagesTo(msg::kLButtonDown).size(), 1u);
    ClearStop();
    EXPECT_EQ(PerformWheel(runner, 120, 10, 10, 5, 0), 99);
    EXPECT_EQ(MessagesTo(msg::kMouseWheel).size(), 1u);
}

TEST_F(InputActionTest, HungTargetGetsItsNonClientClicksAfterTheHitTestTimesOut) {
    // No answer within the limit: the click still goes, with HTNOWHERE, which the
    // target ignores once it wakes; the runner waited only the limit each time.
    ChooseTarget();
    run.nextApproachMs = StoredWait(-1);  // no approach: the time is the hit tests'
    sim.desktop.SetHung(target, true);
    const std::int64_t before = sim.clock.MonotonicMicros();
    ASSERT_EQ(PerformClick(runner, 1, 60, -15, 1, 0), 0);
    const std::int64_t clickTook = sim.clock.MonotonicMicros() - before;
    EXPECT_EQ(clickTook, (kHitTestTimeoutMs + 1) * 1000);  // the limit and the pause after the click
    ASSERT_EQ(PerformDrag(runner, 2, 60, -15, 90, -15, 0, 0), 0);
    const auto t = ButtonTraffic();
    ASSERT_EQ(Kinds(t), (std::vector<std::uint32_t>{msg::kNcHitTest, 0x00A1, 0x00A2, msg::kNcHitTest, 0x00A4,
                                                    0x00A5, msg::kNcHitTest, 0x00A4, 0x00A5}));
    for (const auto& m : t) {
        if (m.message != msg::kNcHitTest) {
            EXPECT_EQ(m.wParam, 0u);
        }
    }
}

TEST_F(InputActionTest, StopDuringAHungHitTestPostsNothingMore) {
    ChooseTarget();
    sim.desktop.SetHung(target, true);
    sim.desktop.SetMessageObserver([this](const sim::MessageRecord& m) {
        if (m.message == msg::kNcHitTest) stopFlag = true;
    });
    EXPECT_EQ(PerformClick(runner, 1, 60, -15, 3, 0), 99);
    ClearStop();
    EXPECT_EQ(PerformDrag(runner, 1, 60, -15, 90, -15, 100, 0), 99);
    EXPECT_EQ(Kinds(ButtonTraffic()), (std::vector<std::uint32_t>{msg::kNcHitTest, msg::kNcHitTest}));
}

}  // namespace
}  // namespace xd::test
