#include "appcore/playback/ClickEffects.h"

namespace xd {

void CreateClickEffectWindows(SharedClickEffects effects, IOverlayWindows& overlays) {
    for (int i = 0; i < kClickEffectSlotCount; ++i) {
        const WindowHandle window = overlays.CreateClickEffectWindow();
        std::lock_guard lock(effects.guard);
        effects.slots.slots[i] = ClickEffectSlot{window, kClickEffectIdle, 0};
    }
    std::lock_guard lock(effects.guard);
    effects.slots.nextSlot = 0;
}

void ShowClickEffect(SharedClickEffects effects, IOverlayWindows& overlays, Point screen,
                     std::int32_t message) noexcept {
    ClickEffectPlacement placement;
    {
        std::lock_guard lock(effects.guard);
        placement = TakeClickEffectSlot(effects.slots, screen, message);
    }
    // Outside the lock: the positioning request goes to the main thread, which may
    // be waiting for the lock in its status tick.
    if (placement.window != kNoWindow) overlays.PlaceClickEffect(placement.window, placement.topLeft);
}

}  // namespace xd
