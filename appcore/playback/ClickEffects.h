// The click-effect ring as the player and the mouse hook use it. The slots are
// the main window's (MainWindowState::effects), stepped by the status tick on the
// main thread; the runner takes a slot from its own thread, so both sides hold
// `guard` while they touch the slots.
#pragma once
#include <cstdint>
#include <mutex>

#include "appcore/playback/ClickEffectSlots.h"
#include "appcore/playback/OverlayWindows.h"

namespace xd {

struct SharedClickEffects {
    ClickEffectSlots& slots;
    std::mutex& guard;
};

// Main thread, at start-up: one window per slot, each slot idle.
void CreateClickEffectWindows(SharedClickEffects effects, IOverlayWindows& overlays);

// Restarts the next slot of the ring at a screen point; message is the button-down
// message (513, 516, 519; any other value occupies a slot and draws nothing).
void ShowClickEffect(SharedClickEffects effects, IOverlayWindows& overlays, Point screen,
                     std::int32_t message) noexcept;

}  // namespace xd
