#include "PlaybackFixture.h"
#include "engine/ScriptSyntax.h"
#include "engine/playback/TargetWindow.h"

namespace xd::test {
namespace {

class TargetWindowTest : public PlaybackFixture {
protected:
    TargetWindowTest() {
        // Three children of the top-level window; the second has four of its own.
        for (int i = 0; i < 3; ++i) top[i] = AddChild(target);
        for (int i = 0; i < 4; ++i) inner[i] = AddChild(top[1]);
    }

    WindowHandle AddChild(WindowHandle parent) {
        sim::WindowSpec spec;
        spec.parent = parent;
        spec.place = sim::ZPlace::Bottom;  // keeps creation order as child order
        return sim.desktop.AddWindow(spec);
    }

    WindowHandle top[3]{};
    WindowHandle inner[4]{};
};

TEST_F(TargetWindowTest, WalksTheChildPath) {
    // -1 the top-level window, 0..2 top[], 10.. inner[].
    const std::pair<const char*, int> cases[] = {
        {"", -1}, {"0", -1}, {"-3", -1}, {"abc", -1}, {"2", 1}, {"2,3", 12}, {"2,0,5", 1}, {"3,", 2},
    };
    for (const auto& [path, index] : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(ResolveTargetWindow(runner, "记事本", "Notepad", path), 0);
        const WindowHandle expected = index < 0 ? target : index >= 10 ? inner[index - 10] : top[index];
        EXPECT_EQ(run.targetWindow.load(), expected);
    }
    EXPECT_TRUE(sim.boxes.Shown().empty());
    EXPECT_FALSE(stopFlag.load());
}

TEST_F(TargetWindowTest, PositionsAboveTheLimitCountAs999) {
    // 1000 children: position 1500 reaches the 999th, not "none".
    WindowHandle many = AddChild(target);
    WindowHandle at999 = kNoWindow;
    for (int i = 1; i <= 1000; ++i) {
        const WindowHandle w = AddChild(many);
        if (i == 999) at999 = w;
    }
    EXPECT_EQ(ResolveTargetWindow(runner, "记事本", "Notepad", "4,1500"), 0);
    EXPECT_EQ(run.targetWindow.load(), at999);
}

TEST_F(TargetWindowTest, MissingWindowIsReportedAfterAboutTwoHundredMilliseconds) {
    sim.boxes.SetResponder([this](const sim::MessageBoxRecord&) -> std::optional<int> {
        EXPECT_TRUE(stopFlag.load());  // set before the box
        return std::nullopt;
    });
    run.targetWindow = target;
    const std::int64_t start = sim.clock.MonotonicMicros();
    EXPECT_EQ(ResolveTargetWindow(runner, "无题", "Cls", "1"), 1);
    EXPECT_EQ(sim.clock.MonotonicMicros() - start, 200'000);
    EXPECT_EQ(run.targetWindow.load(), kNoWindow);
    const auto boxes = sim.boxes.Shown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "找不到目标窗口，请检查目标软件是否开启。\r\n窗口名：无题\r\n类名：Cls");
    EXPECT_EQ(boxes[0].caption, "执行脚本中发生错误");
    EXPECT_EQ(boxes[0].flags, 0x50010u);
    EXPECT_EQ(boxes[0].owner, kNoWindow);
}

TEST_F(TargetWindowTest, ChildBeyondTheLastIsReportedWithItsElement) {
    sim.boxes.SetResponder([this](const sim::MessageBoxRecord&) -> std::optional<int> {
        EXPECT_FALSE(stopFlag.load());  // set after the box
        return std::nullopt;
    });
    EXPECT_EQ(ResolveTargetWindow(runner, "记事本", "Notepad", "2,9"), 2);
    EXPECT_TRUE(stopFlag.load());
    EXPECT_EQ(run.targetWindow.load(), kNoWindow);
    ASSERT_EQ(sim.boxes.Count(), 1u);
    EXPECT_EQ(sim.boxes.Shown()[0].text,
              "找不到目标窗口中子级。\r\n窗口名：记事本\r\n类名：Notepad\r\n子级：2,9\r\n错误位于子级：1");
}

TEST_F(TargetWindowTest, WindowThatOpensLateIsFoundWithinTheRetries) {
    for (const auto& [delayMs, expectFound] : {std::pair{100, true}, std::pair{250, false}}) {
        const int openAfterMs = delayMs;
        const bool found = expectFound;
        SCOPED_TRACE(openAfterMs);
        ClearStop();
        const std::int64_t opensAt = sim.clock.MonotonicMicros() + openAfterMs * 1000;
        WindowHandle late = kNoWindow;
        sim.clock.SetSleepHook([&, this](const sim::SleepRecord& r) {
            if (late == kNoWindow && r.toMicros >= opensAt) {
                sim::WindowSpec spec;
                spec.title = "迟到";
                spec.className = std::string("Late") + std::to_string(openAfterMs);
                late = sim.desktop.AddWindow(spec);
            }
        });
        const int r = ResolveTargetWindow(runner, "迟到", "Late" + std::to_string(openAfterMs), "");
        EXPECT_EQ(r, found ? 0 : 1);
        EXPECT_EQ(run.targetWindow.load(), found ? late : kNoWindow);
        sim.clock.SetSleepHook(nullptr);
    }
}

// With a wait set, a window (or a child) that is not there yet is looked for every 100 ms: the runner takes it
// within one poll of its opening, ends within one poll of a stop, and reports a missing one only at the end.
TEST_F(TargetWindowTest, AWaitForTheWindowEndsWhenItOpensIsStoppedOrRunsOut) {
    struct Case {
        const char* what;
        const char* path;
        std::int64_t opensAtMs;  // -1: never
        std::int64_t stopAtMs;   // -1: never
        int result;
        std::int64_t endsAtMs;
    };
    const Case cases[] = {
        {"opens at 2.3 s of 5", "", 2300, -1, 0, 2300},
        {"its child appears at 2.3 s", "4", 2300, -1, 0, 2300},
        {"never opens", "", -1, -1, 1, 5000},
        {"its child never appears", "4", -1, -1, 2, 5000},
        {"stopped during the wait", "", -1, 1250, 99, 1300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClearStop();
        sim.boxes.Clear();
        state.waitForWindowSeconds = 5;
        const bool child = c.path[0] != '\0';
        const std::int64_t start = sim.clock.MonotonicMicros();
        const auto at = [&](std::int64_t ms) { return ms >= 0 && sim.clock.MonotonicMicros() - start >= ms * 1000; };
        WindowHandle opened = kNoWindow;
        bool sawWaiting = false;
        sim.clock.SetSleepHook([&, this](const sim::SleepRecord&) {
            sawWaiting = sawWaiting || run.waitingForWindow.load();
            if (opened == kNoWindow && at(c.opensAtMs)) opened = child ? AddChild(target) : sim.desktop.AddWindow([] {
                sim::WindowSpec spec;
                spec.title = "稍后";
                spec.className = "Later";
                return spec;
            }());
            if (at(c.stopAtMs)) stopFlag = true;
        });
        const int r = child ? ResolveTargetWindow(runner, "记事本", "Notepad", c.path)
                            : ResolveTargetWindow(runner, "稍后", "Later", c.path);
        sim.clock.SetSleepHook(nullptr);
        EXPECT_EQ(r, c.result);
        EXPECT_EQ(run.targetWindow.load(), c.result == 0 ? opened : kNoWindow);
        // The first search's own retries (200 ms, or the pause after the window) come before the wait.
        const std::int64_t firstSearchMs = child ? 10 : 200;
        EXPECT_LE(sim.clock.MonotonicMicros() - start, (std::max(c.endsAtMs, firstSearchMs) + firstSearchMs) * 1000);
        EXPECT_GE(sim.clock.MonotonicMicros() - start, c.endsAtMs * 1000);
        EXPECT_EQ(sim.boxes.Count(), c.result == 1 || c.result == 2 ? 1u : 0u);
        EXPECT_TRUE(sawWaiting);
        EXPECT_FALSE(run.waitingForWindow.load());
        if (opened != kNoWindow) sim.desktop.DestroyWindow(opened);
    }
}

TEST_F(TargetWindowTest, RecordedQuotesInTitleAndClassFindTheWindow) {
    sim::WindowSpec spec;
    spec.title = R"(说 "你好" 吧)";
    spec.className = R"(A"B)";
    const WindowHandle quoted = sim.desktop.AddWindow(spec);
    // What the argument split leaves of the writer's doubled quotes.
    EXPECT_EQ(ResolveTargetWindow(runner, R"(说 ""你好"" 吧)", R"(A""B)", "0"), 0);
    EXPECT_EQ(run.targetWindow.load(), quoted);
    EXPECT_EQ(UndoubleQuotes(R"(a""""b"")"), R"(a""b")");
}

TEST_F(TargetWindowTest, TitlesWithQuotesAtTheirEndsSurviveTheScriptLine) {
    const auto quoted = [](std::string_view text) {
        std::string out = "\"";
        for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
        return out + "\"";
    };
    for (const std::string title : {R"(打开 "a.txt")", R"("引号"开头)", R"(")", R"("")", R"(无引号)"}) {
        SCOPED_TRACE(title);
        sim::WindowSpec spec;
        spec.title = title;
        spec.className = R"(Cls")";
        const WindowHandle w = sim.desktop.AddWindow(spec);
        // The line as the recorder writes it, read back as the runner reads it.
        const auto args = SplitArguments("目标窗口(" + quoted(title) + "," + quoted(spec.className) + ",\"0\")");
        ASSERT_EQ(args.size(), 3u);
        ASSERT_EQ(ResolveTargetWindow(runner, args[0], args[1], args[2]), 0);
        EXPECT_EQ(run.targetWindow.load(), w);
        sim.desktop.DestroyWindow(w);
    }
}

TEST_F(TargetWindowTest, StopDuringTheWalkLeavesNoTarget) {
    run.targetWindow = target;
    StopAfterSleeps(1);  // the pause after the search
    EXPECT_EQ(ResolveTargetWindow(runner, "记事本", "Notepad", "2,3"), 99);
    EXPECT_EQ(run.targetWindow.load(), kNoWindow);
    EXPECT_TRUE(sim.boxes.Shown().empty());
}

}  // namespace
}  // namespace xd::test
