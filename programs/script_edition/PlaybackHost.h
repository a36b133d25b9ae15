// Playback wiring of the main window: the runner's shared state and services live here beside AppModel for
// the whole run, plug into MainWindowHooks, and the status tick steps the click-effect ring under the same
// lock the runner takes when it shows an effect.
#pragma once
#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

#include "engine/playback/Playback.h"
#include "platform/win32/Win32Platform.h"
#include "recorder/StatusTick.h"
#include "recorder/app/AppModel.h"
#include "ui/PlaybackOverlays.h"
#include "ui/PlaybackThreads.h"

namespace xd::script_edition {

class PlaybackHost {
public:
    PlaybackHost(AppModel& model, win32::Win32Platform& platform);
    // Stops a playback that is still running, closes any box a runner shows, and waits until every runner
    // has ended, so a window closed mid-playback never leaves a runner working on freed state.
    ~PlaybackHost();
    PlaybackHost(const PlaybackHost&) = delete;
    PlaybackHost& operator=(const PlaybackHost&) = delete;

    // Main thread, before the first load stage: registers the overlay classes and fills in
    // hooks.startPlayback and hooks.createClickEffectWindows. The main window owns the boxes that starting
    // a playback may show.
    [[nodiscard]] bool Install(HINSTANCE instance, int dpi, MainWindowHooks& hooks, HWND mainWindow) noexcept;

    // The 100 ms status tick with the runner's repetition and line, the click-effect frames painted.
    // hooksReinstalled: the hooks were put back on this tick.
    StatusTickResult Tick(MainWindowState& window, IEditor& editor, bool hooksReinstalled) noexcept;
    // When the playback's next action is due (monotonic µs), for the status tick to keep off it; nullopt
    // with no playback.
    [[nodiscard]] std::optional<std::int64_t> NextActionMicros() const noexcept;

    // The click effect at a screen point for a button-down message, from any thread (the mouse hook's
    // click demonstration uses it too).
    void ShowClickEffectAt(Point screen, std::uint32_t message) noexcept;

private:
    AppModel& model_;
    PlaybackState state_;
    std::mutex effectsGuard_;
    DeviceScale scale_;
    ui::PlaybackOverlays overlays_;
    PointerTrailInput input_;
    PlaybackServices services_;
    ui::PlaybackThreads threads_;
};

}  // namespace xd::script_edition
