// The playback's overlay windows on Win32: the eight click-effect windows and the virtual pointer, created
// on the main thread from the facts of appcore/playback (OverlayWindows.h). The runner only places, shows,
// hides and closes them, always without waiting for the main thread.
#pragma once
#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "appcore/playback/ClickEffectSlots.h"
#include "appcore/playback/OverlayWindows.h"

namespace xd::ui {

// The forms the overlays are made from; their window classes are named like every form's (WindowClass.h).
struct OverlayForms {
    std::wstring_view program;      // the program's internal name
    std::wstring_view clickEffect;  // the click-effect windows' form
    std::wstring_view pointer;      // the virtual pointer's form; empty when the program has none
};

class PlaybackOverlays final : public IOverlayWindows {
public:
    PlaybackOverlays() = default;
    PlaybackOverlays(const PlaybackOverlays&) = delete;
    PlaybackOverlays& operator=(const PlaybackOverlays&) = delete;

    // Main thread, before any window is created. `dpi` sizes the windows as they are created; each then takes
    // the DPI of the monitor it is on, and follows it to a monitor at another DPI.
    [[nodiscard]] bool RegisterClasses(HINSTANCE instance, const OverlayForms& forms, int dpi) noexcept;

    // No window without a pointer form.
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
    std::wstring clickEffectClass_;
    std::wstring pointerClass_;
    int dpi_ = 96;
};

}  // namespace xd::ui
