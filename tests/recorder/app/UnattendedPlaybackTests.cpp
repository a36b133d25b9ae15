// `/play` in the script edition: each exit code from its cause, with the real runner on the simulated desktop.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "appcore/unattended/ReadOnlyProfile.h"
#include "appcore/unattended/UnattendedPlay.h"
#include "engine/playback/ScriptRunner.h"
#include "platform/sim/SimPlatform.h"
#include "recorder/app/Activities.h"
#include "recorder/app/MainWindowEvents.h"
#include "recorder/app/ScriptHeader.h"
#include "recorder/app/UnattendedPlayback.h"
#include "tests/support/MainWindowView.h"
#include "tests/support/MemoryEditor.h"
#include "tests/support/MemoryScriptControls.h"
#include "tests/support/SimOverlayWindows.h"

namespace xd {
namespace {

constexpr const char* kProgram = "C:\\迅点小侠\\迅点小侠4.exe";
constexpr const char* kScript = "C:\\脚本\\每日.mkx";
constexpr const char* kBom = "\xEF\xBB\xBF";
constexpr const char* kTarget = "目标窗口(\"记事本\",\"Notepad\",\"0\")\r\n";
constexpr const char* kClick = "鼠标点击(1,40,50,1,100)\r\n";

// One program on a desktop of its own: the window, Notepad as the target, and the runner.
struct ScriptWorld {
    ScriptWorld() {
        sim::WindowSpec form;
        form.rect = {10, 10, 285, 86};
        form.className = "迅点小侠4_Form1";
        form.processId = 7;
        view.handle = sim.desktop.AddWindow(form);
        sim::WindowSpec notepad;
        notepad.rect = Rect{100, 100, 500, 400};
        notepad.title = "记事本";
        notepad.className = "Notepad";
        target = sim.desktop.AddWindow(notepad);
        // As the program's playback host starts it, on a thread of its own: the runner starts once the start
        // has returned.
        context.hooks.startPlayback = [this](const std::string& text) {
            state.waitForWindowSeconds.store(model.options.waitForWindowSeconds);
            static_cast<void>(RunScript(services, text, [this](std::function<void()> work) {
                pending = std::move(work);
                return true;
            }));
        };
    }

    // The start-up with /play's script, the playback, and the status tick's view of its end.
    PlayOutcome Play(const PlayRequest& request) {
        RunFirstLoadStage(context, MakeApplicationInfo(kProgram), request.scriptPath);
        EXPECT_TRUE(HandleCustomMessage(context, appmsg::kDeferredLoad, appmsg::kDeferredLoadParam));
        if (!StartUnattendedPlayback(context, request)) return play.Finish(false, {});
        EXPECT_FALSE(UnattendedPlaybackEnd(model).has_value());
        if (pending) pending();
        const std::optional<bool> byHand = UnattendedPlaybackEnd(model);
        EXPECT_TRUE(byHand.has_value());
        return play.Finish(byHand.value_or(false), {});
    }

    int PostedPresses() const {
        int presses = 0;
        for (const auto& m : sim.desktop.MessagesTo(target)) presses += m.message == msg::kLButtonDown ? 1 : 0;
        return presses;
    }

    sim::SimPlatform sim;
    UnattendedPlay play{PlayRequest{}, ScriptPlayCauses()};
    ReadOnlyProfile settings{sim.profile};
    MemoryEditor editor;
    MemoryScriptControls controls;
    test::RecordingMainWindowView view;
    AppModel model;
    AppContext context{model,
                       editor,
                       controls,
                       view,
                       Platform{sim.desktop, sim.input, sim.clock, play.Boxes(), sim.files, settings, sim.registry,
                                sim.dialogs},
                       {}};
    PlaybackState state{model.stopRequested};
    sim::SimOverlayWindows overlays{sim.desktop};
    ClickEffectSlots slots;
    std::mutex slotsGuard;
    DeviceScale scale;
    PlaybackServices services{model.config, state,    sim.desktop, sim.input, sim.clock, play.Boxes(),
                              overlays,     {slots, slotsGuard},  scale,       view.handle};
    std::function<void()> pending;
    WindowHandle target = kNoWindow;
};

struct ExitCase {
    const char* name;
    std::string file;                         // empty: the script is there with nothing to play
    std::function<void(ScriptWorld&)> arrange;
    PlayExit exit;
    int presses;
};

TEST(UnattendedScriptTest, EachExitFromItsCause) {
    // Foreground in the file, and it repeats until stopped: the command line makes it two background runs.
    const std::string header = kBom + ScriptHeaderText("4.0.2", true, false, false);
    const std::vector<ExitCase> cases = {
        {"played", header + "\r\n" + kTarget + kClick, {}, PlayExit::Played, 2},
        {"syntax error", header + "\r\n" + kTarget + "鼠标点击(1,40,50,1,100\r\n", {}, PlayExit::SyntaxError, 0},
        {"not a script", std::string(kBom) + "' 别的文字\r\n" + kTarget + kClick, {}, PlayExit::FileRefused, 0},
        {"no window", header + "\r\n目标窗口(\"没有\",\"NoSuchClass\",\"0\")\r\n" + kClick, {},
         PlayExit::WindowNotFound, 0},
        {"refused input", header + "\r\n" + kTarget + kClick,
         [](ScriptWorld& w) { w.sim.desktop.RefusePosts(w.target, msg::kLButtonDown); },
         PlayExit::InputRefused, 0},
        {"Esc", header + "\r\n" + kTarget + kClick,
         [](ScriptWorld& w) {
             // The keyboard hook's Esc in the wait after the first click.
             w.sim.clock.SetSleepHook([&w](const sim::SleepRecord&) {
                 if (w.PostedPresses() == 1 && w.model.window.buttons[kPlayButton].state == kButtonActive) {
                     TogglePlayback(w.context);
                 }
             });
         },
         PlayExit::StoppedByUser, 1},
        {"nothing to play", header, {}, PlayExit::OtherError, 0},
    };
    for (const ExitCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto world = std::make_unique<ScriptWorld>();
        world->sim.files.Put(kScript, c.file);
        if (c.arrange) c.arrange(*world);
        PlayRequest request;
        request.scriptPath = kScript;
        request.repeat = 2;
        request.mode = PlayModeOverride::Background;
        const PlayOutcome outcome = world->Play(request);
        EXPECT_EQ(outcome.exit, c.exit);
        EXPECT_EQ(world->PostedPresses(), c.presses);
        // Opening a script copies its options to the settings file; not in this mode.
        EXPECT_TRUE(world->sim.profile.Writes().empty());
    }
}

TEST(UnattendedScriptTest, WaitGivesTheWindowItsTimeBeforeTheExitSaysNotFound) {
    ScriptWorld world;
    world.sim.files.Put(kScript, kBom + ScriptHeaderText("4.0.2", false, false, false) +
                                     "\r\n目标窗口(\"没有\",\"NoSuchClass\",\"0\")\r\n" + kClick);
    PlayRequest request;
    request.scriptPath = kScript;
    request.waitSeconds = 3;
    const std::int64_t start = world.sim.clock.MonotonicMicros();
    EXPECT_EQ(world.Play(request).exit, PlayExit::WindowNotFound);
    EXPECT_GE(world.sim.clock.MonotonicMicros() - start, 3'000'000);
}

}  // namespace
}  // namespace xd
