// Overlay windows on the simulated desktop: real simulated windows that
// hit-testing looks through, with every request logged at its time.
#pragma once
#include <mutex>
#include <optional>
#include <vector>

#include "appcore/playback/OverlayWindows.h"
#include "platform/sim/SimDesktop.h"

namespace xd::sim {

enum class OverlayCall { CreatePointer, CreateClickEffect, PlacePointer, PlaceClickEffect, Show, Hide, Close };

struct OverlayRecord {
    OverlayCall call;
    WindowHandle window;
    Point point;
};

class SimOverlayWindows final : public IOverlayWindows {
public:
    explicit SimOverlayWindows(SimDesktop& desktop) : desktop_(desktop) {}

    WindowHandle CreatePointerOverlay() override {
        return Log(OverlayCall::CreatePointer, Create(overlay::kPointerWidth, overlay::kPointerHeight, false));
    }
    WindowHandle CreateClickEffectWindow() override {
        return Log(OverlayCall::CreateClickEffect, Create(overlay::kClickEffectSize, overlay::kClickEffectSize, true));
    }
    void PlacePointerOverlay(WindowHandle w, Point p) override { Place(OverlayCall::PlacePointer, w, p); }
    void PlaceClickEffect(WindowHandle w, Point p) override { Place(OverlayCall::PlaceClickEffect, w, p); }
    void ShowNoActivate(WindowHandle w) override {
        desktop_.Show(w, 4);  // SW_SHOWNOACTIVATE
        Log(OverlayCall::Show, w);
    }
    void Hide(WindowHandle w) override {
        desktop_.Show(w, 0);
        Log(OverlayCall::Hide, w);
    }
    // Carried out at once, as the main thread would.
    void PostClose(WindowHandle w) override {
        static_cast<void>(desktop_.DestroyWindow(w));
        Log(OverlayCall::Close, w);
    }

    std::vector<OverlayRecord> Calls(std::optional<OverlayCall> only = std::nullopt) const {
        std::lock_guard lock(mutex_);
        std::vector<OverlayRecord> out;
        for (const auto& r : calls_)
            if (!only || r.call == *only) out.push_back(r);
        return out;
    }

private:
    WindowHandle Create(int width, int height, bool visible) {
        WindowSpec spec;
        spec.rect = Rect{0, 0, width, height};
        spec.visible = visible;
        spec.topmost = true;
        spec.processId = desktop_.CurrentProcessId();
        const WindowHandle w = desktop_.AddWindow(spec);
        desktop_.SetHitTester(w, [](Point) { return hit::kTransparent; });
        return w;
    }
    void Place(OverlayCall call, WindowHandle w, Point p) {
        desktop_.MoveTopmostNoActivate(w, p);
        Log(call, w, p);
    }
    WindowHandle Log(OverlayCall call, WindowHandle w, Point p = {}) {
        std::lock_guard lock(mutex_);
        calls_.push_back(OverlayRecord{call, w, p});
        return w;
    }

    SimDesktop& desktop_;
    mutable std::mutex mutex_;
    std::vector<OverlayRecord> calls_;
};

}  // namespace xd::sim
