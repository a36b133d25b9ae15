#include <memory>
#include <stdexcept>
#include <thread>

#include "PlaybackFixture.h"
#include "engine/playback/ScriptRunner.h"

namespace xd::test {
namespace {

constexpr const char* kHeader = "'岚榕迅点小侠脚本，版本：4.0  <--第一行不可删除和修改\r\n";
constexpr const char* kTargetLine = "目标窗口(\"记事本\",\"Notepad\",\"0\")\r\n";

class ScriptRunnerTest : public PlaybackFixture {
protected:
    // Plays on the test thread, in virtual time.
    ScriptRunnerTest() {
        sim::WindowSpec spec;
        spec.rect = Rect{300, 300, 700, 600};
        spec.processId = 7;
        spec.title = "迅点小侠4";
        mainWindow = sim.desktop.AddWindow(spec);
        services.mainWindow = mainWindow;
    }

    int Play(const std::string& text) {
        return RunScript(services, text, [](std::function<void()> work) {
            work();
            return true;
        });
    }

    WindowHandle Overlay() const { return state.current ? state.current->pointerOverlay.load() : kNoWindow; }

    WindowHandle mainWindow = kNoWindow;
};

TEST_F(ScriptRunnerTest, RefusesTextWithoutTheHeaderMark) {
    bool started = false;
    // The click-effect windows are the program's too, and above the main window.
    CreateClickEffectWindows(services.effects, overlays);
    ASSERT_NE(sim.desktop.FirstChild(sim.desktop.DesktopWindow()), mainWindow);
    const int r = RunScript(services, " 'x\r\n鼠标点击(1,1,1,1,1)", [&](std::function<void()>) {
        started = true;
        return true;
    });
    EXPECT_EQ(r, 1);
    EXPECT_FALSE(started);
    EXPECT_TRUE(stopFlag.load());
    const auto boxes = sim.boxes.Shown();
    ASSERT_EQ(boxes.size(), 1u);
    // Owned by the main window, which it disables, never by an overlay.
    EXPECT_EQ(boxes[0].owner, mainWindow);
    EXPECT_EQ(boxes[0].caption, "岚榕_迅点小侠");
    EXPECT_EQ(boxes[0].text, "此脚本不是岚榕迅点小侠脚本格式，无法执行脚本。");
    EXPECT_EQ(boxes[0].flags, 0x51010u);
    EXPECT_TRUE(overlays.Calls(sim::OverlayCall::CreatePointer).size() == 1u);  // the fixture's own only
}

TEST_F(ScriptRunnerTest, SyntaxErrorReportsTheLineKeepsConfigurationAndClosesTheOverlay) {
    const std::string text = std::string(kHeader) + "'说明\r\n配置.执行次数=3\r\n配置.执行速度=2\r\n配置.随机偏移=4\r\n" +
                             kTargetLine + "鼠标点击(1,2,3)\r\n鼠标点击(1,10,10,1,100)\r\n";
    ASSERT_EQ(Play(text), 0);
    const auto boxes = sim.boxes.Shown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "发现脚本语法错误：第 7 行\r\n需要参数 5 个，检查到参数是3 个");
    EXPECT_EQ(boxes[0].caption, "脚本语法错误");
    EXPECT_EQ(boxes[0].flags, 0x51010u);
    EXPECT_EQ(boxes[0].owner, kNoWindow);
    EXPECT_EQ(config.repeatCount.load(), 3);
    EXPECT_EQ(config.speed.load(), 2.0f);
    EXPECT_EQ(config.randomOffset.load(), 4);
    EXPECT_TRUE(sim.desktop.MessagesTo(target).empty());
    EXPECT_EQ(state.current->targetWindow.load(), kNoWindow);
    EXPECT_TRUE(stopFlag.load());
    EXPECT_FALSE(sim.desktop.IsWindow(Overlay()));
}

TEST_F(ScriptRunnerTest, RepeatCountTwoPlaysTwiceCountingRepetitions) {
    std::vector<std::pair<int, int>> seen;  // repetition and line at each click
    sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
        if (m.message == msg::kLButtonDown) seen.emplace_back(state.Repetition(), state.CurrentLine());
    });
    const std::string text = std::string(kHeader) + "配置.执行次数=2\r\n" + kTargetLine +
                             "鼠标点击(1,10,10,1,650)\r\n'注释\r\n鼠标点击(1,20,20,1,650)\r\n";
    ASSERT_EQ(Play(text), 0);
    const std::vector<std::pair<int, int>> expected{{1, 3}, {1, 5}, {2, 3}, {2, 5}};
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(stopFlag.load());
    EXPECT_TRUE(sim.boxes.Shown().empty());
    EXPECT_FALSE(sim.desktop.IsWindow(Overlay()));
}

