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
    std::uint32_t ncDown, ncUp;
    std::uint32_t inputDown, inputUp;
};

constexpr ButtonCase kButtons[] = {
    {1, 0x0201, 0x0202, 0x0001, 0x00A1, 0x00A2, 0xC002, 0xC004},
    {2, 0x0204, 0x0205, 0x0002, 0x00A4, 0x00A5, 0xC008, 0xC010},
    {3, 0x0207, 0x0208, 0x0010, 0x00A7, 0x00A8, 0xC020, 0xC040},
};

TEST_F(InputActionTest, BackgroundClickInsideClientPostsButtonMessagesAtClientPoint) {
    for (const auto& b : kButtons) {
        SCOPED_TRACE(b.code);
        ChooseTarget();
        sim.desktop.ClearMessages();
        ASSERT_EQ(PerformClick(runner, b.code, 40, 50, 1, 650), 0);
        const auto traffic = ButtonTraffic();
        ASSERT_EQ(traffic.size(), 2u);
        EXPECT_EQ(traffic[0].message, b.down);
        EXPECT_EQ(traffic[1].message, b.up);
        for (const auto& m : traffic) {
            EXPECT_FALSE(m.sent);
            EXPECT_EQ(m.wParam, b.wParam);
            EXPECT_EQ(m.lParam, Packed(40, 50));
        }
    }
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{700, 600}));
    EXPECT_TRUE(sim.input.Batches().empty());
}

TEST_F(InputActionTest, BackgroundClickOnTitleBarPostsNonClientMessagesWithHitCode) {
    for (const auto& b : kButtons) {
        SCOPED_TRACE(b.code);
        ChooseTarget();
        sim.desktop.ClearMessages();
        // y = -15 is half-way up the 30-pixel title bar.
        ASSERT_EQ(PerformClick(runner, b.code, 60, -15, 1, 0), 0);
        const auto traffic = ButtonTraffic();
        ASSERT_EQ(traffic.size(), 3u);
        EXPECT_EQ(traffic[0].message, msg::kNcHitTest);
        EXPECT_TRUE(traffic[0].sent);
        EXPECT_EQ(traffic[0].wParam, 0u);
        EXPECT_EQ(traffic[1].message, b.ncDown);
        EXPECT_EQ(traffic[2].message, b.ncUp);
        for (const auto& m : traffic) EXPECT_EQ(m.lParam, Packed(160, 115));
        EXPECT_EQ(traffic[1].wParam, 2u);  // HTCAPTION
        EXPECT_EQ(traffic[2].wParam, 2u);
    }
}

TEST_F(InputActionTest, ForegroundClickInjectsAtThePointAndPutsThePointerBack) {
    config.foregroundMode = 1;
    for (const auto& b : kButtons) {
        SCOPED_TRACE(b.code);
        ChooseTarget();
        sim.input.Clear();
        sim.input.PlaceCursor(Point{700, 600});
        config.moveMouse = 0;  // the approach leaves the pointer alone
        ASSERT_EQ(PerformClick(runner, b.code, 40, 50, 1, 0), 0);
        const auto batches = sim.input.Batches();
        ASSERT_EQ(batches.size(), 1u);
        // Absolute coordinates of (140, 180) on a 1920 x 1080 screen: ceil(x * 65536 / width).
        const MouseInputRecord down{4779, 10923, 0, b.inputDown, 0};
        const MouseInputRecord up{4779, 10923, 0, b.inputUp, 0};
        EXPECT_EQ(batches[0].records, (std::vector<MouseInputRecord>{down, up}));
        EXPECT_TRUE(sim.input.CursorMoves().empty());
        EXPECT_TRUE(ButtonTraffic().empty());
    }
}

TEST_F(InputActionTest, ForegroundClickWithPointerMovesItThereAndBack) {
    ChooseTarget();
    config.foregroundMode = 1;
    ASSERT_EQ(PerformClick(runner, 1, 40, 50, 1, 0), 0);
    const auto moves = sim.input.CursorMoves();
    const auto batches = sim.input.Batches();
    ASSERT_EQ(batches.size(), 1u);
    ASSERT_GE(moves.size(), 2u);
    // The jump to the point comes before the injected click, the return after it.
    EXPECT_EQ(moves[moves.size() - 2].point, (Point{140, 180}));
    EXPECT_LE(moves[moves.size() - 2].micros, batches[0].micros);
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{140, 180}));  // where the approach had left it
}

TEST_F(InputActionTest, RepeatedClicksComeOneMillisecondApart) {
    ChooseTarget();
    ASSERT_EQ(PerformClick(runner, 1, 10, 10, 2, 500), 0);
    const auto downs = MessagesTo(msg::kLButtonDown);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[1].micros - downs[0].micros, 1000);
    EXPECT_EQ(state.nextApproachMs.load(), 496u);
}

