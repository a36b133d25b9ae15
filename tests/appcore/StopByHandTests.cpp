#include "appcore/playback/StopByHand.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/sim/SimPlatform.h"

namespace xd {
namespace {

// The simulated desktop passes the player's SetCursorPos (as a move without the injected flag, as Wine does),
// its SendInput (injected) and the user's hand through one hook chain; the hook here asks as both editions'
// mouse hooks do.
struct HandFixture {
    sim::SimPlatform sim;
    PlayerPointerTrail trail;
    PointerTrailInput playerInput{sim.input, trail};
    bool foreground = true;
    bool option = true;
    int stops = 0;

    HandFixture() {
        sim.input.PlaceCursor({500, 400});
        trail.Reset(sim.input.GetCursorPos());
        sim.hooks.InstallMouseHook([this](int code, const LowLevelMouseEvent& e, std::uintptr_t) {
            if (IsStopByHand(trail, code, e, foreground, option)) ++stops;
        });
    }
    // An absolute injected move to a screen point of the 1920 x 1080 screen, as a foreground click's way back.
    void Inject(Point p) {
        const MouseInputRecord move{p.x * 65536 / 1920 + 1, p.y * 65536 / 1080 + 1, 0,
                                    mouseevent::kMove | mouseevent::kAbsolute, 0};
        ASSERT_EQ(sim.input.SendMouseInput({move}), 1u);
        sim.clock.Sleep(1);
    }
    void Glide(Point from, Point to, int steps) {
        for (int i = 1; i <= steps; ++i) {
            static_cast<void>(playerInput.SetCursorPos(
                {from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}));
        }
    }
};

TEST(StopByHand, OnlyTheUsersHandStopsAForegroundPlayback) {
    struct Case {
        const char* what;
        std::function<void(HandFixture&)> act;
        bool stops;
    };
    const Case cases[] = {
        {"a physical move away", [](HandFixture& f) { f.sim.user.MoveTo({540, 400}); }, true},
        {"a hand resting on the mouse", [](HandFixture& f) { f.sim.user.MoveTo({502, 399}); }, false},
        {"a small move, then on", [](HandFixture& f) {
             f.sim.user.MoveTo({503, 400});
             f.sim.user.MoveTo({520, 400});
         }, true},
        {"the player's glide", [](HandFixture& f) { f.Glide({500, 400}, {1500, 900}, 40); }, false},
        {"the player's glide, then the hand", [](HandFixture& f) {
             f.Glide({500, 400}, {1500, 900}, 40);
             f.sim.user.MoveTo({1450, 900});
         }, true},
        {"a late echo of an early step of a glide", [](HandFixture& f) {
             f.Glide({500, 400}, {1500, 900}, 40);
             f.sim.hooks.DeliverMouse(LowLevelMouseEvent{msg::kMouseMove, {525, 412}, 0, 0, 0});
         }, false},
        {"injected input", [](HandFixture& f) {
             f.Inject({100, 100});
             f.Inject({1800, 1000});
         }, false},
        {"a click's way back by injected input, then its echo", [](HandFixture& f) {
             f.Glide({500, 400}, {900, 700}, 10);
             f.Inject({1200, 200});
             f.sim.hooks.DeliverMouse(LowLevelMouseEvent{msg::kMouseMove, {1201, 201}, 0, 0, 0});
         }, false},
        {"a physical move in the background", [](HandFixture& f) {
             f.foreground = false;
             f.sim.user.MoveTo({900, 100});
         }, false},
        {"a physical move with the option off", [](HandFixture& f) {
             f.option = false;
             f.sim.user.MoveTo({900, 100});
         }, false},
        {"a physical press where the pointer is", [](HandFixture& f) { f.sim.user.Click(sim::SimButton::Left); },
         false},
    };
    for (const Case& c : cases) {
        HandFixture f;
        c.act(f);
        EXPECT_EQ(f.stops > 0, c.stops) << c.what;
    }
}

}  // namespace
}  // namespace xd
