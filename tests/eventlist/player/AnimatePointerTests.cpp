#include <cstdlib>

#include "EventPlayerFixture.h"
#include "eventlist/player/AnimatePointer.h"

namespace xd::test {
namespace {

int Chebyshev(Point a, Point b) { return std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)); }

TEST(AnimationPath, TenStepsOfThreeThenStepsByTheRemainingDistance) {
    const std::vector<Point> path = AnimationPath(Point{0, 0}, Point{3000, 0});
    ASSERT_GT(path.size(), 12u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(path[i], (Point{3 * (i + 1), 0})) << i;
    EXPECT_EQ(path[10], (Point{67, 0}));  // 2970 left: above 2000 → 37
    EXPECT_EQ(path.back(), (Point{3000, 0}));
    // Near the end: within 50 pixels steps are 3 again, and the last 3 snap.
    const Point last = path[path.size() - 2];
    EXPECT_LE(3000 - last.x, 6);
}

TEST(AnimationPath, BothAxesArriveTogetherAlongTheLine) {
    const std::vector<Point> path = AnimationPath(Point{100, 100}, Point{40, 400});
    EXPECT_EQ(path.front(), (Point{99, 103}));  // 3 along y, 3 × 60 / 300 along x
    EXPECT_EQ(path.back(), (Point{40, 400}));
    EXPECT_TRUE(AnimationPath(Point{5, 5}, Point{5, 5}).empty());
    // Within the snapping range it arrives in one step.
    EXPECT_EQ(AnimationPath(Point{0, 0}, Point{3, -4}), (std::vector<Point>{{3, -4}}));
}

class AnimatePointerTest : public EventPlayerFixture {};

TEST_F(AnimatePointerTest, RealPointerMovesEveryFiveMillisecondsAndTheMainWindowIsDisabledMeanwhile) {
    sim.input.PlaceCursor(Point{0, 0});
    const std::int64_t t0 = sim.clock.MonotonicMicros();
    const Point end = AnimatePointer(services, Point{400, 300}, AnimateWhat::RealPointer, kNoWindow, {}, nullptr);
    EXPECT_EQ(end, (Point{400, 300}));
    EXPECT_EQ(sim.input.GetCursorPos(), (Point{400, 300}));
    const auto moves = sim.input.CursorMoves();
    const std::vector<Point> path = AnimationPath(Point{0, 0}, Point{400, 300});
    ASSERT_EQ(moves.size(), path.size());
    for (std::size_t i = 0; i < moves.size(); ++i) {
        EXPECT_EQ(moves[i].point, path[i]);
        EXPECT_EQ(moves[i].micros, t0 + static_cast<std::int64_t>(i) * 5000);
    }
    EXPECT_EQ(view.mainEnabled, (std::vector<bool>{false, true}));
}

TEST_F(AnimatePointerTest, HintWindowStartsFromItsCornerAndMayEndWithALeftClickEffect) {
    const WindowHandle hint = overlays.CreatePointerOverlay();
    const Point end =
        AnimatePointer(services, Point{250, 250}, AnimateWhat::HintWindowWithClick, hint, Point{200, 200}, nullptr);
    EXPECT_EQ(end, (Point{250, 250}));
    const auto places = overlays.Calls(sim::OverlayCall::PlacePointer);
    ASSERT_FALSE(places.empty());
    EXPECT_EQ(places.front().point, (Point{203, 203}));
    EXPECT_EQ(places.back().point, (Point{250, 250}));
    EXPECT_TRUE(sim.input.CursorMoves().empty());
    const auto effects = overlays.Calls(sim::OverlayCall::PlaceClickEffect);
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0].point, (Point{230, 230}));  // centred on the target
    EXPECT_EQ(slots.slots[0].message, 513);
}

TEST_F(AnimatePointerTest, EndsWhenTheHintWindowHasGoneOrWhenStopped) {
    const WindowHandle hint = overlays.CreatePointerOverlay();
    int steps = 0;
    sim.clock.SetSleepHook([&](const sim::SleepRecord&) {
        if (++steps == 3) overlays.PostClose(hint);
    });
    const Point end = AnimatePointer(services, Point{900, 0}, AnimateWhat::HintWindow, hint, Point{0, 0}, nullptr);
    EXPECT_EQ(end, (Point{9, 0}));
    sim.clock.SetSleepHook(nullptr);

    sim.input.PlaceCursor(Point{0, 0});
    int asked = 0;
    AnimatePointer(services, Point{900, 0}, AnimateWhat::RealPointer, kNoWindow, {}, [&] { return ++asked > 4; });
    EXPECT_EQ(sim.input.CursorMoves().size(), 4u);
    EXPECT_LT(Chebyshev(sim.input.GetCursorPos(), Point{0, 0}), 20);
}

}  // namespace
}  // namespace xd::test
