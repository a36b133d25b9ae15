#include "SimOverlayWindows.h"

namespace xd::sim {

void SimOverlayWindows::Log(OverlayCall call, WindowHandle w, Point p) {
    OverlayRecord r{call, w, p, clock_.MonotonicMicros()};
    std::lock_guard lock(mutex_);
    calls_.push_back(r);
}

WindowHandle SimOverlayWindows::Create(const char* className, int width, int height, bool visible) {
    WindowSpec spec;
    spec.className = className;
    spec.rect = Rect{0, 0, width, height};
    spec.visible = visible;
    spec.topmost = true;
    spec.processId = desktop_.CurrentProcessId();
    const WindowHandle w = desktop_.AddWindow(spec);
    desktop_.SetHitTester(w, [](Point) { return hit::kTransparent; });
    return w;
}

WindowHandle SimOverlayWindows::CreatePointerOverlay() {
    const WindowHandle w =
        Create(overlay::kPointerClass.data(), overlay::kPointerWidth, overlay::kPointerHeight, false);
    Log(OverlayCall::CreatePointer, w);
    return w;
}

WindowHandle SimOverlayWindows::CreateClickEffectWindow() {
    const WindowHandle w =
        Create(overlay::kClickEffectClass.data(), overlay::kClickEffectSize, overlay::kClickEffectSize, true);
    Log(OverlayCall::CreateClickEffect, w);
    return w;
}

void SimOverlayWindows::PlacePointerOverlay(WindowHandle w, Point topLeft) {
    desktop_.MoveTopmostNoActivate(w, topLeft);
    Log(OverlayCall::PlacePointer, w, topLeft);
}

void SimOverlayWindows::PlaceClickEffect(WindowHandle w, Point topLeft) {
    desktop_.MoveTopmostNoActivate(w, topLeft);
    Log(OverlayCall::PlaceClickEffect, w, topLeft);
}

void SimOverlayWindows::ShowNoActivate(WindowHandle w) {
    desktop_.Show(w, 4);  // SW_SHOWNOACTIVATE
    Log(OverlayCall::Show, w);
}

void SimOverlayWindows::Hide(WindowHandle w) {
    desktop_.Show(w, 0);
    Log(OverlayCall::Hide, w);
}

void SimOverlayWindows::PostClose(WindowHandle w) {
    static_cast<void>(desktop_.DestroyWindow(w));
    Log(OverlayCall::Close, w);
}

std::vector<OverlayRecord> SimOverlayWindows::Calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

std::vector<OverlayRecord> SimOverlayWindows::CallsOf(OverlayCall call) const {
    std::lock_guard lock(mutex_);
    std::vector<OverlayRecord> out;
    for (const auto& r : calls_)
        if (r.call == call) out.push_back(r);
    return out;
}

}  // namespace xd::sim