TEST_F(ScriptRunnerTest, ARepetitionsTargetSearchDoesNotPushTheScheduleBack) {
    // Clicks 8 ms apart: at each new repetition 目标窗口's own 10 ms pause makes the first click late; the
    // clicks after it keep their places, so ten repetitions end where the schedule says.
    std::vector<std::int64_t> presses;
    sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
        if (m.message == msg::kLButtonDown) presses.push_back(m.micros);
    });
    std::string text = std::string(kHeader) + "配置.执行次数=10\r\n" + kTargetLine;
    for (int i = 0; i < 3; ++i) text += "鼠标点击(1," + std::to_string(10 + 40 * i) + ",10,1,8)\r\n";
    ASSERT_EQ(Play(text), 0);
    ASSERT_EQ(presses.size(), 30u);
    for (std::size_t k = 0; k < presses.size(); ++k) {
        const std::int64_t due = presses[0] + static_cast<std::int64_t>(k) * 8'000;
        if (k % 3 == 0) {
            EXPECT_LT(presses[k] - due, 8'000) << k;  // after the search, at once
        } else {
            EXPECT_EQ(presses[k], due) << k;
        }
    }
}

TEST_F(ScriptRunnerTest, ClickBeforeAnyTargetEndsThePlayback) {
    const std::string text = std::string(kHeader) + "鼠标点击(1,10,10,1,650)\r\n" + kTargetLine;
    ASSERT_EQ(Play(text), 0);
    ASSERT_EQ(sim.boxes.Count(), 1u);
    EXPECT_EQ(sim.boxes.Shown()[0].text, "没有目标窗口，先执行“目标窗口”命令。");
    EXPECT_EQ(state.Repetition(), 1);
    EXPECT_FALSE(sim.desktop.IsWindow(Overlay()));
}

TEST_F(ScriptRunnerTest, StopsWhereverTheStopArrives) {
    // A stop after n sleeps lands in the target search, the approaches, the
    // clicks or the drag; the playback always ends with the overlay closed.
    const std::string text = std::string(kHeader) + kTargetLine + "鼠标点击(1,10,10,2,300)\r\n" +
                             "鼠标拖移(1,10,10,60,10,200,100)\r\n鼠标滚轮(120,5,5,2,0)\r\n";
    for (int sleeps : {1, 2, 50, 101, 102, 103, 110, 131, 140, 232, 233, 400}) {
        SCOPED_TRACE(sleeps);
        stopFlag = false;
        sim.desktop.ClearMessages();
        StopAfterSleeps(sleeps);
        ASSERT_EQ(Play(text), 0);
        EXPECT_TRUE(stopFlag.load());
        EXPECT_FALSE(sim.desktop.IsWindow(Overlay()));
        // Every press posted has its release.
        EXPECT_EQ(MessagesTo(msg::kLButtonDown).size(), MessagesTo(msg::kLButtonUp).size());
    }
}

