// What a playback works through. PlaybackServices is owned by the main window
// for the whole run (references only, cheap to copy into the runner thread);
// Runner adds what only the runner thread touches during one playback, and the
// playback's own state (PlaybackRun), shared with the main thread.
#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

#include "appcore/playback/ClickEffects.h"
#include "appcore/playback/DevicePoint.h"
#include "appcore/playback/OverlayWindows.h"
#include "engine/ScriptConfig.h"
#include "engine/playback/PlaybackState.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/MessageBoxes.h"
#include "platform/WindowSystem.h"

namespace xd {

struct PlaybackServices {
    ScriptConfig& config;
    PlaybackState& state;
    IWindowSystem& windows;
    IInput& input;
    IClock& clock;
    IMessageBoxes& boxes;
    IOverlayWindows& overlays;
    SharedClickEffects effects;
    DeviceScale& scale;
    // The main window: owner of the boxes shown on the main thread, so it is
    // disabled under them (never an overlay, which is also the program's own).
    WindowHandle mainWindow = kNoWindow;
};

struct Runner {
    // Without a run of its own, the runner plays a new one as the current playback.
    explicit Runner(const PlaybackServices& s, std::shared_ptr<PlaybackRun> r = nullptr)
        : services(s), run(r ? std::move(r) : std::make_shared<PlaybackRun>(s.state.generation.load())) {}

    PlaybackServices services;
    std::shared_ptr<PlaybackRun> run;
    // Where the pointer overlay's top-left corner was last put: the previous
    // action point plus one pixel. Kept here so the runner never reads back a
    // main-thread window.
    Point overlayCorner{};
    // Monotonic time the next approach counts its wait from: when the previous
    // action was due. Unset at the start of a playback, when the approach counts
    // from now.
    std::optional<std::int64_t> dueMicros;
    // The target's client rectangle and DPI as the last approach read them, in
    // its last step: the action at the deadline converts its points with these.
    TargetPlace place;
    // Set when the target refused a post or injected input: the box has been
    // shown, the playback is stopping, and nothing more is sent to the target.
    bool refused = false;

    // What an action returns when it ends on a stop: 1 when the stop was a
    // refusal, already reported, else 99.
    int StopResult() const noexcept { return refused ? 1 : 99; }

    // True once this playback has been asked to stop, or a newer one has started.
    // Latched: a runner that has seen a stop never acts again, even when the shared
    // flag is cleared for the next playback.
    bool StopRequested() const noexcept {
        if (run->stopped.load()) return true;
        if (services.state.generation.load() == run->generation && !services.state.stopRequested.load()) return false;
        run->stopped.store(true);
        return true;
    }
    // Stops this playback; the shared flag only while it is still the current one.
    void RequestStop() noexcept {
        run->stopped.store(true);
        std::lock_guard lock(services.state.handover);
        if (services.state.generation.load() == run->generation) services.state.stopRequested.store(true);
    }
};

}  // namespace xd
