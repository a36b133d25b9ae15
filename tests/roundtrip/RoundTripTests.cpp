// Record, play, record again, in virtual time. The user's gestures go through
// the simulated hook chain into the script edition's recording path; the script
// is played in the foreground by the real runner; the runner's injected input
// goes through the same chain into a second recorder the test keeps listening
// (the program does not record while it plays). Both scripts must state the
// same statements at the same positions, with the waits the runner's timing
// model gives: each action glides to its point over the previous wait divided
// by the speed, and a click or wheel statement keeps 2 ms per repetition of
// its wait for itself, unscaled.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "appcore/keyboard/KeyPlayback.h"
#include "engine/CheckScript.h"
#include "engine/playback/ScriptRunner.h"
#include "platform/sim/SimPlatform.h"
#include "recorder/app/Activities.h"
#include "recorder/app/MainWindowEvents.h"
#include "recorder/capture/CaptureSession.h"
#include "tests/support/MainWindowView.h"
#include "tests/support/MemoryEditor.h"
#include "tests/support/MemoryScriptControls.h"
#include "tests/support/SimOverlayWindows.h"

namespace xd::test {
namespace {

using sim::SimButton;

constexpr std::uint32_t kOwnProcess = 1;
constexpr std::uint32_t kEditorProcess = 200;
constexpr std::uint32_t kBrowserProcess = 300;

// One copy of the script edition's main-window logic and its recorder on the shared desktop.
struct Program {
    explicit Program(sim::SimPlatform& sim) : context{model, editor, controls, view, sim.platform(), {}} {
        session.PlugInto(context.hooks);
        session.SetClickEffect([this](Point p, std::uint32_t) { demoEffects.push_back(p); });
    }
    // Both hook procedures into the chain, as the program's InputHooks installs them.
    void InstallHooks(sim::SimHooks& hooks) {
        hooks.InstallKeyboardHook([this](const LowLevelKeyEvent& e) { session.OnKeyboardHook(e); });
        hooks.InstallMouseHook([this](int code, const LowLevelMouseEvent& e, std::uintptr_t extra) {
            session.OnMouseHook(code, e, extra);
        });
    }
    AppState State() const { return ReadAppState(model.window.buttons); }
    // The main window's turn: Esc in the hook only posts the end of a recording.
    void RunPostedMessages(sim::SimDesktop& desktop) {
        if (view.handle == kNoWindow) return;
        const auto posted = desktop.MessagesTo(view.handle);
        for (; dispatched < posted.size(); ++dispatched)
            static_cast<void>(HandleCustomMessage(context, posted[dispatched].message, posted[dispatched].wParam));
    }

