#include "ui/ClickEffectWindows.h"

#include "appcore/playback/OverlayWindows.h"
#include "platform/Pixels.h"
#include "platform/win32/WinHeaders.h"
#include "ui/Dpi.h"
#include "ui/GdiPlus.h"

namespace xd::ui {

LRESULT CALLBACK ClickEffectProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_MOUSEACTIVATE) return overlay::kMouseActivateAnswer;
    if (message == WM_DPICHANGED) {
        ResizeForDpi(hwnd, overlay::kClickEffectSize, overlay::kClickEffectSize, HIWORD(wParam));
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void PaintClickEffects(const ClickEffectSlots& slots,
                       const std::array<ClickEffectFrame, kClickEffectSlotCount>& frames) noexcept {
    for (int i = 0; i < kClickEffectSlotCount; ++i) {
        const ClickEffectFrame& frame = frames[static_cast<std::size_t>(i)];
        HWND hwnd = win32::ToHwnd(slots.slots[static_cast<std::size_t>(i)].window);
        if (frame.action == ClickEffectAction::None || !hwnd) continue;
        // The press being shown may activate and raise its window over the ring (seen
        // under Wine, where the order already says topmost and a plain HWND_TOPMOST
        // changes nothing): a real change of order restacks the ring on top again.
        if (frame.action == ClickEffectAction::DrawCircle) {
            constexpr UINT kRestack = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
            ::SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, kRestack);
            ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, kRestack);
        }
        RECT client{};
        ::GetClientRect(hwnd, &client);
        // Each window at the scale of the monitor it is on.
        const float scale = static_cast<float>(DpiOf(hwnd)) / static_cast<float>(kLogicalDpi);
        HDC dc = ::GetDC(hwnd);
        if (!dc) continue;
        PaintBuffered(dc, client.right, client.bottom, [&](Gdiplus::Graphics& g, HDC) {
            // White is the colour key: a cleared window is invisible.
            g.Clear(Gdiplus::Color(0xFF, 0xFF, 0xFF, 0xFF));
            if (frame.action != ClickEffectAction::DrawCircle || !frame.pen) return;
            g.ScaleTransform(scale, scale);
            Gdiplus::Pen pen(Gdiplus::Color(*frame.pen), 1.0f);
            const Rect box = frame.CircleBox();
            g.DrawEllipse(&pen, box.left, box.top, box.Width(), box.Height());
        });
        ::ReleaseDC(hwnd, dc);
    }
}

}  // namespace xd::ui