TEST_F(InputActionTest, OtherButtonCodesApproachButPressNothing) {
    for (int foreground : {0, 1}) {
        ChooseTarget();
        config.foregroundMode = foreground;
        sim.desktop.ClearMessages();
        sim.input.Clear();
        EXPECT_EQ(PerformClick(runner, 4, 10, 10, 1, 0), 0);
        EXPECT_EQ(PerformDrag(runner, 0, 10, 10, 20, 20, 100, 0), 0);
        EXPECT_TRUE(ButtonTraffic().empty());
        EXPECT_TRUE(sim.input.Batches().empty());
        EXPECT_EQ(runner.overlayCorner, (Point{121, 151}));
    }
}

TEST_F(InputActionTest, RandomOffsetStaysWithinHalfTheWidth) {
    ChooseTarget();
    config.randomOffset = 10;
    ASSERT_EQ(PerformClick(runner, 1, 100, 100, 200, 0), 0);
    int distinct = 0;
    std::intptr_t previous = -1;
    for (const auto& m : MessagesTo(msg::kLButtonDown)) {
        const int dx = static_cast<int>(m.lParam & 0xFFFF) - 100;
        const int dy = static_cast<int>((m.lParam >> 16) & 0xFFFF) - 100;
        EXPECT_LE(std::abs(dx), 5);
        EXPECT_LE(std::abs(dy), 5);
        distinct += m.lParam != previous;
        previous = m.lParam;
    }
    EXPECT_GT(distinct, 100);

    struct Case {
        std::int32_t width;
        double u;
        int offset;
    };
    const Case cases[] = {{10, 0.0, -5}, {10, 0.5, 0}, {10, 0.9999, 5}, {5, 0.0, -2}, {5, 0.9999, 2}, {-10, 0.0, 5}};
    for (const auto& c : cases) EXPECT_EQ(JitterFromUniform(c.width, c.u), c.offset) << c.width << " " << c.u;
}

TEST_F(InputActionTest, BackgroundDragPressesGlidesAndReleasesInTheClientArea) {
    ChooseTarget();
    ASSERT_EQ(PerformClick(runner, 4, 10, 10, 1, 2), 0);  // stores 0: the drag's approach takes 1000 ms
    sim.desktop.ClearMessages();
    ASSERT_EQ(PerformDrag(runner, 1, 10, 10, 110, 10, 500, 0), 0);
    const auto all = sim.desktop.MessagesTo(target);
    const auto down = std::find_if(all.begin(), all.end(), [](auto& m) { return m.message == msg::kLButtonDown; });
    ASSERT_NE(down, all.end());
    EXPECT_EQ(down->wParam, mk::kLButton);
    EXPECT_EQ(down->lParam, Packed(10, 10));
    EXPECT_EQ(all.back().message, msg::kLButtonUp);
    EXPECT_EQ(all.back().lParam, Packed(110, 10));
    EXPECT_EQ(all.back().micros - down->micros, 500'000);

    std::vector<sim::MessageRecord> glide(down + 1, all.end() - 1);
    ASSERT_EQ(glide.size(), 50u);
    for (std::size_t i = 0; i < glide.size(); ++i) {
        EXPECT_EQ(glide[i].message, msg::kMouseMove);
        EXPECT_EQ(glide[i].wParam, 0u);
        EXPECT_EQ(glide[i].micros - down->micros, i + 1 == glide.size() ? 500'000 : static_cast<std::int64_t>(i) * 10'000);
    }
    EXPECT_EQ(glide.back().lParam, Packed(110, 10));
}

TEST_F(InputActionTest, DragOfNoDurationReleasesAtOnceAtTheEnd) {
    for (int duration : {0, -500}) {
        ChooseTarget();
        sim.desktop.ClearMessages();
        const std::int64_t before = sim.clock.MonotonicMicros();
        ASSERT_EQ(PerformDrag(runner, 2, 10, 10, 60, 70, duration, 0), 0);
        const auto all = sim.desktop.MessagesTo(target);
        ASSERT_GE(all.size(), 3u);
        const auto& press = all[all.size() - 3];
        EXPECT_EQ(press.message, msg::kRButtonDown);
        EXPECT_EQ(all[all.size() - 2].message, msg::kMouseMove);
        EXPECT_EQ(all[all.size() - 2].lParam, Packed(60, 70));
        EXPECT_EQ(all.back().message, msg::kRButtonUp);
        EXPECT_EQ(all.back().micros, press.micros);
        EXPECT_LT(sim.clock.MonotonicMicros() - before, 2'000'000);  // never a 25-day crawl
    }
}

TEST_F(InputActionTest, DragFromTheTitleBarIsTwoNonClientClicks) {
    ChooseTarget();
    ASSERT_EQ(PerformDrag(runner, 1, 10, -10, 200, -10, 100, 0), 0);
    std::vector<std::uint32_t> kinds;
    std::vector<std::intptr_t> points;
    for (const auto& m : ButtonTraffic()) {
        kinds.push_back(m.message);
        points.push_back(m.lParam);
    }
    const std::uint32_t click[] = {msg::kNcHitTest, msg::kNcLButtonDown, msg::kNcLButtonUp};
    ASSERT_EQ(kinds.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(kinds[i], click[i % 3]);
    EXPECT_EQ(points[0], Packed(110, 120));
    EXPECT_EQ(points[5], Packed(300, 120));
}

TEST_F(InputActionTest, ForegroundDragPressesAtStartAndReleasesAtEnd) {
    ChooseTarget();
    config.foregroundMode = 1;
    config.moveMouse = 0;
    ASSERT_EQ(PerformDrag(runner, 1, 10, 10, 110, 10, 100, 0), 0);
    const auto records = sim.input.AllRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].flags, 0xC002u);
    EXPECT_EQ(records[1].flags, 0xC004u);
    const auto moves = sim.input.CursorMoves();
    EXPECT_EQ(moves.front().point, (Point{110, 140}));  // set to the start whatever 移动鼠标 says
    EXPECT_EQ(moves.back().point, (Point{210, 140}));   // and left at the end
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{210, 140}));
}

