// A window of a program with higher rights takes neither our posts nor our
// injected input: the playback ends at the first refusal, with one box, and no
// button stays pressed.
#include "EventPlayerFixture.h"

namespace xd::test {
namespace {

constexpr char kRefusedText[] =
    "无法向窗口“记事本”发送鼠标操作。该窗口可能属于以更高权限运行的程序，请以管理员身份运行本程序。";

class EventRefusedInputTest : public EventPlayerFixture {
protected:
    EventRefusedInputTest() { settings.repeatPosition = 0; }  // endless: only the refusal ends it

    void ExpectOneBoxAndTheEnd() {
        const auto shown = sim.boxes.Shown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, kRefusedText);
        EXPECT_EQ(shown[0].caption, "迅点小侠");
        EXPECT_EQ(shown[0].flags, mb::kOk | mb::kIconError);
        // The player ended on its own and told the main window.
        EXPECT_EQ(view.finished.size(), 1u);
        EXPECT_FALSE(state.playing.load());
    }
    // Two clicks, each down and up 20 ms apart.
    void TwoClicks() {
        events = {EventIn(evmsg::kLeftDown, 50, 80, 20, 1), EventIn(evmsg::kLeftUp, 50, 80, 30),
                  EventIn(evmsg::kLeftDown, 60, 80, 20, 1), EventIn(evmsg::kLeftUp, 60, 80, 30)};
        GroupAs({2, 2});
    }
};

TEST_F(EventRefusedInputTest, RefusedReleaseInTheBackgroundEndsThePlaybackOnce) {
    TwoClicks();
    sim.desktop.RefusePosts(target, msg::kLButtonUp);
    Play();
    ExpectOneBoxAndTheEnd();
    // The first press went in; nothing went after its refused release.
    const auto posted = PostedTo(target);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].message, msg::kLButtonDown);
}

TEST_F(EventRefusedInputTest, RefusedMoveAfterAPressLetsTheButtonGoBeforeTheBox) {
    events = {EventIn(evmsg::kLeftDown, 10, 40, 20, 1), EventIn(evmsg::kMove, 30, 40, 20, 1),
              EventIn(evmsg::kLeftUp, 30, 40, 0)};
    GroupAs({3});
    sim.desktop.RefusePosts(target, msg::kMouseMove);
    std::size_t postedBeforeBox = 0;
    sim.boxes.SetResponder([&](const sim::MessageBoxRecord&) -> std::optional<int> {
        postedBeforeBox = PostedTo(target).size();
        return std::nullopt;
    });
    Play();
    ExpectOneBoxAndTheEnd();
    const auto posted = PostedTo(target);
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].message, msg::kLButtonDown);
    EXPECT_EQ(posted[1].message, msg::kLButtonUp);
    EXPECT_EQ(postedBeforeBox, 2u);
}

TEST_F(EventRefusedInputTest, PartlyRefusedInjectionInTheForegroundLetsGoAndEnds) {
    settings.foreground = true;
    TwoClicks();
    // The press goes in; the release inserts nothing, and is tried at once and again by the refusal (the
    // player cannot tell whether the first try went in).
    sim.hooks.InstallMouseHook([&](int, const LowLevelMouseEvent& e, std::uintptr_t) {
        if (e.message == msg::kLButtonDown) sim.input.FailNextInjection(0);
    });
    Play();
    ExpectOneBoxAndTheEnd();
    EXPECT_EQ(sim.desktop.KeyState(sim::vk::kLButton) & 0x8000, 0);
    const auto records = sim.input.AllRecords();
    ASSERT_EQ(records.size(), 4u);  // press, refused release, release twice again; not the second click
    EXPECT_EQ(records[1].flags, records[2].flags);
    EXPECT_EQ(records[1].flags, records[3].flags);
}

TEST_F(EventRefusedInputTest, BlockedInjectionPressesNothingAndEnds) {
    settings.foreground = true;
    TwoClicks();
    sim.input.SetBlocked(true);
    Play();
    ExpectOneBoxAndTheEnd();
    EXPECT_EQ(sim.input.AllRecords().size(), 1u);
}

TEST_F(EventRefusedInputTest, APostToAWindowThatHasClosedIsNoRefusal) {
    settings.repeatPosition = 1;
    TwoClicks();
    sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
        if (m.message == msg::kLButtonDown) sim.desktop.DestroyWindow(target);
    });
    sim.boxes.SetDefaultAnswer(3);  // the window search's box: Abort
    Play();
    for (const auto& box : sim.boxes.Shown()) EXPECT_NE(box.text, kRefusedText);
}

}  // namespace
}  // namespace xd::test
