#include "ui/PointerOverlayWindow.h"

#include "appcore/playback/OverlayWindows.h"
#include "appcore/playback/PointerOverlay.h"
#include "platform/Pixels.h"
#include "ui/Dpi.h"
#include "ui/GdiPlus.h"

namespace xd::ui {
namespace {

constexpr int kPhaseSlot = 0;
constexpr int kDpiSlot = sizeof(LONG_PTR);
constexpr UINT_PTR kAnimationTimer = 1;

void PaintPointer(HWND hwnd, HDC dc) noexcept {
    RECT client{};
    ::GetClientRect(hwnd, &client);
    const int phase = static_cast<int>(::GetWindowLongPtrW(hwnd, kPhaseSlot));
    const float scale = static_cast<float>(::GetWindowLongPtrW(hwnd, kDpiSlot)) / static_cast<float>(kLogicalDpi);
    const PointerFrame frame = PointerFrameAt(phase);
    PaintBuffered(dc, client.right, client.bottom, [&](Gdiplus::Graphics& g, HDC) {
        // White is the colour key: the background shows through.
        g.Clear(Gdiplus::Color(0xFF, 0xFF, 0xFF, 0xFF));
        g.ScaleTransform(scale, scale);
        Gdiplus::LinearGradientBrush brush(
            Gdiplus::Point(frame.gradientFrom.x, frame.gradientFrom.y),
            Gdiplus::Point(frame.gradientTo.x, frame.gradientTo.y), Gdiplus::Color(frame.colourFrom),
            Gdiplus::Color(frame.colourTo));
        brush.SetWrapMode(static_cast<Gdiplus::WrapMode>(frame.gradientWrapMode));
        Gdiplus::Pen pen(Gdiplus::Color(frame.pen), static_cast<Gdiplus::REAL>(frame.penWidth));
        pen.SetDashStyle(static_cast<Gdiplus::DashStyle>(frame.dashStyle));
        pen.SetDashOffset(frame.dashOffset);
        Gdiplus::Point arrow[kPointerArrow.size()];
        for (std::size_t i = 0; i < kPointerArrow.size(); ++i) arrow[i] = {kPointerArrow[i].x, kPointerArrow[i].y};
        g.FillPolygon(&brush, arrow, static_cast<INT>(kPointerArrow.size()), Gdiplus::FillModeAlternate);
        g.DrawPolygon(&pen, arrow, static_cast<INT>(kPointerArrow.size()));
    });
}

}  // namespace

LRESULT CALLBACK PointerOverlayProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_CREATE: ::SetTimer(hwnd, kAnimationTimer, kPointerTimerMs, nullptr); return 0;
        case WM_TIMER:
            if (wParam != kAnimationTimer) break;
            ::SetWindowLongPtrW(hwnd, kPhaseSlot,
                                NextAnimationPhase(static_cast<int>(::GetWindowLongPtrW(hwnd, kPhaseSlot))));
            ::InvalidateRect(hwnd, nullptr, FALSE);
            ::UpdateWindow(hwnd);
            return 0;
        case WM_ERASEBKGND: return 1;  // the paint covers every pixel
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd, &ps);
            if (dc) PaintPointer(hwnd, dc);
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_MOUSEACTIVATE: return overlay::kMouseActivateAnswer;
        case WM_DPICHANGED:
            SetPointerOverlayDpi(hwnd, HIWORD(wParam));
            ResizeForDpi(hwnd, overlay::kPointerWidth, overlay::kPointerHeight, HIWORD(wParam));
            ::InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_DESTROY: ::KillTimer(hwnd, kAnimationTimer); return 0;
        default: break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void SetPointerOverlayDpi(HWND hwnd, int dpi) noexcept { ::SetWindowLongPtrW(hwnd, kDpiSlot, dpi); }

}  // namespace xd::ui
