#include "Overlays.h"

#include <string>

#include "engine/playback/PointerOverlay.h"
#include "platform/Pixels.h"
#include "platform/Text.h"
#include "ui/GdiPlus.h"

namespace xd::script_edition {
namespace {

// Window extra bytes of the pointer overlay: its animation phase and the DPI it draws at.
constexpr int kPhaseSlot = 0;
constexpr int kDpiSlot = sizeof(LONG_PTR);
constexpr UINT_PTR kAnimationTimer = 1;
constexpr COLORREF kWhite = RGB(255, 255, 255);

HWND ToHwnd(WindowHandle w) noexcept { return reinterpret_cast<HWND>(w); }
WindowHandle FromHwnd(HWND h) noexcept { return reinterpret_cast<WindowHandle>(h); }

float ScaleOf(int dpi) noexcept { return static_cast<float>(dpi) / static_cast<float>(kLogicalDpi); }

// One frame composed off screen and copied to the window in one piece, so it never flickers through white.
template <typename Draw>
void PaintBuffered(HDC target, int width, int height, Draw draw) noexcept {
    HDC memory = ::CreateCompatibleDC(target);
    HBITMAP bitmap = ::CreateCompatibleBitmap(target, width, height);
    if (memory && bitmap) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        {
            Gdiplus::Graphics graphics(memory);
            graphics.Clear(Gdiplus::Color(0xFF, 0xFF, 0xFF, 0xFF));
            draw(graphics);
        }
        ::BitBlt(target, 0, 0, width, height, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
    }
    if (bitmap) ::DeleteObject(bitmap);
    if (memory) ::DeleteDC(memory);
}

void PaintPointer(HWND hwnd, HDC dc) noexcept {
    RECT client{};
    ::GetClientRect(hwnd, &client);
    const int phase = static_cast<int>(::GetWindowLongPtrW(hwnd, kPhaseSlot));
    const float scale = ScaleOf(static_cast<int>(::GetWindowLongPtrW(hwnd, kDpiSlot)));
    const PointerFrame frame = PointerFrameAt(phase);
    PaintBuffered(dc, client.right, client.bottom, [&](Gdiplus::Graphics& g) {
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

LRESULT CALLBACK PointerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
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
        case WM_DESTROY: ::KillTimer(hwnd, kAnimationTimer); return 0;
        default: break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ClickEffectProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_MOUSEACTIVATE) return overlay::kMouseActivateAnswer;
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

const std::wstring& PointerClass() {
    static const std::wstring name = Widen(std::string(overlay::kPointerClass));
    return name;
}

const std::wstring& ClickEffectClass() {
    static const std::wstring name = Widen(std::string(overlay::kClickEffectClass));
    return name;
}

bool Register(HINSTANCE instance, const std::wstring& name, WNDPROC proc, int extraBytes) noexcept {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = extraBytes;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    // White is the colour key: whatever the background shows is see-through.
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = name.c_str();
    return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateOverlay(HINSTANCE instance, const std::wstring& cls, std::uint32_t style, std::uint32_t exStyle,
                   int width, int height) noexcept {
    HWND hwnd = ::CreateWindowExW(exStyle | overlay::kClickThroughExStyle, cls.c_str(), L"", style, 0, 0, width,
                                  height, nullptr, nullptr, instance, nullptr);
    if (hwnd) ::SetLayeredWindowAttributes(hwnd, overlay::kColourKey, 255, LWA_COLORKEY | LWA_ALPHA);
    return hwnd;
}

// The runner moves these main-thread windows every 10 ms: an asynchronous request never waits for the main
// thread, so a busy main thread cannot stretch the playback's timing.
constexpr UINT kRunnerPlacement = SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS;

}  // namespace

bool Overlays::RegisterClasses(HINSTANCE instance, int dpi) noexcept {
    instance_ = instance;
    dpi_ = dpi > 0 ? dpi : kLogicalDpi;
    return Register(instance, PointerClass(), &PointerProc, 2 * sizeof(LONG_PTR)) &&
           Register(instance, ClickEffectClass(), &ClickEffectProc, 0);
}

WindowHandle Overlays::CreatePointerOverlay() {
    HWND hwnd = CreateOverlay(instance_, PointerClass(), overlay::kPointerStyle, overlay::kPointerExStyle,
                              LogicalToScreen(overlay::kPointerWidth, dpi_),
                              LogicalToScreen(overlay::kPointerHeight, dpi_));
    if (hwnd) ::SetWindowLongPtrW(hwnd, kDpiSlot, dpi_);
    return FromHwnd(hwnd);
}

WindowHandle Overlays::CreateClickEffectWindow() {
    const int size = LogicalToScreen(overlay::kClickEffectSize, dpi_);
    HWND hwnd = CreateOverlay(instance_, ClickEffectClass(), overlay::kClickEffectStyle, overlay::kClickEffectExStyle,
                              size, size);
    if (hwnd) ::ShowWindow(hwnd, SW_SHOWNA);
    return FromHwnd(hwnd);
}

void Overlays::PlacePointerOverlay(WindowHandle w, Point topLeft) {
    if (w != kNoWindow) ::SetWindowPos(ToHwnd(w), HWND_TOPMOST, topLeft.x, topLeft.y, 0, 0, kRunnerPlacement);
}

void Overlays::PlaceClickEffect(WindowHandle w, Point topLeft) {
    if (w != kNoWindow) {
        ::SetWindowPos(ToHwnd(w), HWND_TOPMOST, topLeft.x, topLeft.y, 0, 0, kRunnerPlacement | SWP_NOOWNERZORDER);
    }
}

void Overlays::ShowNoActivate(WindowHandle w) {
    if (w != kNoWindow) ::ShowWindowAsync(ToHwnd(w), SW_SHOWNA);
}

void Overlays::Hide(WindowHandle w) {
    if (w != kNoWindow) ::ShowWindowAsync(ToHwnd(w), SW_HIDE);
}

void Overlays::PostClose(WindowHandle w) {
    if (w != kNoWindow) ::PostMessageW(ToHwnd(w), WM_CLOSE, 0, 0);
}

void Overlays::PaintClickEffects(const ClickEffectSlots& slots,
                                 const std::array<ClickEffectFrame, kClickEffectSlotCount>& frames) const noexcept {
    const float scale = ScaleOf(dpi_);
    for (int i = 0; i < kClickEffectSlotCount; ++i) {
        const ClickEffectFrame& frame = frames[static_cast<std::size_t>(i)];
        HWND hwnd = ToHwnd(slots.slots[static_cast<std::size_t>(i)].window);
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
        HDC dc = ::GetDC(hwnd);
        if (!dc) continue;
        PaintBuffered(dc, client.right, client.bottom, [&](Gdiplus::Graphics& g) {
            if (frame.action != ClickEffectAction::DrawCircle || !frame.pen) return;
            g.ScaleTransform(scale, scale);
            Gdiplus::Pen pen(Gdiplus::Color(*frame.pen), 1.0f);
            const Rect box = frame.CircleBox();
            g.DrawEllipse(&pen, box.left, box.top, box.Width(), box.Height());
        });
        ::ReleaseDC(hwnd, dc);
    }
}

}  // namespace xd::script_edition
