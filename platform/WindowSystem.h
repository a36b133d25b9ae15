// The window tree, window facts, messages, placement and display metrics.
// Texts cross this interface as UTF-8; the Win32 backend converts from UTF-16.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "Types.h"

namespace xd {

class IWindowSystem {
public:
    virtual ~IWindowSystem() = default;

    // --- tree -----------------------------------------------------------
    virtual WindowHandle DesktopWindow() = 0;
    // GetAncestor(GA_PARENT): the desktop window for a top-level window, 0 for none.
    virtual WindowHandle Parent(WindowHandle w) = 0;
    // GetWindow(GW_CHILD) / GetWindow(GW_HWNDNEXT): children in z-order, top first.
    virtual WindowHandle FirstChild(WindowHandle w) = 0;
    virtual WindowHandle NextSibling(WindowHandle w) = 0;
    // GetWindow(GW_OWNER) / GetParent style owner, used by the event-list edition.
    virtual WindowHandle Owner(WindowHandle w) = 0;
    // FindWindowW; nullopt passes a null pointer, "" passes an empty string.
    virtual WindowHandle FindWindow(const std::optional<std::string>& className,
                                    const std::optional<std::string>& title) = 0;
    virtual WindowHandle WindowFromPoint(Point screen) = 0;
    virtual WindowHandle ForegroundWindow() = 0;

    // --- facts ----------------------------------------------------------
    virtual bool IsWindow(WindowHandle w) = 0;
    virtual bool IsVisible(WindowHandle w) = 0;
    virtual std::string Title(WindowHandle w) = 0;      // "" when the window is gone
    virtual std::string ClassName(WindowHandle w) = 0;  // "" when the window is gone
    virtual std::uint32_t ProcessId(WindowHandle w) = 0;
    virtual std::uint32_t ThreadId(WindowHandle w) = 0;
    virtual std::uint32_t CurrentProcessId() = 0;
    virtual Rect WindowRect(WindowHandle w) = 0;          // screen coordinates
    virtual Rect ClientRect(WindowHandle w) = 0;          // client coordinates (left/top 0)
    virtual Point ClientToScreen(WindowHandle w, Point p) = 0;
    virtual Point ScreenToClient(WindowHandle w, Point p) = 0;
    // Client rectangle mapped to the screen.
    Rect ClientRectOnScreen(WindowHandle w) {
        Rect c = ClientRect(w);
        Point o = ClientToScreen(w, Point{c.left, c.top});
        return Rect{o.x, o.y, o.x + c.Width(), o.y + c.Height()};
    }

    // --- messages -------------------------------------------------------
    [[nodiscard]] virtual bool PostMessage(WindowHandle w, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
    virtual std::intptr_t SendMessage(WindowHandle w, std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
    // SendMessageTimeout with SMTO_ABORTIFHUNG: the answer, or nullopt when the
    // window is gone, hung, or does not answer within timeoutMs.
    virtual std::optional<std::intptr_t> SendMessageTimeout(WindowHandle w, std::uint32_t message,
                                                            std::uintptr_t wParam, std::intptr_t lParam,
                                                            std::uint32_t timeoutMs) = 0;

    // --- placement ------------------------------------------------------
    virtual std::optional<WindowPlacement> GetPlacement(WindowHandle w) = 0;
    [[nodiscard]] virtual bool SetPlacement(WindowHandle w, const WindowPlacement& p) = 0;
    virtual bool IsTopmost(WindowHandle w) = 0;
    // SetWindowPos(HWND_TOPMOST / HWND_NOTOPMOST) without moving or sizing.
    virtual void SetTopmost(WindowHandle w, bool topmost) = 0;
    // SetWindowPos(HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE): overlays.
    virtual void MoveTopmostNoActivate(WindowHandle w, Point topLeft) = 0;
    virtual void Show(WindowHandle w, int showCmd) = 0;
    virtual Rect WorkArea() = 0;  // SPI_GETWORKAREA

    // --- display and input state -----------------------------------------
    virtual int DpiX() = 0;  // the system's screen pixels per logical inch
    virtual int DpiY() = 0;
    // Pixels per inch of the monitor the window's top-level window is on, as this process sees its
    // coordinates. Where that is unknown (a system without per-monitor scaling, a window that is gone) it is
    // the system's, as DpiY reads it.
    virtual int DpiForWindow(WindowHandle w) = 0;
    virtual Point ScreenSize() = 0;  // primary screen width and height in pixels
    // The rectangle that holds every monitor, in screen coordinates; absolute input with the virtual-desktop
    // flag is addressed over it (0..65535 from its left or top edge to its right or bottom one).
    virtual Rect VirtualScreen() = 0;
    virtual std::int16_t KeyState(int virtualKey) = 0;  // GetKeyState
    // GetGUIThreadInfo of the window's thread: the window there that has the keyboard focus, kNoWindow when
    // none has (or the window is gone).
    virtual WindowHandle FocusedWindow(WindowHandle w) = 0;
    // The key's scan code in the keyboard layout of the window's thread (ours for kNoWindow), without the
    // extended prefix; 0 when the layout has none for it.
    virtual std::uint32_t ScanCode(WindowHandle w, int virtualKey) = 0;
    // What a key-down gives as text (ToUnicodeEx) in the layout of the window's thread, with the Shift, Caps
    // Lock, Ctrl and Alt state as it stands, as UTF-8: "" for a key that types nothing or a dead key;
    // control characters ("\r", "\x01") as they come. Leaves no dead key pending in that layout.
    virtual std::string KeyText(WindowHandle w, int virtualKey, std::uint32_t scanCode) = 0;
    virtual std::uint32_t DoubleClickTime() = 0;
    virtual Point DoubleClickSize() = 0;  // SM_CXDOUBLECLK, SM_CYDOUBLECLK
};

}  // namespace xd
