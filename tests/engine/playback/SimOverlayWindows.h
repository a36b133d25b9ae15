// Overlay windows on the simulated desktop: each one is a real simulated window
// that hit-testing looks through, and every request is logged with its time.
#pragma once
#include <cstdint>
#include <mutex>
#include <vector>

#include "engine/playback/OverlayWindows.h"
#include "platform/sim/SimDesktop.h"

namespace xd::sim {

enum class OverlayCall { CreatePointer, CreateClickEffect, PlacePointer, PlaceClickEffect, Show, Hide, Close };

struct OverlayRecord {
    OverlayCall call = OverlayCall::CreatePointer;
    WindowHandle window = kNoWindow;
    Point point{};
    std::int64_t micros = 0;
};

class SimOverlayWindows final : public IOverlayWindows {
public:
    SimOverlayWindows(SimDesktop& desktop, IClock& clock) : desktop_(desktop), clock_(clock) {}

    WindowHandle CreatePointerOverlay() override;
    WindowHandle CreateClickEffectWindow() override;
    void PlacePointerOverlay(WindowHandle w, Point topLeft) override;
    void PlaceClickEffect(WindowHandle w, Point topLeft) override;
    void ShowNoActivate(WindowHandle w) override;
    void Hide(WindowHandle w) override;
    // The close request is carried out at once, as the main thread would.
    void PostClose(WindowHandle w) override;

    std::vector<OverlayRecord> Calls() const;
    std::vector<OverlayRecord> CallsOf(OverlayCall call) const;

private:
    void Log(OverlayCall call, WindowHandle w, Point p = {});
    WindowHandle Create(const char* className, int width, int height, bool visible);

    SimDesktop& desktop_;
    IClock& clock_;
    mutable std::mutex mutex_;
    std::vector<OverlayRecord> calls_;
};

}  // namespace xd::sim
