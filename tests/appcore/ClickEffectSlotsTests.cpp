#include <gtest/gtest.h>

#include "appcore/playback/ClickEffectSlots.h"

namespace xd {
namespace {

TEST(ClickEffectSlots, CircleGrowsByTwoUpToEighteenAndClearsOnEleventhTick) {
    ClickEffectSlots effects;
    effects.slots[0].window = 42;
    TakeClickEffectSlot(effects, {100, 100}, 513);
    for (int tick = 0; tick < 10; ++tick) {
        const ClickEffectFrame f = StepClickEffects(effects)[0];
        ASSERT_EQ(f.action, ClickEffectAction::DrawCircle) << tick;
        EXPECT_EQ(f.radius, 2 * tick);
        EXPECT_EQ(f.pen, 0xFF000000u);
    }
    EXPECT_EQ(StepClickEffects(effects)[0].action, ClickEffectAction::Clear);
    EXPECT_EQ(StepClickEffects(effects)[0].action, ClickEffectAction::None);
}

TEST(ClickEffectSlots, IdleSlotsDrawNothing) {
    ClickEffectSlots effects;
    for (const ClickEffectFrame& f : StepClickEffects(effects)) EXPECT_EQ(f.action, ClickEffectAction::None);
}

TEST(ClickEffectSlots, PenColourFollowsButtonMessage) {
    struct Case { std::int32_t message; std::optional<std::uint32_t> pen; };
    for (const Case& c : {Case{513, 0xFF000000u}, Case{516, 0xFF0000FFu}, Case{519, 0xFFFF00FFu},
                          Case{0, std::nullopt}}) {
        ClickEffectSlots effects;
        TakeClickEffectSlot(effects, {0, 0}, c.message);
        const ClickEffectFrame f = StepClickEffects(effects)[0];
        // A slot without a pen still occupies the window and paints it white.
        EXPECT_EQ(f.action, ClickEffectAction::DrawCircle) << c.message;
        EXPECT_EQ(f.pen, c.pen) << c.message;
    }
}

TEST(ClickEffectSlots, NinthClickReusesFirstSlotAndRestartsIt) {
    ClickEffectSlots effects;
    for (int i = 0; i < 8; ++i) {
        effects.slots[i].window = 100 + i;
        EXPECT_EQ(TakeClickEffectSlot(effects, {i, i}, 513).slot, i);
    }
    StepClickEffects(effects);
    StepClickEffects(effects);
    const ClickEffectPlacement ninth = TakeClickEffectSlot(effects, {300, 200}, 516);
    EXPECT_EQ(ninth.slot, 0);
    EXPECT_EQ(ninth.window, 100u);
    EXPECT_EQ(ninth.topLeft, (Point{280, 180}));  // centre 20 units in from the corner
    const auto frames = StepClickEffects(effects);
    EXPECT_EQ(frames[0].radius, 0);
    EXPECT_EQ(frames[0].pen, 0xFF0000FFu);
    EXPECT_EQ(frames[1].radius, 4);
}

TEST(ClickEffectSlots, CircleBoxIsCentredOnTheClickPoint) {
    ClickEffectFrame f;
    f.radius = 6;
    EXPECT_EQ(f.CircleBox(), (Rect{14, 14, 26, 26}));
}

}  // namespace
}  // namespace xd