TEST_F(ScriptRunnerTest, PointerOverlayShowsOnlyWhenItHelps) {
    struct Case {
        int foreground, moveMouse, virtualPointer;
        bool shownAfterCheck, hiddenByActions;
    };
    const Case cases[] = {
        {0, 1, 1, true, false},  // background: the arrow glides along
        {1, 1, 1, false, true},  // foreground moving the real pointer: never shown
        {1, 0, 1, true, true},   // shown after the check, hidden at the first action
        {0, 1, 0, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.foreground << c.moveMouse << c.virtualPointer);
        const std::string text = std::string(kHeader) + "配置.执行次数=1\r\n配置.前台模式=" +
                                 std::to_string(c.foreground) + "\r\n配置.移动鼠标=" + std::to_string(c.moveMouse) +
                                 "\r\n配置.虚拟鼠标=" + std::to_string(c.virtualPointer) + "\r\n" + kTargetLine +
                                 "鼠标点击(1,10,10,1,0)\r\n";
        sim.input.PlaceCursor(Point{700, 600});
        const auto callsBefore = overlays.Calls().size();
        ASSERT_EQ(Play(text), 0);
        const auto all = overlays.Calls();
        std::vector<sim::OverlayRecord> calls(all.begin() + static_cast<std::ptrdiff_t>(callsBefore), all.end());
        ASSERT_GE(calls.size(), 3u);
        EXPECT_EQ(calls[0].call, sim::OverlayCall::CreatePointer);
        EXPECT_EQ(calls[1].call, sim::OverlayCall::PlacePointer);
        EXPECT_EQ(calls[1].point, (Point{701, 601}));  // just off the real pointer
        EXPECT_EQ(calls[2].call == sim::OverlayCall::Show, c.shownAfterCheck);
        const bool hidden = std::any_of(calls.begin(), calls.end(),
                                        [](const auto& r) { return r.call == sim::OverlayCall::Hide; });
        EXPECT_EQ(hidden, c.hiddenByActions);
        // A hidden arrow is not moved along the glide.
        const auto hide = std::find_if(calls.begin(), calls.end(),
                                       [](const auto& r) { return r.call == sim::OverlayCall::Hide; });
        EXPECT_TRUE(std::none_of(hide, calls.end(),
                                 [](const auto& r) { return r.call == sim::OverlayCall::PlacePointer; }));
        EXPECT_EQ(calls.back().call, sim::OverlayCall::Close);
    }
}

TEST_F(ScriptRunnerTest, EndlessPlaybackOnItsOwnThreadRunsUntilStopped) {
    // With actions, and with nothing but configuration (which spins without pauses).
    for (const std::string& body : {std::string("配置.执行次数=-1\r\n") + kTargetLine +
                                        "鼠标拖移(1,10,10,60,10,50,5)\r\n鼠标点击(2,30,30,1,7)\r\n",
                                    std::string("配置.执行次数=0\r\n'只有注释\r\n")}) {
        stopFlag = false;
        std::thread worker;
        ASSERT_EQ(RunScript(services, kHeader + body,
                            [&](std::function<void()> work) {
                                worker = std::thread(std::move(work));
                                return true;
                            }),
                  0);
        while (state.Repetition() < 20) std::this_thread::yield();
        stopFlag = true;
        worker.join();
        EXPECT_EQ(MessagesTo(msg::kLButtonDown).size(), MessagesTo(msg::kLButtonUp).size());
        EXPECT_FALSE(sim.desktop.IsWindow(Overlay()));
    }
}

