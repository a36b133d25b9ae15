// The playback's overlay windows on Win32: the eight click-effect windows and the virtual pointer, created
// and painted on the main thread from the facts of engine/playback (OverlayWindows.h, PointerOverlay.h,
// recorder/ClickEffect.h). The runner only places, shows, hides and closes them, always without waiting
// for the main thread.
#pragma once
#include <windows.h>

#include <array>

#include "engine/playback/OverlayWindows.h"
#include "engine/playback/ClickEffectSlots.h"

namespace xd::script_edition {

class Overlays final : public IOverlayWindows {
public:
    Overlays() = default;
    Overlays(const Overlays&) = delete;
    Overlays& operator=(const Overlays&) = delete;

    // Main thread, before any window is created. `dpi` scales sizes and drawing like every window.
    [[nodiscard]] bool RegisterClasses(HINSTANCE instance, int dpi) noexcept;

    WindowHandle CreatePointerOverlay() override;
    WindowHandle CreateClickEffectWindow() override;
    void PlacePointerOverlay(WindowHandle w, Point topLeft) override;
    void PlaceClickEffect(WindowHandle w, Point topLeft) override;
    void ShowNoActivate(WindowHandle w) override;
    void Hide(WindowHandle w) override;
    void PostClose(WindowHandle w) override;

    // Main thread, from the status tick: draws each slot's frame straight into its window.
    void PaintClickEffects(const ClickEffectSlots& slots,
                           const std::array<ClickEffectFrame, kClickEffectSlotCount>& frames) const noexcept;

private:
    HINSTANCE instance_ = nullptr;
    int dpi_ = 96;
};

}  // namespace xd::script_edition
