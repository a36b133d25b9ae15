#include "Playback.h"

#include <functional>
#include <utility>

#include "engine/playback/ClickEffects.h"
#include "engine/playback/ScriptRunner.h"
#include "platform/win32/Win32Clock.h"

namespace xd::script_edition {

Playback::Playback(AppModel& model, win32::Win32Platform& platform)
    : model_(model),
      state_(model.stopRequested),
      services_{model.config,     state_,    platform.windows, platform.input,
                platform.clock,   platform.boxes, overlays_,   SharedClickEffects{model.window.effects, effectsGuard_},
                scale_} {}

Playback::~Playback() {
    model_.stopRequested.store(true);
    // The runner checks the flag at least every 10 ms; a runner held by one of its error boxes is not waited for.
    for (int i = 0; i < 50 && running_->load() > 0; ++i) ::Sleep(10);
}

bool Playback::Install(HINSTANCE instance, int dpi, MainWindowHooks& hooks) noexcept {
    if (!overlays_.RegisterClasses(instance, dpi)) return false;
    hooks.startPlayback = [this](const std::string& text) {
        // A refusal has already been shown and the stop flag set; the status tick returns to idle.
        const ThreadStarter detached = DetachedThreadStarter();
        const ThreadStarter counted = [this, detached](std::function<void()> work) {
            running_->fetch_add(1);
            try {
                detached([running = running_, work = std::move(work)] {
                    {
                        // The 1 ms timer resolution lasts as long as the playback, whichever way it ends.
                        const win32::TimerResolutionScope fineTimer;
                        work();
                    }
                    running->fetch_sub(1);
                });
            } catch (...) {
                running_->fetch_sub(1);
                throw;
            }
        };
        static_cast<void>(RunScript(services_, text, counted));
    };
    hooks.createClickEffectWindows = [this] { CreateClickEffectWindows(services_.effects, overlays_); };
    return true;
}

StatusTickResult Playback::Tick(MainWindowState& window, IEditor& editor) noexcept {
    // The editor is asked and moved outside the lock: the runner takes it to show
    // a click's circle, and must never wait for the editor to scroll.
    const StatusTickInput input = ReadStatusTickInput(window, editor, state_.repetition.load(),
                                                      state_.currentLine.load(), model_.stopRequested.load());
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

void Playback::ShowClickEffectAt(Point screen, std::uint32_t message) noexcept {
    ShowClickEffect(services_.effects, overlays_, screen, static_cast<std::int32_t>(message));
}

}  // namespace xd::script_edition
