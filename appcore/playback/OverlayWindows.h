// The two kinds of overlay window a playback uses: the eight click-effect
// windows and the virtual pointer. They belong to the main thread, which creates
// and paints them; the runner only places, shows, hides and asks them to close.
// The Win32 layer implements this with the window facts below.
#pragma once
#include <cstdint>
#include <string_view>

#include "platform/Types.h"

namespace xd {

class IOverlayWindows {
public:
    virtual ~IOverlayWindows() = default;
    // Main thread. A new virtual pointer window, hidden.
    virtual WindowHandle CreatePointerOverlay() = 0;
    // Main thread, at start-up. One click-effect window, shown and all white.
    virtual WindowHandle CreateClickEffectWindow() = 0;
    // Top-left corner in screen pixels; topmost, no size change, no activation.
    virtual void PlacePointerOverlay(WindowHandle w, Point topLeft) = 0;
    // As above and without changing the owner's z-order (SWP flags 0x0211).
    virtual void PlaceClickEffect(WindowHandle w, Point topLeft) = 0;
    virtual void ShowNoActivate(WindowHandle w) = 0;
    virtual void Hide(WindowHandle w) = 0;
    // Posts a close request; the window is destroyed on its own thread.
    virtual void PostClose(WindowHandle w) = 0;
};

// Window facts for the Win32 layer. Sizes are 96-DPI units, scaled like every
// window of the program. Both kinds add WS_EX_TRANSPARENT and WS_EX_LAYERED,
// key out white at full opacity and answer WM_MOUSEACTIVATE with MA_NOACTIVATE.
namespace overlay {
inline constexpr std::string_view kClickEffectClass = "迅点小侠4_Form点击效果";
inline constexpr int kClickEffectSize = 45;
inline constexpr std::uint32_t kClickEffectStyle = 0x86000000;
inline constexpr std::uint32_t kClickEffectExStyle = 0x08010088;

inline constexpr std::string_view kPointerClass = "迅点小侠4_Form虚拟指针";
inline constexpr int kPointerWidth = 75;
inline constexpr int kPointerHeight = 70;
inline constexpr std::uint32_t kPointerStyle = 0x860B0000;
inline constexpr std::uint32_t kPointerExStyle = 0x08010000;

inline constexpr std::uint32_t kClickThroughExStyle = 0x00000020 | 0x00080000;
inline constexpr std::uint32_t kColourKey = 0xFFFFFF;
inline constexpr int kMouseActivateAnswer = 3;
}  // namespace overlay

}  // namespace xd
