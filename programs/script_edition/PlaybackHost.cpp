#include "PlaybackHost.h"

#include <functional>
#include <utility>

#include "ProgramName.h"
#include "appcore/playback/ClickEffects.h"
#include "engine/playback/ScriptRunner.h"
#include "engine/playback/TargetWindow.h"
#include "engine/playback/Timing.h"
#include "platform/win32/WinHeaders.h"

namespace xd::script_edition {

namespace {

// Long enough for a runner to see the stop (every 10 ms, or after a 100 ms hit test) and for its box to
// close; after that the process ends rather than free what the runner may still use.
constexpr ULONGLONG kRunnerEndWaitMs = 3000;

}  // namespace

PlaybackHost::PlaybackHost(AppModel& model, win32::Win32Platform& platform)
    : model_(model),
      state_(model.stopRequested),
      input_(platform.input, model.pointerTrail),
      services_{model.config,     state_,    platform.windows, input_,
                platform.clock,   platform.boxes, overlays_,   SharedClickEffects{model.window.effects, effectsGuard_},
                scale_,           kNoWindow} {}

PlaybackHost::~PlaybackHost() {
    model_.stopRequested.store(true);
    threads_.EndAll(kRunnerEndWaitMs);
}

bool PlaybackHost::Install(HINSTANCE instance, int dpi, MainWindowHooks& hooks, HWND mainWindow) noexcept {
    if (!overlays_.RegisterClasses(instance, {kInternalName, L"Form点击效果", L"Form虚拟指针"}, dpi)) return false;
    services_.mainWindow = win32::FromHwnd(mainWindow);
    hooks.startPlayback = [this](const std::string& text) {
        // A refusal or a failed start has already been shown and the stop flag set; the status tick
        // returns to idle. The options in force as it starts are the playback's.
        state_.waitForWindowSeconds.store(model_.options.waitForWindowSeconds);
        model_.pointerTrail.Reset(input_.GetCursorPos());
        static_cast<void>(RunScript(services_, text, threads_.Starter()));
    };
    hooks.createClickEffectWindows = [this] { CreateClickEffectWindows(services_.effects, overlays_); };
    return true;
}

std::optional<std::int64_t> PlaybackHost::NextActionMicros() const noexcept {
    if (!state_.current) return std::nullopt;
    return state_.current->nextActionMicros.load();
}

StatusTickResult PlaybackHost::Tick(MainWindowState& window, IEditor& editor, bool hooksReinstalled) noexcept {
    // The editor is asked and moved outside the lock: the runner takes it to show
    // a click's circle, and must never wait for the editor to scroll.
    StatusTickInput input = ReadStatusTickInput(window, editor, state_.Repetition(), state_.CurrentLine(),
                                                model_.stopRequested.load());
    if (state_.current && state_.current->waitingForWindow.load())
        input.waitingForWindow = TargetWindowTitle(editor.GetEditorLine(state_.CurrentLine()));
    input.hooksReinstalled = hooksReinstalled;
    StatusTickResult result;
    {
        // The tick steps the slots the runner may be taking at this moment.
        std::lock_guard lock(effectsGuard_);
        result = StatusTick(window, input);
    }
    if (result.showPlayingLine) editor.ShowPlayingLine(*result.showPlayingLine);
    // The slot windows never change after start-up: painting needs no lock.
    overlays_.PaintClickEffects(window.effects, result.effects);
    return result;
}

void PlaybackHost::ShowClickEffectAt(Point screen, std::uint32_t message) noexcept {
    ShowClickEffect(services_.effects, overlays_, screen, static_cast<std::int32_t>(message));
}

}  // namespace xd::script_edition
