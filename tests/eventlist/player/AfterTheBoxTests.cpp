// What a player does once a box it showed is answered: a playback stopped meanwhile touches nothing, and
// a button whose release was refused is neither forgotten nor left unsaid.
#include "EventPlayerFixture.h"

namespace xd::test {
namespace {

class AfterTheBoxTest : public EventPlayerFixture {
protected:
    // A click on 计算器, which is not open when the playback starts.
    void ClickOnAMissingWindow() {
        events = {EventIn(evmsg::kLeftDown, 10, 40, 10, 1, "计算器", "CalcFrame", kElsewhere),
                  EventIn(evmsg::kLeftUp, 10, 40, 0, 0, "计算器", "CalcFrame", kElsewhere)};
        GroupAs({2});
    }

    static constexpr Rect kElsewhere{600, 100, 900, 400};
};

TEST_F(AfterTheBoxTest, APlaybackStoppedWhileTheWindowSearchAsksTouchesNothingWhateverTheAnswer) {
    struct Case {
        const char* name;
        int answer;
        bool windowOpened;   // the user opens 计算器 before answering
        bool anotherPlayback;  // and, after Esc, starts the next playback
    };
    const Case cases[] = {
        {"retry with the window open", id::kRetry, true, false},
        {"retry with the window open, another playback on", id::kRetry, true, true},
        {"retry with the window still missing", id::kRetry, false, false},
        {"ignore, another playback on", id::kIgnore, false, true},
    };
    const ThreadStarter held = [](std::function<void()>) { return true; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings.repeatPosition = 0;
        ClickOnAMissingWindow();
        sim.boxes.Clear();
        view.found.clear();
        WindowHandle calculator = kNoWindow;
        int asked = 0;
        sim.boxes.SetResponder([&](const sim::MessageBoxRecord&) -> std::optional<int> {
            if (++asked > 1) return id::kAbort;  // a box the stopped playback should not have shown
            StopFromMainThread();
            if (c.anotherPlayback)
                static_cast<void>(ToggleEventPlayback(services, held, EventListFacts{events, lines, modified}));
            if (c.windowOpened && calculator == kNoWindow) calculator = AddTopLevel("计算器", "CalcFrame", kElsewhere);
            return c.answer;
        });
        Play();
        sim.boxes.SetResponder(nullptr);

        EXPECT_EQ(sim.boxes.Count(), 1u);
        if (calculator != kNoWindow) {
            EXPECT_TRUE(PostedTo(calculator).empty());
        }
        EXPECT_TRUE(view.found.empty());
        // The next playback, if one was started, is left as it is.
        EXPECT_EQ(state.playing.load(), c.anotherPlayback);
        if (c.anotherPlayback) StopFromMainThread();
        if (calculator != kNoWindow) sim.desktop.DestroyWindow(calculator);
    }
}

TEST_F(AfterTheBoxTest, AButtonWhoseReleaseIsRefusedStaysHeldUntilItGoesOrIsSaid) {
    struct Case {
        const char* name;
        bool unblockedAtTheRefusalBox;  // the input goes in again once the user has seen the box
    };
    for (const Case c : {Case{"accepted again at the end", true}, Case{"refused to the end", false}}) {
        SCOPED_TRACE(c.name);
        sim.input.SetBlocked(false);
        sim.boxes.Clear();
        settings.foreground = true;
        settings.repeatPosition = 1;
        events = {EventIn(evmsg::kLeftDown, 50, 80, 20, 1), EventIn(evmsg::kLeftUp, 50, 80, 0)};
        GroupAs({2});
        // Everything after the press is refused, the release and every try to let go.
        const auto hook = sim.hooks.InstallMouseHook([&](int, const LowLevelMouseEvent& e, std::uintptr_t) {
            if (e.message == msg::kLButtonDown) sim.input.SetBlocked(true);
        });
        sim.boxes.SetResponder([&](const sim::MessageBoxRecord&) -> std::optional<int> {
            if (c.unblockedAtTheRefusalBox) sim.input.SetBlocked(false);
            return std::nullopt;
        });
        Play();
        sim.boxes.SetResponder(nullptr);
        sim.hooks.Remove(hook);
        sim.input.DeliverHeldInput();

        const bool down = (sim.desktop.KeyState(sim::vk::kLButton) & 0x8000) != 0;
        const auto shown = sim.boxes.Shown();
        if (c.unblockedAtTheRefusalBox) {
            EXPECT_FALSE(down);
            EXPECT_EQ(shown.size(), 1u);  // the refusal
        } else {
            EXPECT_TRUE(down);
            ASSERT_EQ(shown.size(), 2u);
            EXPECT_NE(shown[1].text.find("鼠标左键仍处于按下状态"), std::string::npos);
            EXPECT_EQ(shown[1].flags, mb::kOk | mb::kIconWarning);
        }
        if (down) sim.user.Release(sim::SimButton::Left);
    }
}

}  // namespace
}  // namespace xd::test