    AppModel model;
    MemoryEditor editor;
    MemoryScriptControls controls;
    RecordingMainWindowView view;
    AppContext context;
    CaptureSession session{context, {}};
    std::vector<Point> demoEffects;  // the mouse hook's click demonstration
    std::size_t dispatched = 0;
};

struct Variant {
    const char* name;
    int dpi;
    const char* speedText;  // as the user types it into the 执行速度 line
    double speed;
    std::uint32_t tickGranularityMs;
    std::uint32_t startTick = 0;
    friend void PrintTo(const Variant& v, std::ostream* os) { *os << v.name; }
};

// Every event time stamp is a tick count. Read at 1 ms the clock is exact and
// so are the waits: the runner schedules each action against the time the
// previous one was due, not when it finished, so target searches and click
// repetitions never shift it. With the system's 16 ms tick each stamp is
// floored to its step, so a wait (the difference of two stamps) in either
// recording may be off by less than one step.
std::int64_t WaitToleranceMs(const Variant& v) { return static_cast<std::int64_t>(v.tickGranularityMs) - 1; }

enum class Act { Press, Release, Wheel, KeyDown, KeyUp, Key };

struct Step {
    Act act;
    Point screen;
    std::uint32_t afterMs;
    SimButton button = SimButton::Left;
    int delta = 0;
    int key = 0;  // the virtual key of KeyDown, KeyUp and Key
};

// A key of the hand; the pointer stays where it is.
constexpr Step KeyStep(Act act, int key, std::uint32_t afterMs) { return Step{act, {}, afterMs, {}, 0, key}; }

// Notes: client origin (108, 131). Browser: a frame at (800, 100) whose second
// child holds the page, client origin (800, 150).
constexpr Point InNotes(int x, int y) { return {108 + x, 131 + y}; }
constexpr Point InPage(int x, int y) { return {800 + x, 150 + y}; }

struct Statement {
    std::string keyword;
    std::vector<std::int64_t> numbers;  // the arguments of an action statement
    std::string line;
};

std::vector<Statement> Statements(const std::string& text) {
    std::vector<Statement> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 2;
        if (line.empty() || line.starts_with("'") || line.starts_with("配置.")) continue;
        Statement s{line.substr(0, line.find('(')), {}, line};
        if (s.keyword != "目标窗口") {
            const std::string args = line.substr(line.find('(') + 1, line.rfind(')') - line.find('(') - 1);
            for (std::size_t p = 0; p <= args.size();) {
                std::size_t comma = args.find(',', p);
                if (comma == std::string::npos) comma = args.size();
                s.numbers.push_back(std::strtoll(args.substr(p, comma - p).c_str(), nullptr, 10));
                p = comma + 1;
            }
        }
        out.push_back(std::move(s));
    }
    return out;
}

std::int64_t Scaled(std::int64_t ms, double speed) {
    return static_cast<std::int64_t>(std::nearbyint(static_cast<double>(ms) / speed));
}

class RoundTrip : public ::testing::Test {
protected:
    explicit RoundTrip(const Variant& v) : variant(v) {
        sim.clock.SetTickGranularity(v.tickGranularityMs);
        sim.clock.SetTickCount(v.startTick);
        sim.desktop.SetCurrentProcessId(kOwnProcess);
        sim.desktop.SetScreenSize({1920, 1080});
        sim.desktop.SetDpi(v.dpi, v.dpi);
        sim::WindowSpec form;
        form.processId = kOwnProcess;
        form.rect = {1500, 0, 1775, 76};
        form.title = "岚榕_迅点小侠";
        form.className = "迅点小侠4_Form1";
        program.view.handle = sim.desktop.AddWindow(form);

        sim::WindowSpec notes;
        notes.processId = kEditorProcess;
        notes.rect = {100, 100, 700, 500};
        notes.clientInsets = {8, 31, 8, 8};
        notes.title = "无标题 - 记事本";
        notes.className = "Notepad";
        sim.desktop.AddWindow(notes);

        sim::WindowSpec browser;
        browser.processId = kBrowserProcess;
        browser.rect = {800, 100, 1200, 400};
        browser.clientInsets = {0, 20, 0, 0};
        browser.title = "起始页 - 浏览器";
        browser.className = "BrowserFrame";
        const WindowHandle frame = sim.desktop.AddWindow(browser);
        sim::WindowSpec bar = browser;
        bar.parent = frame;
        bar.rect = {800, 120, 1200, 150};
        bar.clientInsets = {};
        bar.title = "";
        bar.className = "ToolbarWindow32";
        sim.desktop.AddWindow(bar);
        sim::WindowSpec page = bar;
        page.rect = {800, 150, 1200, 400};
        page.className = "PageView";
        sim.desktop.AddWindow(page);

        // The program plays on this thread, in virtual time.
        program.context.hooks.startPlayback = [this](const std::string& text) {
            program.model.pointerTrail.Reset(sim.input.GetCursorPos());
            static_cast<void>(RunScript(services, text, [](std::function<void()> work) {
                work();
                return true;
            }));
        };
        program.InstallHooks(sim.hooks);
    }

