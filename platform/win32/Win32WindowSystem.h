// The window tree, window facts, messages and placement through user32 and GDI.
#pragma once
#include "platform/WindowSystem.h"

namespace xd::win32 {

class Win32WindowSystem final : public IWindowSystem {
public:
    WindowHandle DesktopWindow() override;
    WindowHandle Parent(WindowHandle w) override;
    WindowHandle FirstChild(WindowHandle w) override;
    WindowHandle NextSibling(WindowHandle w) override;
    WindowHandle Owner(WindowHandle w) override;
    WindowHandle FindWindow(const std::optional<std::string>& className,
                            const std::optional<std::string>& title) override;
    WindowHandle WindowFromPoint(Point screen) override;
    WindowHandle ForegroundWindow() override;

    bool IsWindow(WindowHandle w) override;
    bool IsVisible(WindowHandle w) override;
    std::string Title(WindowHandle w) override;
    std::string ClassName(WindowHandle w) override;
    std::uint32_t ProcessId(WindowHandle w) override;
    std::uint32_t ThreadId(WindowHandle w) override;
    std::uint32_t CurrentProcessId() override;
    Rect WindowRect(WindowHandle w) override;
    Rect ClientRect(WindowHandle w) override;
    Point ClientToScreen(WindowHandle w, Point p) override;
    Point ScreenToClient(WindowHandle w, Point p) override;

    bool PostMessage(WindowHandle w, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    std::intptr_t SendMessage(WindowHandle w, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    std::optional<std::intptr_t> SendMessageTimeout(WindowHandle w, std::uint32_t message, std::uintptr_t wParam,
                                                    std::intptr_t lParam, std::uint32_t timeoutMs) override;

    std::optional<WindowPlacement> GetPlacement(WindowHandle w) override;
    bool SetPlacement(WindowHandle w, const WindowPlacement& p) override;
    bool IsTopmost(WindowHandle w) override;
    void SetTopmost(WindowHandle w, bool topmost) override;
    void MoveTopmostNoActivate(WindowHandle w, Point topLeft) override;
    void Show(WindowHandle w, int showCmd) override;
    Rect WorkArea() override;

    int DpiX() override;
    int DpiY() override;
    int DpiForWindow(WindowHandle w) override;
    Point ScreenSize() override;
    Rect VirtualScreen() override;
    std::int16_t KeyState(int virtualKey) override;
    std::uint32_t DoubleClickTime() override;
    WindowHandle FocusedWindow(WindowHandle w) override;
    std::uint32_t ScanCode(WindowHandle w, int virtualKey) override;
    std::string KeyText(WindowHandle w, int virtualKey, std::uint32_t scanCode) override;
    Point DoubleClickSize() override;
};

}  // namespace xd::win32
