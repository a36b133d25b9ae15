// A target of a program with higher rights: its posts and injected input fail,
// and the playback stops once, with one box and no button left pressed.
#include "PlaybackFixture.h"
#include "appcore/playback/RefusedInput.h"
#include "engine/playback/InputActions.h"
#include "engine/playback/MouseButtons.h"
#include "engine/playback/PlaybackMessages.h"

namespace xd::test {
namespace {

constexpr char kRefusedText[] =
    "无法向窗口“记事本”发送鼠标操作。该窗口可能属于以更高权限运行的程序，请以管理员身份运行本程序。";

class RefusedInputTest : public PlaybackFixture {
protected:
    void ExpectOneBox(const std::string& text = kRefusedText) {
        const auto shown = sim.boxes.Shown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, text);
        EXPECT_EQ(shown[0].caption, kRunErrorCaption);
        EXPECT_EQ(shown[0].flags, kRunErrorBoxFlags);
    }
    bool LeftDown() { return sim.desktop.AsyncKeyState(sim::vk::kLButton) != 0; }
    static std::vector<std::uint32_t> Kinds(const std::vector<sim::MessageRecord>& messages) {
        std::vector<std::uint32_t> kinds;
        for (const auto& m : messages) kinds.push_back(m.message);
        return kinds;
    }
};

TEST_F(RefusedInputTest, RefusedReleaseOfAClickStopsOnceAndPostsNothingMore) {
    ChooseTarget();
    sim.desktop.RefusePosts(target, msg::kLButtonUp);
    EXPECT_EQ(PerformClick(runner, 1, 40, 50, 3, 0), 1);
    ExpectOneBox();
    EXPECT_TRUE(stopFlag.load());
    // The press went in, its release was refused, and the two repetitions left never started.
    EXPECT_EQ(ButtonTraffic().size(), 1u);
    EXPECT_EQ(ButtonTraffic()[0].message, msg::kLButtonDown);
    // The next statement does not act and does not ask again.
    const std::size_t posted = sim.desktop.MessagesTo(target).size();
    EXPECT_EQ(PerformWheel(runner, 120, 40, 50, 1, 0), 1);
    EXPECT_EQ(PerformDrag(runner, 1, 10, 10, 90, 90, 50, 0), 1);
    EXPECT_EQ(sim.desktop.MessagesTo(target).size(), posted);
    EXPECT_EQ(sim.boxes.Shown().size(), 1u);
}

TEST_F(RefusedInputTest, TargetThatTakesNoPostsStopsTheApproach) {
    ChooseTarget();
    sim.desktop.RefusePosts(target);
    EXPECT_EQ(PerformClick(runner, 1, 40, 50, 1, 500), 1);
    ExpectOneBox();
    EXPECT_TRUE(sim.desktop.MessagesTo(target).empty());
}

TEST_F(RefusedInputTest, RefusedMoveMidDragLetsTheButtonGo) {
    ChooseTarget();
    // Moves pass until the press, then the target takes none.
    sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
        if (m.message == msg::kLButtonDown) sim.desktop.RefusePosts(target, msg::kMouseMove);
    });
    EXPECT_EQ(PerformDrag(runner, 1, 10, 10, 200, 100, 500, 0), 1);
    ExpectOneBox();
    EXPECT_EQ(Kinds(ButtonTraffic()), (std::vector<std::uint32_t>{msg::kLButtonDown, msg::kLButtonUp}));
    EXPECT_EQ(ButtonTraffic()[1].lParam, Packed(10, 10));  // let go where the press was
}

TEST_F(RefusedInputTest, PartlyInjectedClickIsReleasedAndStops) {
    config.foregroundMode = 1;
    ChooseTarget();
    sim.input.FailNextInjection(1);  // the press goes in, the release does not
    EXPECT_EQ(PerformClick(runner, 1, 40, 50, 2, 0), 1);
    ExpectOneBox();
    EXPECT_FALSE(LeftDown());
    const auto batches = sim.input.Batches();
    ASSERT_EQ(batches.size(), 2u);  // the click, then the release of what went in; no second click
    ASSERT_EQ(batches[1].records.size(), 1u);
    EXPECT_EQ(batches[1].records[0].flags, kInjectedFlags | mouseevent::kLeftUp);
}

TEST_F(RefusedInputTest, InjectionThatInsertsNothingPressesNothing) {
    config.foregroundMode = 1;
    ChooseTarget();
    sim.input.SetBlocked(true);
    EXPECT_EQ(PerformWheel(runner, 120, 40, 50, 3, 0), 1);
    ExpectOneBox();
    EXPECT_EQ(sim.input.Batches().size(), 1u);
    sim.input.SetBlocked(false);
    EXPECT_EQ(PerformDrag(runner, 1, 10, 10, 90, 90, 50, 0), 1);
    EXPECT_EQ(sim.input.Batches().size(), 1u);
    EXPECT_FALSE(LeftDown());
}

TEST_F(RefusedInputTest, RefusedReleaseOfAForegroundDragIsTriedOnce) {
    config.foregroundMode = 1;
    ChooseTarget();
    // Once the press is in, the next injection (the release) inserts nothing.
    bool failRelease = true;
    sim.hooks.InstallMouseHook([&](int, const LowLevelMouseEvent& e, std::uintptr_t) {
        if (e.message == msg::kLButtonDown && failRelease) {
            failRelease = false;
            sim.input.FailNextInjection(0);
        }
    });
    EXPECT_EQ(PerformDrag(runner, 1, 10, 10, 12, 12, 0, 0), 1);
    ExpectOneBox();
    sim.input.DeliverHeldInput();
    EXPECT_FALSE(LeftDown());
    const auto records = sim.input.AllRecords();
    ASSERT_EQ(records.size(), 3u);  // press, refused release, the release tried again
    EXPECT_EQ(records[2].flags, kInjectedFlags | mouseevent::kLeftUp);
}

TEST_F(RefusedInputTest, PostToAClosingTargetIsNoRefusal) {
    ChooseTarget();
    sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
        if (m.message == msg::kLButtonDown) sim.desktop.DestroyWindow(target);
    });
    EXPECT_EQ(PerformClick(runner, 1, 40, 50, 1, 0), 0);
    EXPECT_TRUE(sim.boxes.Shown().empty());
}

TEST(RefusedInputTextTest, NamesTheWindowByTitleOrElseByClass) {
    sim::SimClock clock;
    sim::SimDesktop desktop{clock};
    const WindowHandle titled = desktop.AddWindow({.title = "任务管理器", .className = "TaskManagerWindow"});
    const WindowHandle untitled = desktop.AddWindow({.title = "", .className = "Chrome_WidgetWin_1"});
    EXPECT_EQ(RefusedInputText(desktop, titled),
              "无法向窗口“任务管理器”发送鼠标操作。该窗口可能属于以更高权限运行的程序，请以管理员身份运行本程序。");
    EXPECT_EQ(RefusedInputText(desktop, untitled),
              "无法向窗口“Chrome_WidgetWin_1”发送鼠标操作。该窗口可能属于以更高权限运行的程序，请以管理员身份运行本程序。");
}

}  // namespace
}  // namespace xd::test