    // The user records: Record button, the steps (the pointer is moved to each
    // point first), then Esc. The program is set to foreground play.
    std::string Record(const std::vector<Step>& steps, std::uint32_t stopAfterMs) {
        program.model.options.exclusiveMode = 0;  // so the second program's window is recorded too
        program.model.window.buttons[kModeButton].state = kButtonActive;
        ToggleRecording(program.context, false);
        EXPECT_EQ(program.State(), AppState::Recording);
        for (const Step& s : steps) {
            sim.clock.Advance(s.afterMs);
            const bool key = s.act == Act::KeyDown || s.act == Act::KeyUp || s.act == Act::Key;
            if (!key) sim.user.MoveTo(s.screen);
            switch (s.act) {
                case Act::Press: sim.user.Press(s.button); break;
                case Act::Release: sim.user.Release(s.button); break;
                case Act::Wheel: sim.user.Wheel(s.delta); break;
                case Act::KeyDown: sim.user.KeyDown(s.key); break;
                case Act::KeyUp: sim.user.KeyUp(s.key); break;
                case Act::Key: sim.user.Key(s.key); break;
            }
        }
        sim.clock.Advance(stopAfterMs);
        sim.user.Key(sim::vk::kEscape);
        program.RunPostedMessages(sim.desktop);
        EXPECT_EQ(program.State(), AppState::Idle);
        return program.editor.GetEditorText();
    }

    // The user sets the repeat count and the speed, presses Play, and the program
    // returns to idle once the runner has ended (as its status tick does, unless
    // Esc has done so already).
    // Meanwhile the listener records whatever reaches the hooks; Esc stops it.
    std::string PlayAndListen(std::string script, int repeatCount = 1) {
        auto set = [&script](const std::string& from, const std::string& to) {
            const std::size_t at = script.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            script.replace(at, from.size(), to);
        };
        set("配置.执行次数=0 ", "配置.执行次数=" + std::to_string(repeatCount) + " ");
        set("配置.执行速度=1 ", std::string("配置.执行速度=") + variant.speedText + " ");
        program.editor.SetEditorText(script);

        listener.model.options.exclusiveMode = program.model.options.exclusiveMode;
        listener.InstallHooks(sim.hooks);
        sim.hooks.InstallMouseHook([this](int, const LowLevelMouseEvent& e, std::uintptr_t) { played.push_back(e); });
        ToggleRecording(listener.context, false);
        program.demoEffects.clear();

        TogglePlayback(program.context);
        listener.RunPostedMessages(sim.desktop);  // an Esc during the playback stopped it too
        EXPECT_TRUE(program.model.stopRequested.load());  // the runner has ended
        if (program.State() == AppState::Playing) TogglePlayback(program.context);
        EXPECT_EQ(program.State(), AppState::Idle);
        EXPECT_EQ(sim.boxes.Count(), 0u);

        sim.clock.Advance(500);
        sim.user.Key(sim::vk::kEscape);
        listener.RunPostedMessages(sim.desktop);
        EXPECT_EQ(listener.State(), AppState::Idle);
        return listener.editor.GetEditorText();
    }

    // The wait the second recording should read after a statement of the first
    // (for waits above the click allowance; below it see WaitsShorterThanTheClickAllowanceDoNotRoundTrip).
    std::int64_t PlayedWait(const Statement& s, std::int64_t wait) const {
        if (s.keyword == "鼠标拖移") return Scaled(wait, variant.speed);
        const std::int64_t kept = 2 * s.numbers[3];
        return kept + Scaled(wait - kept, variant.speed);
    }

