// What a playback works through. PlaybackServices is owned by the main window
// for the whole run (references only, cheap to copy into the runner thread);
// Runner adds what only the runner thread touches during one playback.
#pragma once
#include <cstdint>
#include <optional>

#include "engine/ScriptConfig.h"
#include "engine/playback/ClickEffects.h"
#include "engine/playback/DevicePoint.h"
#include "engine/playback/OverlayWindows.h"
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
};

struct Runner {
    explicit Runner(const PlaybackServices& s) : services(s) {}

    PlaybackServices services;
    // Where the pointer overlay's top-left corner was last put: the previous
    // action point plus one pixel. Kept here so the runner never reads back a
    // main-thread window.
    Point overlayCorner{};
    // Monotonic time the next approach counts its wait from: when the previous
    // action was due. Unset at the start of a playback, when the approach counts
    // from now.
    std::optional<std::int64_t> dueMicros;

    bool StopRequested() const noexcept { return services.state.stopRequested.load(); }
    void RequestStop() noexcept { services.state.stopRequested.store(true); }
};

}  // namespace xd
