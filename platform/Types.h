// Plain data shared by the platform interfaces and the core. Values keep the
// Win32 meanings so the Win32 backend passes them through unchanged.
#pragma once
#include <cstdint>

namespace xd {

// A window handle as an opaque number; 0 is "no window".
using WindowHandle = std::uintptr_t;
constexpr WindowHandle kNoWindow = 0;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Left and top inclusive, right and bottom exclusive, as Win32 PtInRect.
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Mirrors WINDOWPLACEMENT without its length field.
struct WindowPlacement {
    std::uint32_t flags = 0;
    std::uint32_t showCmd = 1;  // SW_SHOWNORMAL
    Point minPosition{-1, -1};
    Point maxPosition{-1, -1};
    Rect normalPosition{};
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// Window messages the core sends, posts or receives.
namespace msg {
constexpr std::uint32_t kNull = 0x0000;
constexpr std::uint32_t kClose = 0x0010;
constexpr std::uint32_t kGetText = 0x000D;
constexpr std::uint32_t kNcHitTest = 0x0084;
constexpr std::uint32_t kNcMouseMove = 0x00A0;
constexpr std::uint32_t kNcLButtonDown = 0x00A1;
constexpr std::uint32_t kNcLButtonUp = 0x00A2;
constexpr std::uint32_t kNcLButtonDblClk = 0x00A3;
constexpr std::uint32_t kNcRButtonDown = 0x00A4;
constexpr std::uint32_t kNcRButtonUp = 0x00A5;
constexpr std::uint32_t kNcMButtonDown = 0x00A7;
constexpr std::uint32_t kNcMButtonUp = 0x00A8;
constexpr std::uint32_t kKeyDown = 0x0100;
constexpr std::uint32_t kKeyUp = 0x0101;
constexpr std::uint32_t kSysKeyDown = 0x0104;
constexpr std::uint32_t kSysKeyUp = 0x0105;
constexpr std::uint32_t kChar = 0x0102;
constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kLButtonDown = 0x0201;
constexpr std::uint32_t kLButtonUp = 0x0202;
constexpr std::uint32_t kLButtonDblClk = 0x0203;
constexpr std::uint32_t kRButtonDown = 0x0204;
constexpr std::uint32_t kRButtonUp = 0x0205;
constexpr std::uint32_t kRButtonDblClk = 0x0206;
constexpr std::uint32_t kMButtonDown = 0x0207;
constexpr std::uint32_t kMButtonUp = 0x0208;
constexpr std::uint32_t kMButtonDblClk = 0x0209;
constexpr std::uint32_t kMouseWheel = 0x020A;
constexpr std::uint32_t kXButtonDown = 0x020B;
constexpr std::uint32_t kXButtonUp = 0x020C;
constexpr std::uint32_t kMouseHWheel = 0x020E;
constexpr std::uint32_t kUser = 0x0400;
}  // namespace msg

// wParam key-state bits of mouse messages.
namespace mk {
constexpr std::uint32_t kLButton = 0x0001;
constexpr std::uint32_t kRButton = 0x0002;
constexpr std::uint32_t kShift = 0x0004;
constexpr std::uint32_t kControl = 0x0008;
constexpr std::uint32_t kMButton = 0x0010;
}  // namespace mk

// One synthesized mouse input record (the MOUSEINPUT part of INPUT).
struct MouseInputRecord {
    int dx = 0;
    int dy = 0;
    std::uint32_t mouseData = 0;
    std::uint32_t flags = 0;  // MOUSEEVENTF_* values
    std::uint32_t time = 0;
    friend bool operator==(const MouseInputRecord&, const MouseInputRecord&) = default;
};

namespace mouseevent {
constexpr std::uint32_t kMove = 0x0001;
constexpr std::uint32_t kLeftDown = 0x0002;
constexpr std::uint32_t kLeftUp = 0x0004;
constexpr std::uint32_t kRightDown = 0x0008;
constexpr std::uint32_t kRightUp = 0x0010;
constexpr std::uint32_t kMiddleDown = 0x0020;
constexpr std::uint32_t kMiddleUp = 0x0040;
constexpr std::uint32_t kWheel = 0x0800;
constexpr std::uint32_t kHWheel = 0x1000;
constexpr std::uint32_t kVirtualDesk = 0x4000;
constexpr std::uint32_t kAbsolute = 0x8000;
}  // namespace mouseevent

// One synthesized keyboard input record (the KEYBDINPUT part of INPUT).
struct KeyInputRecord {
    std::uint16_t virtualKey = 0;
    std::uint16_t scanCode = 0;  // with keyevent::kUnicode, one UTF-16 unit of the text
    std::uint32_t flags = 0;     // KEYEVENTF_* values
    std::uint32_t time = 0;
    friend bool operator==(const KeyInputRecord&, const KeyInputRecord&) = default;
};

namespace keyevent {
constexpr std::uint32_t kExtended = 0x0001;
constexpr std::uint32_t kKeyUp = 0x0002;
constexpr std::uint32_t kUnicode = 0x0004;
constexpr std::uint32_t kScanCode = 0x0008;  // the system ignores virtualKey and maps scanCode
}  // namespace keyevent

// A copy of what a low-level mouse hook receives (MSLLHOOKSTRUCT plus the message).
struct LowLevelMouseEvent {
    std::uint32_t message = 0;
    Point point{};
    std::uint32_t mouseData = 0;
    std::uint32_t flags = 0;
    std::uint32_t time = 0;
};

// A copy of what a low-level keyboard hook receives (KBDLLHOOKSTRUCT plus the message).
struct LowLevelKeyEvent {
    int code = 0;               // hook code; only 0 (HC_ACTION) is an event
    std::uint32_t message = 0;  // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP
    std::uint32_t vkCode = 0;
    std::uint32_t scanCode = 0;
    std::uint32_t flags = 0;
    std::uint32_t time = 0;
};

// Flags of LowLevelKeyEvent (LLKHF_*).
namespace llkey {
constexpr std::uint32_t kExtended = 0x01;
constexpr std::uint32_t kLowerIlInjected = 0x02;
constexpr std::uint32_t kInjected = 0x10;
}  // namespace llkey

// A key some program sent (a playback's own among them), never the hand.
[[nodiscard]] constexpr bool IsInjectedKey(const LowLevelKeyEvent& event) noexcept {
    return (event.flags & (llkey::kInjected | llkey::kLowerIlInjected)) != 0;
}

}  // namespace xd