    // Statement by statement: keywords, targets, buttons, positions and counts
    // exactly; durations and waits within the tolerance. The last wait is left
    // out: the runner never spends it, so it is only the time until the test stopped.
    void ExpectSameScript(const std::string& first, const std::string& second) {
        const std::vector<Statement> a = Statements(first);
        const std::vector<Statement> b = Statements(second);
        ASSERT_EQ(a.size(), b.size()) << first << "\n---\n" << second;
        const std::int64_t tolerance = WaitToleranceMs(variant);
        for (std::size_t i = 0; i < a.size(); ++i) {
            SCOPED_TRACE(a[i].line + "  |  " + b[i].line);
            ASSERT_EQ(a[i].keyword, b[i].keyword);
            if (a[i].keyword == "目标窗口") {
                EXPECT_EQ(a[i].line, b[i].line);
                continue;
            }
            ASSERT_EQ(a[i].numbers.size(), b[i].numbers.size());
            const std::size_t waitAt = a[i].numbers.size() - 1;
            const bool drag = a[i].keyword == "鼠标拖移";
            const std::size_t timesFrom = drag ? waitAt - 1 : waitAt;
            for (std::size_t f = 0; f < timesFrom; ++f) EXPECT_EQ(a[i].numbers[f], b[i].numbers[f]) << "argument " << f;
            if (drag) {
                EXPECT_NEAR(b[i].numbers[5], Scaled(a[i].numbers[5], variant.speed), tolerance) << "duration";
            }
            if (i + 1 < a.size()) {
                EXPECT_NEAR(b[i].numbers[waitAt], PlayedWait(a[i], a[i].numbers[waitAt]), tolerance) << "wait";
            }
        }
    }

    Variant variant;
    sim::SimPlatform sim;
    Program program{sim};
    Program listener{sim};
    std::vector<LowLevelMouseEvent> played;  // every mouse event the hooks saw during the playback

