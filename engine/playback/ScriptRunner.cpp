#include "engine/playback/ScriptRunner.h"

#include <thread>
#include <utility>

#include "engine/CheckScript.h"
#include "engine/Messages.h"
#include "engine/Numbers.h"
#include "engine/ScriptText.h"
#include "engine/playback/InputActions.h"
#include "engine/playback/PointerOverlay.h"
#include "engine/playback/TargetWindow.h"

namespace xd {

ThreadStarter DetachedThreadStarter() {
    return [](std::function<void()> work) { std::thread(std::move(work)).detach(); };
}

WindowHandle FirstOwnTopLevelWindow(IWindowSystem& windows) {
    const std::uint32_t self = windows.CurrentProcessId();
    for (WindowHandle w = windows.FirstChild(windows.DesktopWindow()); w != kNoWindow; w = windows.NextSibling(w))
        if (windows.ProcessId(w) == self) return w;
    return kNoWindow;
}

int RunScript(const PlaybackServices& services, std::string_view text, const ThreadStarter& start) {
    PlaybackState& state = services.state;
    if (!StartsWithHeaderMark(text)) {
        state.stopRequested.store(true);
        static_cast<void>(services.boxes.Show(FirstOwnTopLevelWindow(services.windows), std::string(kNotAScriptText),
                                              std::string(kNotAScriptCaption), kNotAScriptBoxFlags));
        return 1;
    }
    state.repetition.store(0);
    state.stopRequested.store(false);
    state.nextApproachMs.store(0);
    state.targetWindow.store(kNoWindow);
    state.currentLine.store(0);
    state.pointerOverlay.store(services.overlays.CreatePointerOverlay());
    start([services, copy = std::string(text)]() mutable { ScriptRunner(services, std::move(copy)); });
    return 0;
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
    }
}

void EndPlayback(const PlaybackServices& services) {
    services.overlays.PostClose(services.state.pointerOverlay.load());
    services.state.stopRequested.store(true);
}

}  // namespace

void ScriptRunner(const PlaybackServices& services, std::string text) noexcept {
    PlaybackState& state = services.state;
    ScriptCheck check = CheckScript(text, services.config);
    std::string().swap(text);  // the statements are all the runner needs from here on
    if (check.status != ScriptCheckStatus::Passed) {
        static_cast<void>(services.boxes.Show(kNoWindow, check.message, std::string(kSyntaxErrorCaption),
                                              kSyntaxErrorBoxFlags));
        EndPlayback(services);
        return;
    }

    Runner runner(services);
    runner.overlayCorner = PointerCornerFor(services.input.GetCursorPos());
    const WindowHandle overlay = state.pointerOverlay.load();
    services.overlays.PlacePointerOverlay(overlay, runner.overlayCorner);
    if (PointerShownAfterCheck(services.config)) services.overlays.ShowNoActivate(overlay);

    for (;;) {
        const std::int32_t repetition = state.repetition.fetch_add(1) + 1;
        const std::int32_t limit = services.config.repeatCount.load();
        if (limit > 0 && repetition > limit) break;
        for (const ScriptCommand& command : check.commands) {
            state.currentLine.store(static_cast<std::int32_t>(command.lineNumber - 1));
            Execute(runner, command);
            if (runner.StopRequested()) break;
        }
        if (runner.StopRequested()) break;
    }
    EndPlayback(services);
}

}  // namespace xd
