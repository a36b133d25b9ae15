#include <thread>

#include "PlaybackFixture.h"
#include "appcore/playback/ClickEffects.h"
#include "appcore/playback/PointerOverlay.h"
#include "engine/playback/InputActions.h"

namespace xd::test {
namespace {

class ClickEffectTest : public PlaybackFixture {
protected:
    ClickEffectTest() { CreateClickEffectWindows(services.effects, overlays); }
};

TEST_F(ClickEffectTest, NinthEffectReusesTheFirstSlotAndRestartsIt) {
    for (int i = 0; i < 8; ++i) ShowClickEffect(services.effects, overlays, Point{100 + i, 200}, 513);
    for (int tick = 0; tick < 3; ++tick) StepClickEffects(slots);
    EXPECT_EQ(slots.slots[0].step, 6);

    ShowClickEffect(services.effects, overlays, Point{500, 300}, 516);
    EXPECT_EQ(slots.slots[0].step, 0);
    EXPECT_EQ(slots.slots[0].message, 516);
    EXPECT_EQ(slots.nextSlot, 1);
    const auto places = overlays.Calls(sim::OverlayCall::PlaceClickEffect);
    ASSERT_EQ(places.size(), 9u);
    EXPECT_EQ(places[8].window, places[0].window);
    EXPECT_EQ(places[8].point, (Point{480, 280}));  // centre 20 units in from the corner
    EXPECT_EQ(overlays.Calls(sim::OverlayCall::CreateClickEffect).size(), 8u);
}

TEST_F(ClickEffectTest, PlayerMarksClicksAndDragStartsOnlyWhenSwitchedOn) {
    ChooseTarget();
    struct Case {
        int effect, foreground, button;
        std::int32_t message;  // 0: no slot taken
        bool drag;
    };
    const Case cases[] = {
        {1, 0, 1, 513, false}, {1, 1, 2, 516, false}, {1, 0, 3, 519, true}, {1, 1, 1, 513, true},
        {1, 0, 4, 0, false},   // background: a slot that draws nothing
        {0, 0, 1, -1, false}, {0, 1, 1, -1, true}, {1, 1, 4, -1, false}, {1, 0, 4, -1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.effect << c.foreground << c.button << c.drag);
        config.clickEffect = c.effect;
        config.foregroundMode = c.foreground;
        for (auto& s : slots.slots) s.step = kClickEffectIdle;
        const int before = slots.nextSlot;
        const int r = c.drag ? PerformDrag(runner, c.button, 30, 40, 50, 40, 0, 0)
                             : PerformClick(runner, c.button, 30, 40, 1, 0);
        ASSERT_EQ(r, 0);
        if (c.message < 0) {
            EXPECT_EQ(slots.nextSlot, before);
        } else {
            EXPECT_EQ(slots.slots[before].step, 0);
            EXPECT_EQ(slots.slots[before].message, c.message);
            EXPECT_EQ(overlays.Calls(sim::OverlayCall::PlaceClickEffect).back().point, (Point{110, 150}));
        }
    }
}

TEST_F(ClickEffectTest, RunnerThreadAndStatusTickShareTheRing) {
    std::atomic<bool> done{false};
    std::thread runnerThread([&] {
        for (int i = 0; i < 2000; ++i) ShowClickEffect(services.effects, overlays, Point{i, i}, 513);
        done = true;
    });
    while (!done.load()) {
        std::lock_guard lock(slotsGuard);
        StepClickEffects(slots);
    }
    runnerThread.join();
    EXPECT_EQ(slots.nextSlot, 2000 % kClickEffectSlotCount);
}

TEST(PointerOverlayTest, AnimationCyclesThroughFortyOnePhases) {
    int phase = 0;
    for (int tick = 0; tick < 41; ++tick) phase = NextAnimationPhase(phase);
    EXPECT_EQ(phase, 0);
    EXPECT_EQ(NextAnimationPhase(39), 40);
    EXPECT_EQ(PointerFrameAt(7).gradientTo, (Point{27, 27}));
}

}  // namespace
}  // namespace xd::test
