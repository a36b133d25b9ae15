// Playback wiring of the main window: the runner's shared state and services live here beside AppModel for
// the whole run, plug into MainWindowHooks, and the status tick steps the click-effect ring under the same
// lock the runner takes when it shows an effect.
#pragma once
#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>

#include "engine/playback/Playback.h"
#include "platform/win32/Win32Platform.h"
#include "recorder/StatusTick.h"
#include "recorder/app/AppModel.h"
#include "ui/PlaybackOverlays.h"

namespace xd::script_edition {

class PlaybackHost {
public:
    PlaybackHost(AppModel& model, win32::Win32Platform& platform);
    // Stops a playback that is still running and gives its thread a moment to end, so a window closed
    // mid-playback does not leave the runner working on freed state.
    ~PlaybackHost();
    PlaybackHost(const PlaybackHost&) = delete;
    PlaybackHost& operator=(const PlaybackHost&) = delete;

    // Main thread, before the first load stage: registers the overlay classes and fills in
    // hooks.startPlayback and hooks.createClickEffectWindows.
    [[nodiscard]] bool Install(HINSTANCE instance, int dpi, MainWindowHooks& hooks) noexcept;

    // The 100 ms status tick with the runner's repetition and line, the click-effect frames painted.
    StatusTickResult Tick(MainWindowState& window, IEditor& editor) noexcept;

    // The click effect at a screen point for a button-down message, from any thread (the mouse hook's
    // click demonstration uses it too).
    void ShowClickEffectAt(Point screen, std::uint32_t message) noexcept;

private:
    AppModel& model_;
    PlaybackState state_;
    std::mutex effectsGuard_;
    DeviceScale scale_;
    ui::PlaybackOverlays overlays_;
    PlaybackServices services_;
    // Runner threads still running; shared with them, since a detached thread may outlive this object.
    std::shared_ptr<std::atomic<int>> running_ = std::make_shared<std::atomic<int>>(0);
};

}  // namespace xd::script_edition