TEST_F(ScriptRunnerTest, ARunnerHeldByItsBoxEndsWithoutTouchingTheNextPlayback) {
    // The first playback ends in a box; while it is up the user stops (the status
    // tick returns to idle) and starts an endless playback on a thread of its own.
    // When the box is closed the first runner must end at once: no further box,
    // its own arrow closed, the second playback's arrow, target and flag untouched.
    struct Case {
        const char* name;
        std::string body;
    };
    const Case cases[] = {
        {"not found", "配置.执行次数=0\r\n目标窗口(\"没有\",\"NoSuchClass\",\"0\")\r\n鼠标点击(1,10,10,1,0)\r\n"},
        {"child not found", "配置.执行次数=0\r\n目标窗口(\"记事本\",\"Notepad\",\"3\")\r\n鼠标点击(1,10,10,1,0)\r\n"},
        {"no target", "配置.执行次数=0\r\n鼠标点击(1,10,10,1,0)\r\n"},
        {"syntax error", "鼠标点击(1,10)\r\n"},
    };
    const std::string second = std::string(kHeader) + "配置.执行次数=0\r\n" + kTargetLine + "鼠标点击(1,10,10,1,20)\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        stopFlag = false;
        sim.boxes.Clear();
        std::thread worker;
        std::shared_ptr<PlaybackRun> first;
        sim.boxes.SetResponder([&](const sim::MessageBoxRecord&) -> std::optional<int> {
            if (worker.joinable()) return id::kOk;  // a later box: just close it
            first = state.current;
            stopFlag = true;  // Esc, or the status tick after the runner set it
            EXPECT_EQ(RunScript(services, second,
                                [&](std::function<void()> work) {
                                    worker = std::thread(std::move(work));
                                    return true;
                                }),
                      0);
            while (state.Repetition() < 3) std::this_thread::yield();
            return id::kOk;
        });
        ASSERT_EQ(Play(std::string(kHeader) + c.body), 0);
        ASSERT_TRUE(worker.joinable());
        const std::shared_ptr<PlaybackRun> current = state.current;
        ASSERT_NE(current, first);

        EXPECT_EQ(sim.boxes.Count(), 1u);
        EXPECT_FALSE(sim.desktop.IsWindow(first->pointerOverlay.load()));
        EXPECT_TRUE(sim.desktop.IsWindow(current->pointerOverlay.load()));
        // The second runner clears and finds its target again at every repetition: watch for it holding it.
        bool holdsTarget = false;
        for (int i = 0; i < 1'000'000 && !holdsTarget && !stopFlag.load(); ++i) {
            holdsTarget = current->targetWindow.load() == target;
            if (!holdsTarget) std::this_thread::yield();
        }
        EXPECT_TRUE(holdsTarget);
        EXPECT_FALSE(stopFlag.load());
        const auto repetitionSeen = state.Repetition();
        // Still playing (the loop also ends if it was stopped, for the expectations above to report).
        while (state.Repetition() < repetitionSeen + 2 && !stopFlag.load()) std::this_thread::yield();

        stopFlag = true;
        worker.join();
        EXPECT_FALSE(sim.desktop.IsWindow(current->pointerOverlay.load()));
        EXPECT_EQ(sim.boxes.Count(), 1u);
        sim.boxes.SetResponder(nullptr);
    }
}

TEST_F(ScriptRunnerTest, AThreadThatCannotStartEndsThePlaybackWithABox) {
    const ThreadStarter failing[] = {
        [](std::function<void()>) { return false; },
        [](std::function<void()>) -> bool { throw std::runtime_error("no thread"); },
    };
    for (const ThreadStarter& start : failing) {
        stopFlag = false;
        sim.boxes.Clear();
        const std::string text = std::string(kHeader) + kTargetLine + "鼠标点击(1,10,10,1,0)\r\n";
        EXPECT_EQ(RunScript(services, text, start), 2);
        EXPECT_TRUE(stopFlag.load());
        ASSERT_NE(state.current, nullptr);
        EXPECT_FALSE(sim.desktop.IsWindow(Overlay()));
        const auto boxes = sim.boxes.Shown();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, "执行脚本中发生错误");
        EXPECT_EQ(boxes[0].text, "无法启动执行脚本的线程，脚本没有执行。");
        EXPECT_EQ(boxes[0].owner, mainWindow);
        EXPECT_EQ(boxes[0].flags, 0x50010u);
    }
}

TEST_F(ScriptRunnerTest, StopReachesAPlaybackWhoseTargetHasStoppedAnswering) {
    // Clicks on the title bar ask the target for its hit test; a hung target must
    // not hold the runner once Esc is pressed.
    sim.desktop.SetHung(target, true);
    std::int64_t stopAt = -1;
    sim.desktop.SetMessageObserver([&](const sim::MessageRecord& m) {
        if (m.message == msg::kNcHitTest && stopAt < 0) {
            stopAt = m.micros;
            stopFlag = true;
        }
    });
    const std::string text = std::string(kHeader) + "配置.执行次数=0\r\n" + kTargetLine +
                             "鼠标点击(1,60,-15,2,0)\r\n鼠标拖移(1,60,-15,90,-15,100,0)\r\n";
    ASSERT_EQ(Play(text), 0);
    ASSERT_GE(stopAt, 0);
    EXPECT_LE(sim.clock.MonotonicMicros() - stopAt, 250000);
    EXPECT_TRUE(MessagesTo(msg::kNcLButtonDown).empty());
    EXPECT_FALSE(sim.desktop.IsWindow(Overlay()));
}

}  // namespace
}  // namespace xd::test
