#include "Form3.h"

#include <array>

#include "ProgramName.h"
#include "platform/Pixels.h"
#include "platform/win32/WinHeaders.h"
#include "ui/Dpi.h"
#include "ui/GdiPlus.h"
#include "ui/WindowClass.h"

namespace xd::event_list {
namespace {

constexpr UINT_PTR kRepaintTimer = 1;
constexpr int kCounterSteps = 41;  // the counter runs 0..40
constexpr wchar_t kTextFace[] = L"Microsoft YaHei";

struct HintState {
    HWND notify = nullptr;
    bool playing = false;
    bool dragging = false;
    int counter = 0;
    int dpi = 96;
};

HintState* StateOf(HWND hwnd) noexcept { return reinterpret_cast<HintState*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

std::wstring ClassName() { return ui::FormClassName(kInternalName, L"Form3"); }

// The arrow's tip is the window's top-left corner, one pixel right and down of the marked point.
struct ArrowPoint {
    int x, y;
};
constexpr std::array<ArrowPoint, 7> kArrow{{{0, 0}, {0, 17}, {4, 13}, {7, 20}, {10, 19}, {7, 12}, {12, 12}}};

void Paint(HWND hwnd, HDC dc, const HintState& s) noexcept {
    RECT client{};
    ::GetClientRect(hwnd, &client);
    ui::PaintBuffered(dc, client.right, client.bottom, [&](Gdiplus::Graphics& g, HDC) {
        // White is the colour key: the background shows through.
        g.Clear(Gdiplus::Color(0xFF, 0xFF, 0xFF, 0xFF));
        g.SetSmoothingMode(Gdiplus::SmoothingModeNone);
        const float scale = static_cast<float>(s.dpi) / static_cast<float>(kLogicalDpi);
        g.ScaleTransform(scale, scale);

        Gdiplus::SolidBrush black(Gdiplus::Color(0xFF, 0, 0, 0));
        Gdiplus::Pen edge(Gdiplus::Color(0xFFFEFEFE), 1.0F);
        std::array<Gdiplus::Point, kArrow.size()> arrow;
        for (std::size_t i = 0; i < kArrow.size(); ++i) arrow[i] = Gdiplus::Point(kArrow[i].x, kArrow[i].y);
        g.FillPolygon(&black, arrow.data(), static_cast<INT>(arrow.size()));
        g.DrawPolygon(&edge, arrow.data(), static_cast<INT>(arrow.size()));

        // The running square beside the arrow: its dashes travel with the counter, and it steps a pixel
        // back and forth so the mark catches the eye.
        const int shift = (s.counter / 10) % 2;
        Gdiplus::SolidBrush fill(Gdiplus::Color(0xFFFEFEFE));
        Gdiplus::Pen dashes(Gdiplus::Color(0xFFC0C0C0), 1.0F);
        dashes.SetDashStyle(Gdiplus::DashStyleDash);
        dashes.SetDashOffset(static_cast<Gdiplus::REAL>(s.counter));
        const Gdiplus::Rect square(15 + shift, 4 + shift, 14, 14);
        g.FillRectangle(&fill, square);
        g.DrawRectangle(&dashes, square);

        if (s.dragging || s.playing) return;
        const Gdiplus::Rect box(11, 29, 66, 36);
        Gdiplus::SolidBrush paper(Gdiplus::Color(0xFFFFFFE1));
        Gdiplus::Pen frame(Gdiplus::Color(0xFF808080), 1.0F);
        g.FillRectangle(&paper, box);
        g.DrawRectangle(&frame, box);
        Gdiplus::Font font(kTextFace, 9.0F, Gdiplus::FontStyleRegular, Gdiplus::UnitPoint);
        Gdiplus::StringFormat centred;
        centred.SetAlignment(Gdiplus::StringAlignmentCenter);
        centred.SetLineAlignment(Gdiplus::StringAlignmentCenter);
        g.DrawString(L"位置提示处", -1, &font, Gdiplus::RectF(12, 30, 64, 16), &centred, &black);
        g.DrawString(L"拖动改位置", -1, &font, Gdiplus::RectF(12, 46, 64, 16), &centred, &black);
    });
}

LRESULT CALLBACK Form3Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    HintState* s = StateOf(hwnd);
    if (!s) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_CREATE: ::SetTimer(hwnd, kRepaintTimer, form3::kTimerMs, nullptr); return 0;
        case WM_TIMER:
            if (wParam != kRepaintTimer) break;
            s->counter = (s->counter + 1) % kCounterSteps;
            ::InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND: return 1;  // the paint covers every pixel
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd, &ps);
            if (dc) Paint(hwnd, dc, *s);
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        // The whole window is a handle to drag it by, except a playback's pointer, which clicks go through.
        case WM_NCHITTEST: return s->playing ? HTTRANSPARENT : HTCAPTION;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        // Placed on a monitor at another DPI: drawn at that DPI, its tip still on the marked point.
        case WM_DPICHANGED:
            s->dpi = HIWORD(wParam);
            ui::ResizeForDpi(hwnd, form3::kWidth96, form3::kHeight96, s->dpi);
            ::InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_ENTERSIZEMOVE:
            s->dragging = true;
            ::InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_EXITSIZEMOVE: {
            s->dragging = false;
            ::InvalidateRect(hwnd, nullptr, FALSE);
            RECT r{};
            ::GetWindowRect(hwnd, &r);
            if (s->notify) {
                ::PostMessageW(s->notify, form3::kDragEnded, reinterpret_cast<WPARAM>(hwnd),
                               MAKELPARAM(static_cast<WORD>(r.left), static_cast<WORD>(r.top)));
            }
            return 0;
        }
        case WM_CLOSE: ::DestroyWindow(hwnd); return 0;
        case WM_NCDESTROY:
            ::KillTimer(hwnd, kRepaintTimer);
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            delete s;
            return 0;
        default: break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterForm3(HINSTANCE instance) noexcept {
    try {
        const std::wstring name = ClassName();
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Form3Proc;
        wc.hInstance = instance;
        wc.hCursor = ::LoadCursorW(nullptr, IDC_SIZEALL);
        wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = name.c_str();
        return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    } catch (...) {
        return false;
    }
}

HWND CreateForm3(HINSTANCE instance, HWND notify, bool playing, int dpi) noexcept {
    HintState* state = nullptr;
    try {
        state = new HintState{notify, playing, false, 0, dpi > 0 ? dpi : kLogicalDpi};
        DWORD exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE;
        if (playing) exStyle |= WS_EX_TRANSPARENT;
        HWND hwnd = ::CreateWindowExW(exStyle, ClassName().c_str(), L"", WS_POPUP, 0, 0,
                                      LogicalToScreen(form3::kWidth96, state->dpi),
                                      LogicalToScreen(form3::kHeight96, state->dpi), nullptr, nullptr, instance, state);
        if (!hwnd) {
            delete state;
            return nullptr;
        }
        ::SetLayeredWindowAttributes(hwnd, RGB(0xFF, 0xFF, 0xFF), 255, LWA_COLORKEY);
        // Sized for the main window's monitor, it starts on the primary one.
        state->dpi = ui::FitToMonitorDpi(hwnd, form3::kWidth96, form3::kHeight96);
        return hwnd;
    } catch (...) {
        delete state;
        return nullptr;
    }
}

// --- HintOverlays -------------------------------------------------------------------------------------------------

WindowHandle HintOverlays::CreatePointerOverlay() {
    return win32::FromHwnd(CreateForm3(instance_, nullptr, true, dpi_));
}

void HintOverlays::PlacePointerOverlay(WindowHandle w, Point topLeft) {
    if (w == kNoWindow) return;
    // The player moves it every few milliseconds from its own thread: asynchronous, never waiting here.
    ::SetWindowPos(win32::ToHwnd(w), HWND_TOPMOST, topLeft.x, topLeft.y, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
}

}  // namespace xd::event_list
