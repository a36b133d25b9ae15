#include "engine/playback/ScriptRunner.h"

#include <thread>
#include <utility>

#include "appcore/playback/PointerOverlay.h"
#include "engine/CheckScript.h"
#include "engine/KeyStatements.h"
#include "engine/Messages.h"
#include "engine/Numbers.h"
#include "engine/ScriptText.h"
#include "engine/playback/InputActions.h"
#include "engine/playback/KeyActions.h"
#include "engine/playback/PlaybackMessages.h"
#include "engine/playback/PointerShown.h"
#include "engine/playback/TargetWindow.h"

namespace xd {

int RunScript(const PlaybackServices& services, std::string_view text, const ThreadStarter& start) {
    PlaybackState& state = services.state;
    if (!StartsWithHeaderMark(text)) {
        state.stopRequested.store(true);
        static_cast<void>(services.boxes.Show(services.mainWindow, std::string(kNotAScriptText),
                                              std::string(kNotAScriptCaption), kNotAScriptBoxFlags));
        return 1;
    }
    std::shared_ptr<PlaybackRun> run;
    {
        // A runner of an earlier playback still running (held by an error box, or
        // not yet at its next stop check) is stale from here on.
        std::lock_guard lock(state.handover);
        run = std::make_shared<PlaybackRun>(state.generation.load() + 1);
        state.generation.store(run->generation);
        state.stopRequested.store(false);
    }
    state.current = run;
    run->pointerOverlay.store(services.overlays.CreatePointerOverlay());
    bool started = false;
    try {
        started = start([services, run, copy = std::string(text)]() mutable {
            ScriptRunner(services, std::move(run), std::move(copy));
        });
    } catch (...) {
        started = false;
    }
    if (started) return 0;
    run->stopped.store(true);
    services.overlays.PostClose(run->pointerOverlay.load());
    state.stopRequested.store(true);
    static_cast<void>(services.boxes.Show(services.mainWindow, std::string(kThreadStartFailedText),
                                          std::string(kRunErrorCaption), kRunErrorBoxFlags));
    return 2;
}

namespace {

std::int32_t IntegerArgument(const ScriptCommand& command, std::size_t i) {
    return i < command.arguments.size() ? ReadInteger(command.arguments[i]) : 0;
}

std::string_view TextArgument(const ScriptCommand& command, std::size_t i) {
    return i < command.arguments.size() ? std::string_view(command.arguments[i]) : std::string_view();
}

// Results are not consulted: every failure has already set the stop flag.
void Execute(Runner& runner, const ScriptCommand& c) {
    switch (c.kind) {
        case CommandKind::Config:
            break;
        case CommandKind::TargetWindow:
            static_cast<void>(ResolveTargetWindow(runner, TextArgument(c, 0), TextArgument(c, 1), TextArgument(c, 2)));
            break;
        case CommandKind::Click:
            static_cast<void>(PerformClick(runner, IntegerArgument(c, 0), IntegerArgument(c, 1), IntegerArgument(c, 2),
                                           IntegerArgument(c, 3), IntegerArgument(c, 4)));
            break;
        case CommandKind::Drag:
            static_cast<void>(PerformDrag(runner, IntegerArgument(c, 0), IntegerArgument(c, 1), IntegerArgument(c, 2),
                                          IntegerArgument(c, 3), IntegerArgument(c, 4), IntegerArgument(c, 5),
                                          IntegerArgument(c, 6)));
            break;
        case CommandKind::Wheel:
            static_cast<void>(PerformWheel(runner, IntegerArgument(c, 0), IntegerArgument(c, 1), IntegerArgument(c, 2),
                                           IntegerArgument(c, 3), IntegerArgument(c, 4)));
            break;
        case CommandKind::KeyPress:
            // The check let only names that parse through.
            if (const auto keys = KeyPressKeys(TextArgument(c, 0)))
                static_cast<void>(PerformKeyPress(runner, *keys, IntegerArgument(c, 1), IntegerArgument(c, 2)));
            break;
        case CommandKind::TypeText:
            static_cast<void>(PerformTypeText(runner, TypedText(TextArgument(c, 0)), IntegerArgument(c, 1)));
            break;
    }
}

// Closes only this playback's own overlay; the shared flag is left to a newer
// playback if one has started meanwhile.
void EndPlayback(Runner& runner) {
    runner.services.overlays.PostClose(runner.run->pointerOverlay.load());
    runner.RequestStop();
}

}  // namespace

void ScriptRunner(const PlaybackServices& services, std::shared_ptr<PlaybackRun> run, std::string text) noexcept {
    Runner runner(services, std::move(run));
    PlaybackRun& own = *runner.run;
    ScriptCheck check = CheckScript(text, services.config);
    std::string().swap(text);  // the statements are all the runner needs from here on
    if (check.status != ScriptCheckStatus::Passed) {
        static_cast<void>(services.boxes.Show(kNoWindow, check.message, std::string(kSyntaxErrorCaption),
                                              kSyntaxErrorBoxFlags));
        EndPlayback(runner);
        return;
    }

    runner.overlayCorner = PointerCornerFor(services.input.GetCursorPos());
    const WindowHandle overlay = own.pointerOverlay.load();
    services.overlays.PlacePointerOverlay(overlay, runner.overlayCorner);
    if (PointerShownAfterCheck(services.config)) services.overlays.ShowNoActivate(overlay);

    while (!runner.StopRequested()) {
        const std::int32_t repetition = own.repetition.fetch_add(1) + 1;
        const std::int32_t limit = services.config.repeatCount.load();
        if (limit > 0 && repetition > limit) break;
        for (const ScriptCommand& command : check.commands) {
            own.currentLine.store(static_cast<std::int32_t>(command.lineNumber - 1));
            Execute(runner, command);
            if (runner.StopRequested()) break;
        }
    }
    EndPlayback(runner);
}

}  // namespace xd