    // The runner's services, wired as the program wires them to its model.
    PlaybackState playState{program.model.stopRequested};
    sim::SimOverlayWindows overlays{sim.desktop};
    std::mutex effectsGuard;
    DeviceScale scale;
    // The runner's pointer moves go on the trail the mouse hook tells the user's hand from.
    PointerTrailInput playerInput{sim.input, program.model.pointerTrail};
    PlaybackServices services{program.model.config, playState,   sim.desktop, playerInput, sim.clock,
                              sim.boxes,            overlays,    {program.model.window.effects, effectsGuard},
                              scale,                program.view.handle};
};

class RoundTripTest : public RoundTrip, public ::testing::WithParamInterface<Variant> {
protected:
    RoundTripTest() : RoundTrip(GetParam()) {}
};

using S = Step;
constexpr SimButton kRight = SimButton::Right;
constexpr SimButton kMiddle = SimButton::Middle;

TEST_P(RoundTripTest, PlayedScriptRecordsAsTheSameScript) {
    const std::vector<Step> steps{
        // Clicks of the three buttons and a double click in the notes window.
        {Act::Press, InNotes(50, 60), 500},
        {Act::Release, InNotes(51, 58), 120},
        {Act::Press, InNotes(200, 100), 800, kRight},
        {Act::Release, InNotes(200, 100), 90, kRight},
        {Act::Press, InNotes(300, 200), 1500},
        {Act::Release, InNotes(300, 200), 80},
        {Act::Press, InNotes(300, 200), 90},
        {Act::Release, InNotes(300, 200), 70},
        // On the title bar, left of and above the client area.
        {Act::Press, {102, 120}, 600},
        {Act::Release, {102, 120}, 100},
        // A drag, then notches away and back that merge by direction.
        {Act::Press, InNotes(100, 300), 2000},
        {Act::Release, InNotes(400, 250), 650},
        {Act::Wheel, InNotes(250, 250), 900, {}, 120},
        {Act::Wheel, InNotes(252, 251), 40, {}, 120},
        {Act::Wheel, InNotes(250, 250), 40, {}, 120},
        {Act::Wheel, InNotes(250, 250), 300, {}, -120},
        {Act::Wheel, InNotes(250, 250), 35, {}, -120},
        // After a long pause, into a child window of another program.
        {Act::Press, InPage(120, 80), 5000},
        {Act::Release, InPage(120, 80), 150},
        {Act::Press, InPage(30, 30), 400, kMiddle},
        {Act::Release, InPage(31, 31), 60, kMiddle},
        {Act::Press, InPage(10, 10), 1200, kRight},
        {Act::Release, InPage(10, 200), 1000, kRight},
        // And back, with a drag that ends over the other program: it stays relative to where it began.
        {Act::Press, InNotes(20, 20), 3000},
        {Act::Release, InNotes(20, 20), 100},
        {Act::Press, InNotes(500, 300), 250},
        {Act::Release, InPage(100, 50), 400},
    };
    const std::string first = Record(steps, 700);
    const std::vector<Statement> recorded = Statements(first);
    ASSERT_EQ(recorded.size(), 16u) << first;  // three target lines, thirteen gestures
    EXPECT_EQ(recorded[9].line, "目标窗口(\"起始页 - 浏览器\",\"BrowserFrame\",\"2\")");

    const std::string second = PlayAndListen(first);
    ExpectSameScript(first, second);

    // The hooks saw the runner's input as the system delivers it: buttons and
    // wheel injected, each after an injected move to its own point; the glides'
    // pointer moves (SetCursorPos) unflagged.
    std::size_t presses = 0;
    const LowLevelMouseEvent* before = nullptr;
    for (const LowLevelMouseEvent& e : played) {
        if (e.message != msg::kMouseMove) {
            EXPECT_EQ(e.flags, sim::llhook::kMouseInjected);
            ASSERT_NE(before, nullptr);
            EXPECT_EQ(before->message, msg::kMouseMove);
            EXPECT_EQ(before->flags, sim::llhook::kMouseInjected);
            EXPECT_EQ(before->point, e.point);
            if (e.message == msg::kLButtonDown || e.message == msg::kRButtonDown || e.message == msg::kMButtonDown)
                ++presses;
        }
        before = &e;
    }
    EXPECT_EQ(presses, 11u);
    // The program's own hook sees the injected presses too, so with 演示点击 on
    // it marks every played press besides the runner's own click effect.
    EXPECT_EQ(program.demoEffects.size(), presses);
    // No button is left down after the playback.
    for (int key : {sim::vk::kLButton, sim::vk::kRButton, sim::vk::kMButton})
        EXPECT_EQ(sim.desktop.AsyncKeyState(key), 0) << key;
}

INSTANTIATE_TEST_SUITE_P(
    Variants, RoundTripTest,
    ::testing::Values(Variant{"AtOneMillisecondTicks", 96, "1", 1.0, 1},
                      Variant{"AtHighDpi", 144, "1", 1.0, 1},
                      Variant{"TwiceAsFast", 96, "2", 2.0, 1},
                      Variant{"AtHalfSpeed", 96, "0.5", 0.5, 1},
                      Variant{"WithTheSystemsSixteenMillisecondTick", 96, "1", 1.0, 16},
                      // The recording takes about 20 s: the counter wraps about 10 s into the playback.
                      Variant{"AcrossTheTickCounterWrap", 96, "1", 1.0, 1, 0xFFFF8A00u}),
    [](const auto& info) { return std::string(info.param.name); });

class RoundTripExactTest : public RoundTrip {
protected:
    RoundTripExactTest() : RoundTrip(Variant{"Exact", 96, "1", 1.0, 1}) {}
};

// Played twice, the script spends its last wait too, between the passes; the
// window has not changed, so the second pass brings no target line.
TEST_F(RoundTripExactTest, SecondPassFollowsTheLastWait) {
    const std::string first = Record({{Act::Press, InNotes(10, 10), 500},
                                      {Act::Release, InNotes(10, 10), 100},
                                      {Act::Wheel, InNotes(60, 60), 700, {}, -120}},
                                     1234);
    const std::string second = PlayAndListen(first, 2);
    const std::vector<Statement> a = Statements(first);
    const std::vector<Statement> b = Statements(second);
    ASSERT_EQ(a.size(), 3u) << first;
    ASSERT_EQ(b.size(), 5u) << second;
    EXPECT_EQ(a[2].line, "鼠标滚轮(-120,60,60,1,1234)");
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(b[i].line, a[i].line);
    EXPECT_EQ(b[3].line, a[1].line);
    EXPECT_EQ(b[4].keyword, a[2].keyword);
}

// Esc during the playback reaches the program's keyboard hook, which stops the
// runner at once; the drag it interrupts lets its button go where the pointer
// is, so no button stays down. The listener, a recorder too, stops at the same Esc.
TEST_F(RoundTripExactTest, EscMidDragStopsThePlaybackWithNoButtonLeftDown) {
    const Point dragStart = InNotes(100, 100);
    const std::string first = Record({{Act::Press, InNotes(10, 10), 500},
                                      {Act::Release, InNotes(10, 10), 100},
                                      {Act::Press, dragStart, 300},
                                      {Act::Release, InNotes(400, 100), 1000},
                                      {Act::Press, InNotes(30, 30), 300},
                                      {Act::Release, InNotes(30, 30), 100}},
                                     100);
    bool dragging = false;
    int sleepsInDrag = 0;
    sim.hooks.InstallMouseHook([&](int, const LowLevelMouseEvent& e, std::uintptr_t) {
        dragging = dragging || (e.message == msg::kLButtonDown && e.point == dragStart);
    });
    sim.clock.SetSleepHook([&](const sim::SleepRecord&) {
        if (dragging && ++sleepsInDrag == 20) sim.user.Key(sim::vk::kEscape);
    });
    const std::string second = PlayAndListen(first);

    EXPECT_EQ(sim.desktop.AsyncKeyState(sim::vk::kLButton), 0);
    std::vector<LowLevelMouseEvent> buttons;
    for (const LowLevelMouseEvent& e : played)
        if (e.message != msg::kMouseMove) buttons.push_back(e);
    ASSERT_EQ(buttons.size(), 4u);  // the click, the drag's press and its release; never the last click
    EXPECT_EQ(buttons[3].message, msg::kLButtonUp);
    EXPECT_GT(buttons[3].point.x, dragStart.x);
    EXPECT_LT(buttons[3].point.x, InNotes(400, 100).x);
    const std::vector<Statement> b = Statements(second);
    ASSERT_EQ(b.size(), 2u) << second;  // the held drag left nothing
    EXPECT_EQ(b[1].line, Statements(first)[1].line);
}

// Recorded on the primary monitor at 96 DPI; then the notes window goes to a second monitor at 144 DPI,
// where it is drawn half as large again. Played there, every action lands on the same control point, and
// recording the playback gives the same script.
TEST_F(RoundTripExactTest, PlaysOnTheSameControlPointAfterTheWindowMovesToAMonitorAtAnotherScale) {
    sim.desktop.AddMonitor({{1920, 0, 3840, 1080}, 144});
    const std::string first = Record({{Act::Press, InNotes(50, 60), 500},
                                      {Act::Release, InNotes(50, 60), 100},
                                      {Act::Press, InNotes(200, 100), 800, kRight},
                                      {Act::Release, InNotes(200, 100), 90, kRight},
                                      {Act::Press, InNotes(100, 300), 700},
                                      {Act::Release, InNotes(400, 250), 650},
                                      {Act::Wheel, InNotes(250, 250), 900, {}, -120}},
                                     500);
    ASSERT_EQ(Statements(first)[3].line, "鼠标拖移(1,100,300,400,250,650,900)") << first;
    const WindowHandle notes = sim.desktop.FindWindow("Notepad", std::nullopt);
    ASSERT_TRUE(sim.desktop.SetWindowRect(notes, {2000, 100, 2900, 700}));
    ASSERT_TRUE(sim.desktop.SetClientInsets(notes, {12, 46, 12, 12}));  // client origin (2012, 146)

    const std::string second = PlayAndListen(first);
    ExpectSameScript(first, second);

    const auto at = [](int x, int y) { return Point{2012 + x * 3 / 2, 146 + y * 3 / 2}; };
    const std::vector<std::pair<std::uint32_t, Point>> expected{
        {msg::kLButtonDown, at(50, 60)},   {msg::kLButtonUp, at(50, 60)},   {msg::kRButtonDown, at(200, 100)},
        {msg::kRButtonUp, at(200, 100)},   {msg::kLButtonDown, at(100, 300)}, {msg::kLButtonUp, at(400, 250)},
        {msg::kMouseWheel, at(250, 250)}};
    std::vector<std::pair<std::uint32_t, Point>> buttons;
    for (const LowLevelMouseEvent& e : played)
        if (e.message != msg::kMouseMove) buttons.emplace_back(e.message, e.point);
    EXPECT_EQ(buttons, expected);
}

// Expected differences, not faults: the timing model keeps 2 ms per click for
// the click itself, so a click whose recorded wait is exactly 2 ms stores 0,
// which means "nothing stored", and the next action glides for the 1000 ms of
// a first action; a wait of 1 ms stores -1, an approach of no duration, and the
// next action follows 2 ms after the click. Only machines press this fast.
TEST_F(RoundTripExactTest, WaitsShorterThanTheClickAllowanceDoNotRoundTrip) {
    const std::string first = Record({{Act::Press, InNotes(10, 10), 500},
                                      {Act::Release, InNotes(10, 10), 1},
                                      {Act::Press, InNotes(90, 10), 1},
                                      {Act::Release, InNotes(90, 10), 0},
                                      {Act::Press, InNotes(10, 90), 1},
                                      {Act::Release, InNotes(10, 90), 100}},
                                     200);
    const std::string second = PlayAndListen(first);
    const std::vector<Statement> a = Statements(first);
    const std::vector<Statement> b = Statements(second);
    ASSERT_EQ(a.size(), 4u) << first;
    ASSERT_EQ(b.size(), 4u) << second;
    EXPECT_EQ(a[1].line, "鼠标点击(1,10,10,1,2)");
    EXPECT_EQ(b[1].line, "鼠标点击(1,10,10,1,1002)");
    EXPECT_EQ(a[2].line, "鼠标点击(1,90,10,1,1)");
    EXPECT_EQ(b[2].line, "鼠标点击(1,90,10,1,2)");
    EXPECT_EQ(a[3].numbers[1], b[3].numbers[1]);
}


// With 录制键盘 on, the user clicks into the notes window and types into its edit field between clicks: a
// combination, a word with Shift and a repeated key. The recording is the script a user would expect; played
// in the foreground (SendInput) and in the background (posts to the focused control of the target's thread)
// it gives the edit field the same key messages, which are the ones the typing stands for.
TEST_F(RoundTripExactTest, TypedKeysRecordAsKeyLinesAndPlayTheSameKeysInEitherMode) {
    constexpr int kCtrl = sim::vk::kControl;
    constexpr int kShift = sim::vk::kShift;
    constexpr int kDown = 0x28;
    const WindowHandle notes = sim.desktop.FindWindow("Notepad", std::nullopt);
    ASSERT_TRUE(sim.desktop.SetProcessAndThread(notes, kEditorProcess, 201));
    sim::WindowSpec edit;
    edit.parent = notes;
    edit.processId = kEditorProcess;
    edit.threadId = 201;
    edit.rect = {400, 350, 690, 490};
    edit.className = "Edit";
    const WindowHandle field = sim.desktop.AddWindow(edit);
    sim.desktop.SetForegroundWindow(notes);
    sim.desktop.SetFocus(field);
    program.model.options.recordKeyboard = 1;

    const std::string first = Record({{Act::Press, InNotes(50, 60), 500},
                                      {Act::Release, InNotes(50, 60), 100},
                                      KeyStep(Act::KeyDown, kCtrl, 400),
                                      KeyStep(Act::Key, 'S', 100),
                                      KeyStep(Act::KeyUp, kCtrl, 100),
                                      {Act::Press, InNotes(200, 100), 300},
                                      {Act::Release, InNotes(200, 100), 80},
                                      KeyStep(Act::KeyDown, kShift, 500),
                                      KeyStep(Act::Key, 'H', 100),
                                      KeyStep(Act::KeyUp, kShift, 50),
                                      KeyStep(Act::Key, 'E', 100),
                                      KeyStep(Act::Key, 'L', 100),
                                      KeyStep(Act::Key, 'L', 100),
                                      KeyStep(Act::Key, 'O', 100),
                                      {Act::Press, InNotes(300, 200), 600},
                                      {Act::Release, InNotes(300, 200), 90},
                                      KeyStep(Act::Key, kDown, 300),
                                      KeyStep(Act::Key, kDown, 100),
                                      KeyStep(Act::Key, kDown, 100),
                                      {Act::Press, InNotes(20, 20), 700},
                                      {Act::Release, InNotes(20, 20), 100}},
                                     400);
    std::vector<std::string> lines;
    for (const Statement& s : Statements(first)) lines.push_back(s.line);
    const std::vector<std::string> expectedLines{
        "目标窗口(\"无标题 - 记事本\",\"Notepad\",\"0\")", "鼠标点击(1,50,60,1,600)",
        "键盘按键(\"Ctrl+S\",1,400)",                         "鼠标点击(1,200,100,1,680)",
        "输入文字(\"Hello\",1050)",                           "鼠标点击(1,300,200,1,390)",
        "键盘按键(\"Down\",3,900)",                           "鼠标点击(1,20,20,1,500)"};
    ASSERT_EQ(lines, expectedLines) << first;

    // Each mode in turn, with the program's own runner; what reaches the edit field is kept.
    const auto play = [&](bool foreground) {
        std::string script = first;
        const std::string mode = "配置.前台模式=";
        const std::size_t at = script.find(mode);
        EXPECT_NE(at, std::string::npos);
        if (at != std::string::npos) script[at + mode.size()] = foreground ? '1' : '0';
        script.replace(script.find("配置.执行次数=0 "), std::string("配置.执行次数=0 ").size(), "配置.执行次数=1 ");
        program.editor.SetEditorText(script);
        const std::size_t before = sim.desktop.MessagesTo(field).size();
        TogglePlayback(program.context);
        if (program.State() == AppState::Playing) TogglePlayback(program.context);
        EXPECT_EQ(program.State(), AppState::Idle);
        EXPECT_EQ(sim.boxes.Count(), 0u);
        std::vector<KeyMessage> keys;
        const auto messages = sim.desktop.MessagesTo(field);
        for (std::size_t i = before; i < messages.size(); ++i) {
            const sim::MessageRecord& m = messages[i];
            if (m.message == msg::kKeyDown || m.message == msg::kKeyUp || m.message == msg::kSysKeyDown ||
                m.message == msg::kSysKeyUp || m.message == msg::kChar) {
                EXPECT_EQ(m.fromInput, foreground);
                keys.push_back(KeyMessage{m.message, m.wParam, m.lParam});
            }
        }
        return keys;
    };
    const std::vector<KeyMessage> foreground = play(true);
    const std::vector<KeyMessage> background = play(false);
    EXPECT_EQ(foreground, background);

    using Key = std::pair<std::uint32_t, std::uintptr_t>;
    std::vector<Key> expectedKeys{{msg::kKeyDown, kCtrl}, {msg::kKeyDown, 'S'}, {msg::kKeyUp, 'S'}, {msg::kKeyUp, kCtrl}};
    for (const char c : std::string("Hello")) expectedKeys.push_back({msg::kChar, static_cast<std::uintptr_t>(c)});
    for (int i = 0; i < 3; ++i) {
        expectedKeys.push_back({msg::kKeyDown, kDown});
        expectedKeys.push_back({msg::kKeyUp, kDown});
    }
    std::vector<Key> played;
    for (const KeyMessage& m : foreground) played.emplace_back(m.message, m.wParam);
    EXPECT_EQ(played, expectedKeys);
    // Nothing is left held: the playback let Ctrl go.
    EXPECT_EQ(sim.desktop.AsyncKeyState(kCtrl), 0);
}

}  // namespace
}  // namespace xd::test
