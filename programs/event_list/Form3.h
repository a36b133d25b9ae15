// Form3, the position hint window: a small topmost window that marks the selected event on the screen, can
// be dragged by the user to move the event, and serves as the virtual pointer during playback. Each window
// keeps its own state and frees it when destroyed, so a playback's pointer and the selection's mark never
// share one. HintOverlays hands the player its pointer windows and the click effects of Form4.
#pragma once
#include <windows.h>

#include "appcore/playback/OverlayWindows.h"
#include "ui/PlaybackOverlays.h"

namespace xd::event_list {

namespace form3 {
// Posted to the notified window when the user has dropped a hint window: wParam the window, lParam its
// top-left corner (signed 16-bit halves).
constexpr UINT kDragEnded = WM_APP + 7;
constexpr UINT kTimerMs = 50;
// Size in 96-DPI units: the arrow, the running square and the two-line box at (11, 29) of 66 × 36.
constexpr int kWidth96 = 80;
constexpr int kHeight96 = 68;
}  // namespace form3

// The window class; once, before the first window.
[[nodiscard]] bool RegisterForm3(HINSTANCE instance) noexcept;

// A hidden hint window. A playback's pointer (`playing`) shows no text, lets clicks through and cannot be
// dragged; the selection's mark tells `notify` when a drag of it ends.
[[nodiscard]] HWND CreateForm3(HINSTANCE instance, HWND notify, bool playing, int dpi) noexcept;

class HintOverlays final : public IOverlayWindows {
public:
    explicit HintOverlays(ui::PlaybackOverlays& effects) : effects_(effects) {}

    // Main thread, once the main window exists.
    void Bind(HINSTANCE instance, HWND notify, int dpi) noexcept {
        instance_ = instance;
        notify_ = notify;
        dpi_ = dpi;
    }
    void SetDpi(int dpi) noexcept { dpi_ = dpi; }

    WindowHandle CreatePointerOverlay() override;
    WindowHandle CreateClickEffectWindow() override { return effects_.CreateClickEffectWindow(); }
    void PlacePointerOverlay(WindowHandle w, Point topLeft) override;
    void PlaceClickEffect(WindowHandle w, Point topLeft) override { effects_.PlaceClickEffect(w, topLeft); }
    void ShowNoActivate(WindowHandle w) override { effects_.ShowNoActivate(w); }
    void Hide(WindowHandle w) override { effects_.Hide(w); }
    void PostClose(WindowHandle w) override { effects_.PostClose(w); }

private:
    ui::PlaybackOverlays& effects_;
    HINSTANCE instance_ = nullptr;
    HWND notify_ = nullptr;
    int dpi_ = 96;
};

}  // namespace xd::event_list