TEST_F(InputActionTest, StopMidDragLetsTheButtonGo) {
    for (int foreground : {0, 1}) {
        SCOPED_TRACE(foreground);
        ChooseTarget();
        config.foregroundMode = foreground;
        stopFlag = false;
        runner.dueMicros.reset();
        state.nextApproachMs = StoredWait(-1);  // no approach time: the first sleep is the drag's
        sim.desktop.ClearMessages();
        sim.input.Clear();
        StopAfterSleeps(10);
        ASSERT_EQ(PerformDrag(runner, 1, 10, 10, 110, 10, 500, 0), 99);
        if (foreground) {
            const auto records = sim.input.AllRecords();
            ASSERT_EQ(records.size(), 2u);
            EXPECT_EQ(records.back().flags, 0xC004u);
        } else {
            const auto traffic = ButtonTraffic();
            ASSERT_EQ(traffic.size(), 2u);
            EXPECT_EQ(traffic.back().message, msg::kLButtonUp);
            // Released where the last move put the pointer.
            EXPECT_EQ(traffic.back().lParam, MessagesTo(msg::kMouseMove).back().lParam);
        }
    }
}

TEST_F(InputActionTest, BackgroundWheelPostsDeltaInHighWordAtScreenPoint) {
    ChooseTarget();
    ASSERT_EQ(PerformWheel(runner, -120, 50, 50, 3, 300), 0);
    const auto wheels = MessagesTo(msg::kMouseWheel);
    ASSERT_EQ(wheels.size(), 3u);
    for (std::size_t i = 0; i < wheels.size(); ++i) {
        EXPECT_EQ(wheels[i].wParam, 0xFF880000u);
        EXPECT_EQ(wheels[i].lParam, Packed(150, 180));
        if (i > 0) {
            EXPECT_EQ(wheels[i].micros - wheels[i - 1].micros, 1000);
        }
    }
    EXPECT_EQ(state.nextApproachMs.load(), 294u);
}

TEST_F(InputActionTest, ForegroundWheelInjectsOneRecordPerNotch) {
    ChooseTarget();
    config.foregroundMode = 1;
    ASSERT_EQ(PerformWheel(runner, 120, 50, 50, 2, 0), 0);
    const auto batches = sim.input.Batches();
    ASSERT_EQ(batches.size(), 2u);
    for (const auto& b : batches) {
        ASSERT_EQ(b.records.size(), 1u);
        EXPECT_EQ(b.records[0].flags, 0xC800u);
        EXPECT_EQ(b.records[0].mouseData, 120u);
    }
}

TEST_F(InputActionTest, StopAfterARepetitionEndsTheStatement) {
    ChooseTarget();
    // Stop is raised by the first click: the second never happens.
    sim.desktop.SetMessageObserver([this](const sim::MessageRecord& m) {
        if (m.message == msg::kLButtonUp || m.message == msg::kMouseWheel) stopFlag = true;
    });
    EXPECT_EQ(PerformClick(runner, 1, 10, 10, 5, 0), 99);
    EXPECT_EQ(MessagesTo(msg::kLButtonDown).size(), 1u);
    stopFlag = false;
    EXPECT_EQ(PerformWheel(runner, 120, 10, 10, 5, 0), 99);
    EXPECT_EQ(MessagesTo(msg::kMouseWheel).size(), 1u);
}

}  // namespace
}  // namespace xd::test
