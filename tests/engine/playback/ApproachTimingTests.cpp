#include <algorithm>
#include <limits>
#include <string_view>

#include "PlaybackFixture.h"
#include "engine/playback/ApproachPoint.h"
#include "engine/playback/InputActions.h"
#include "engine/playback/Timing.h"

namespace xd::test {
namespace {

using ApproachTest = PlaybackFixture;

struct DurationCase {
    std::uint32_t stored;
    float speed;
    std::int64_t expectedMs;
};

TEST_F(ApproachTest, LastsTheStoredWaitOverTheSpeed) {
    const DurationCase cases[] = {
        {0, 1.0f, 1000},                         // nothing stored: the first action
        {648, 1.0f, 648},                        // a click of wait 650, count 1
        {1000, 2.0f, 500},                       // twice as fast
        {1000, 0.5f, 2000},                      // half as fast
        {1000, 0.0f, 1000},                      // speed 0 plays at 1
        {5, 2.0f, 2},                            // 2.5 rounds half to even
        {StoredWait(-2), 1.0f, 0},               // wait below twice the count: no crawl
        {StoredWait(-1000), -1.0f, 0},           // a negative speed does not undo it
        {1000, -1.0f, 0},                        // negative quotient
        {2'000'000'000u, 1e-6f, 0},              // beyond 32 bits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored << " / " << c.speed);
        ChooseTarget();
        config.speed = c.speed;
        run.nextApproachMs = c.stored;
        runner.dueMicros.reset();
        const std::int64_t start = sim.clock.MonotonicMicros();
        ASSERT_EQ(ApproachPoint(runner, 77, 10, 10), 0);
        EXPECT_EQ(sim.clock.MonotonicMicros() - start, c.expectedMs * 1000);
        EXPECT_EQ(run.nextApproachMs.load(), 77u);
        if (c.speed == 0.0f) {
            EXPECT_EQ(config.speed.load(), 1.0f);
        }
    }
}

TEST_F(ApproachTest, GlidesInTenMillisecondStepsAndArrivesOnTime) {
    ChooseTarget();
    runner.overlayCorner = Point{kClientOrigin.x + 1, kClientOrigin.y + 1};
    run.nextApproachMs = 500;
    const std::int64_t start = sim.clock.MonotonicMicros();
    ASSERT_EQ(ApproachPoint(runner, 0, 200, 100), 0);

    const auto moves = MessagesTo(msg::kMouseMove);
    ASSERT_EQ(moves.size(), 50u);
    for (std::size_t i = 0; i + 1 < moves.size(); ++i) {
        EXPECT_EQ(moves[i].micros, start + static_cast<std::int64_t>(i) * 10'000);
        EXPECT_EQ(moves[i].wParam, 0u);
    }
    EXPECT_EQ(moves.back().micros, start + 500'000);
    EXPECT_EQ(moves.back().lParam, Packed(200, 100));
    // x never passes the point on the way there.
    for (const auto& m : moves) EXPECT_LE(m.lParam & 0xFFFF, 200);
    EXPECT_EQ(runner.overlayCorner, (Point{kClientOrigin.x + 201, kClientOrigin.y + 101}));
    EXPECT_TRUE(sim.input.CursorMoves().empty());
}

TEST_F(ApproachTest, ATargetMovedDuringTheGlideIsActedOnWhereItStandsAtTheEnd) {
    // The target is read again in the glide's last step, not at the deadline: the action still lands on
    // the window where it has moved to.
    for (bool foreground : {false, true}) {
        SCOPED_TRACE(foreground ? "foreground" : "background");
        ASSERT_TRUE(sim.desktop.SetWindowRect(target, {100, 100, 500, 400}));
        ChooseTarget();
        config.foregroundMode = foreground ? 1 : 0;
        config.moveMouse = 1;
        run.nextApproachMs = 500;
        runner.dueMicros.reset();
        sim.input.Clear();
        const std::int64_t start = sim.clock.MonotonicMicros();
        sim.clock.SetSleepHook([this, start](const sim::SleepRecord& r) {
            if (r.toMicros >= start + 200'000) static_cast<void>(sim.desktop.SetWindowRect(target, {400, 150, 800, 450}));
        });
        ASSERT_EQ(PerformClick(runner, 1, 60, 20, 1, 0), 0);
        sim.clock.SetSleepHook(nullptr);
        const Point point{400 + 60, 180 + 20};  // from the client origin the window has moved to
        EXPECT_EQ(runner.overlayCorner, (Point{point.x + 1, point.y + 1}));
        if (foreground) {
            const auto moves = sim.input.CursorMoves();
            ASSERT_FALSE(moves.empty());
            EXPECT_EQ(moves.back().point, point);  // where the press acts
        }
    }
}

TEST_F(ApproachTest, InTheForegroundTheRealPointerIsOnThePointBeforeThePress) {
    // Input injected right after a warp of the pointer may be delivered late: the glide's last step puts the
    // pointer on the point, and at the deadline only the press goes in.
    ChooseTarget();
    config.foregroundMode = 1;
    config.moveMouse = 1;
    run.nextApproachMs = 95;
    runner.dueMicros.reset();
    sim.input.Clear();
    const std::int64_t start = sim.clock.MonotonicMicros();
    ASSERT_EQ(PerformClick(runner, 1, 60, 20, 1, 0), 0);
    const Point point{kClientOrigin.x + 60, kClientOrigin.y + 20};
    const auto moves = sim.input.CursorMoves();
    const auto arrival = std::find_if(moves.begin(), moves.end(), [&](const auto& m) { return m.point == point; });
    ASSERT_NE(arrival, moves.end());
    EXPECT_EQ(arrival->micros - start, 80'000);  // the last wake at least 5 ms ahead
    const auto batches = sim.input.Batches();
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].micros - start, 95'000);  // the deadline
}

TEST_F(ApproachTest, EveryStepNamesTheActionsMomentAsItsDeadline) {
    // The clock may let a step wake a little late only because it knows the deadline the step leads to,
    // which must be the moment of the action (the press, or a drag's release); the last step wakes at it.
    ChooseTarget();
    for (bool drag : {false, true}) {
        SCOPED_TRACE(drag ? "drag" : "click");
        run.nextApproachMs = 95;
        runner.dueMicros.reset();
        sim.desktop.ClearMessages();
        ASSERT_EQ(drag ? PerformDrag(runner, 1, 10, 10, 60, 10, 95, 0) : PerformClick(runner, 1, 60, 20, 1, 0), 0);
        const auto action = MessagesTo(drag ? msg::kLButtonUp : msg::kLButtonDown);
        ASSERT_EQ(action.size(), 1u);
        std::vector<sim::SleepRecord> steps;
        for (const auto& r : sim.clock.Sleeps())
            if (r.stepOfMicros != 0) steps.push_back(r);
        // 95 ms: nine 10 ms steps and the last 5 ms (a drag's approach to its start comes first).
        ASSERT_EQ(steps.size(), drag ? 20u : 10u);
        steps.erase(steps.begin(), steps.end() - 10);
        for (std::size_t i = 0; i < steps.size(); ++i) {
            EXPECT_EQ(steps[i].stepOfMicros, action[0].micros);
            EXPECT_EQ(steps[i].toMicros < action[0].micros, i + 1 < steps.size());
        }
        EXPECT_EQ(steps.back().toMicros, action[0].micros);
        // The main thread keeps its status tick off the same moment.
        EXPECT_EQ(run.nextActionMicros.load(), action[0].micros);
        sim.clock.ClearSleeps();
    }
}

TEST_F(ApproachTest, ForegroundWithPointerMovesTheRealPointerInstead) {
    ChooseTarget();
    config.foregroundMode = 1;
    ASSERT_EQ(ApproachPoint(runner, 0, 20, 30), 0);
    EXPECT_TRUE(MessagesTo(msg::kMouseMove).empty());
    EXPECT_EQ(sim.input.CursorMoves().size(), 100u);
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{120, 160}));
}

TEST_F(ApproachTest, WithoutTargetOrWithClosedTargetReportsAndStops) {
    struct Case {
        bool choose;
        bool close;
        std::string_view text;
    };
    for (const Case c : {Case{false, false, "没有目标窗口，先执行“目标窗口”命令。"},
                         Case{true, true, "目标窗口已经关闭，无法继续执行脚本。"}}) {
        ClearStop();
        sim.boxes.Clear();
        if (c.choose) ChooseTarget();
        if (c.close) sim.desktop.DestroyWindow(target);
        EXPECT_EQ(ApproachPoint(runner, 0, 1, 1), 1);
        EXPECT_TRUE(stopFlag.load());
        const auto boxes = sim.boxes.Shown();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].owner, kNoWindow);
        EXPECT_EQ(boxes[0].text, c.text);
        EXPECT_EQ(boxes[0].caption, "执行脚本中发生错误");
        EXPECT_EQ(boxes[0].flags, 0x50010u);
    }
}

TEST_F(ApproachTest, StopsAtEachCheckWithoutStoringTheWait) {
    ChooseTarget();
    stopFlag = true;
    EXPECT_EQ(ApproachPoint(runner, 5, 1, 1), 99);
    EXPECT_TRUE(sim.desktop.MessagesTo(target).empty());

    for (int sleeps : {1, 30, 99}) {
        ClearStop();
        run.nextApproachMs = 0;
        StopAfterSleeps(sleeps);
        sim.desktop.ClearMessages();
        EXPECT_EQ(ApproachPoint(runner, 5, 1, 1), 99);
        EXPECT_EQ(MessagesTo(msg::kMouseMove).size(), static_cast<std::size_t>(sleeps));
        EXPECT_EQ(run.nextApproachMs.load(), 0u);
    }
}

TEST_F(ApproachTest, ClicksKeepTheRecordedRhythmWhenSleepsRunLate) {
    ChooseTarget();
    // Every wake-up comes 0.3 ms late, as timers do on a busy machine.
    sim.clock.SetSleepHook([this](const sim::SleepRecord&) { sim.clock.AdvanceMicros(300); });
    const std::int64_t start = sim.clock.MonotonicMicros();
    constexpr int kClicks = 200;
    for (int i = 0; i < kClicks; ++i) ASSERT_EQ(PerformClick(runner, 1, 10 + i % 50, 10, 1, 650), 0);

    const auto downs = MessagesTo(msg::kLButtonDown);
    ASSERT_EQ(downs.size(), static_cast<std::size_t>(kClicks));
    for (int i = 0; i < kClicks; ++i) {
        const std::int64_t due = start + 1'000'000 + static_cast<std::int64_t>(i) * 650'000;
        EXPECT_NEAR(static_cast<double>(downs[i].micros), static_cast<double>(due), 1000.0) << "click " << i;
    }
}

TEST_F(ApproachTest, ClickWaitStoresWaitLessTwiceTheCount) {
    struct Case {
        std::int32_t wait, count, stored;
    };
    const Case cases[] = {{650, 1, 648}, {2, 1, 0}, {100, 3, 94}, {0, 1, -2},
                          {std::numeric_limits<std::int32_t>::min(), 1, std::numeric_limits<std::int32_t>::min()}};
    for (const auto& c : cases) EXPECT_EQ(ClickNextWait(c.wait, c.count), c.stored) << c.wait << "," << c.count;
}

}  // namespace
}  // namespace xd::test
