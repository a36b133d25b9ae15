#include "ui/PlaybackOverlays.h"

#include "platform/Pixels.h"
#include "platform/win32/WinHeaders.h"
#include "ui/ClickEffectWindows.h"
#include "ui/Dpi.h"
#include "ui/PointerOverlayWindow.h"
#include "ui/WindowClass.h"

namespace xd::ui {
namespace {

using win32::FromHwnd;
using win32::ToHwnd;

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

bool PlaybackOverlays::RegisterClasses(HINSTANCE instance, const OverlayForms& forms, int dpi) noexcept {
    instance_ = instance;
    dpi_ = dpi > 0 ? dpi : kLogicalDpi;
    try {
        clickEffectClass_ = FormClassName(forms.program, forms.clickEffect);
        pointerClass_ = forms.pointer.empty() ? std::wstring() : FormClassName(forms.program, forms.pointer);
    } catch (...) {
        return false;
    }
    if (!pointerClass_.empty() && !Register(instance, pointerClass_, &PointerOverlayProc, kPointerOverlayExtraBytes)) {
        return false;
    }
    return Register(instance, clickEffectClass_, &ClickEffectProc, 0);
}

WindowHandle PlaybackOverlays::CreatePointerOverlay() {
    if (pointerClass_.empty()) return kNoWindow;
    HWND hwnd = CreateOverlay(instance_, pointerClass_, overlay::kPointerStyle, overlay::kPointerExStyle,
                              LogicalToScreen(overlay::kPointerWidth, dpi_),
                              LogicalToScreen(overlay::kPointerHeight, dpi_));
    if (hwnd) SetPointerOverlayDpi(hwnd, FitToMonitorDpi(hwnd, overlay::kPointerWidth, overlay::kPointerHeight));
    return FromHwnd(hwnd);
}

WindowHandle PlaybackOverlays::CreateClickEffectWindow() {
    const int size = LogicalToScreen(overlay::kClickEffectSize, dpi_);
    HWND hwnd = CreateOverlay(instance_, clickEffectClass_, overlay::kClickEffectStyle, overlay::kClickEffectExStyle,
                              size, size);
    if (hwnd) {
        static_cast<void>(FitToMonitorDpi(hwnd, overlay::kClickEffectSize, overlay::kClickEffectSize));
        ::ShowWindow(hwnd, SW_SHOWNA);
    }
    return FromHwnd(hwnd);
}

void PlaybackOverlays::PlacePointerOverlay(WindowHandle w, Point topLeft) {
    if (w != kNoWindow) ::SetWindowPos(ToHwnd(w), HWND_TOPMOST, topLeft.x, topLeft.y, 0, 0, kRunnerPlacement);
}

void PlaybackOverlays::PlaceClickEffect(WindowHandle w, Point topLeft) {
    if (w != kNoWindow) {
        ::SetWindowPos(ToHwnd(w), HWND_TOPMOST, topLeft.x, topLeft.y, 0, 0, kRunnerPlacement | SWP_NOOWNERZORDER);
    }
}

void PlaybackOverlays::ShowNoActivate(WindowHandle w) {
    if (w != kNoWindow) ::ShowWindowAsync(ToHwnd(w), SW_SHOWNA);
}

void PlaybackOverlays::Hide(WindowHandle w) {
    if (w != kNoWindow) ::ShowWindowAsync(ToHwnd(w), SW_HIDE);
}

void PlaybackOverlays::PostClose(WindowHandle w) {
    if (w != kNoWindow) ::PostMessageW(ToHwnd(w), WM_CLOSE, 0, 0);
}

void PlaybackOverlays::PaintClickEffects(const ClickEffectSlots& slots,
                                         const std::array<ClickEffectFrame, kClickEffectSlotCount>& frames) const
    noexcept {
    ui::PaintClickEffects(slots, frames);
}

}  // namespace xd::ui
