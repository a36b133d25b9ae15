#include "platform/win32/Win32WindowSystem.h"

#include <vector>

#include "platform/Text.h"
#include "platform/win32/WinHeaders.h"

namespace xd::win32 {

namespace {

// Window texts beyond this are not titles anyone matches on; the bound keeps a
// hostile window from making us allocate without limit.
constexpr int kMaxTitleChars = 32767;
constexpr int kMaxClassChars = 256;

int ScreenDpi(int index) {
    HDC dc = GetDC(nullptr);
    if (!dc) return 96;
    int dpi = GetDeviceCaps(dc, index);
    ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

WindowHandle Win32WindowSystem::DesktopWindow() { return FromHwnd(GetDesktopWindow()); }

WindowHandle Win32WindowSystem::Parent(WindowHandle w) { return FromHwnd(GetAncestor(ToHwnd(w), GA_PARENT)); }

WindowHandle Win32WindowSystem::FirstChild(WindowHandle w) { return FromHwnd(GetWindow(ToHwnd(w), GW_CHILD)); }

WindowHandle Win32WindowSystem::NextSibling(WindowHandle w) { return FromHwnd(GetWindow(ToHwnd(w), GW_HWNDNEXT)); }

WindowHandle Win32WindowSystem::Owner(WindowHandle w) { return FromHwnd(GetWindow(ToHwnd(w), GW_OWNER)); }

WindowHandle Win32WindowSystem::FindWindow(const std::optional<std::string>& className,
                                           const std::optional<std::string>& title) {
    std::wstring cls = className ? Widen(*className) : std::wstring();
    std::wstring text = title ? Widen(*title) : std::wstring();
    return FromHwnd(FindWindowW(className ? cls.c_str() : nullptr, title ? text.c_str() : nullptr));
}

WindowHandle Win32WindowSystem::WindowFromPoint(Point screen) {
    return FromHwnd(::WindowFromPoint(POINT{screen.x, screen.y}));
}

WindowHandle Win32WindowSystem::ForegroundWindow() { return FromHwnd(GetForegroundWindow()); }

bool Win32WindowSystem::IsWindow(WindowHandle w) { return ::IsWindow(ToHwnd(w)) != FALSE; }

bool Win32WindowSystem::IsVisible(WindowHandle w) { return IsWindowVisible(ToHwnd(w)) != FALSE; }

std::string Win32WindowSystem::Title(WindowHandle w) {
    int length = GetWindowTextLengthW(ToHwnd(w));
    if (length <= 0) return std::string();
    if (length > kMaxTitleChars) length = kMaxTitleChars;
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(ToHwnd(w), buffer.data(), length + 1);
    if (got <= 0) return std::string();
    return Narrow(std::wstring_view(buffer.data(), static_cast<std::size_t>(got < length ? got : length)));
}

std::string Win32WindowSystem::ClassName(WindowHandle w) {
    wchar_t buffer[kMaxClassChars + 1] = {};
    int got = GetClassNameW(ToHwnd(w), buffer, kMaxClassChars + 1);
    if (got <= 0) return std::string();
    return Narrow(std::wstring_view(buffer, static_cast<std::size_t>(got)));
}

std::uint32_t Win32WindowSystem::ProcessId(WindowHandle w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(ToHwnd(w), &pid);
    return pid;
}

std::uint32_t Win32WindowSystem::ThreadId(WindowHandle w) { return GetWindowThreadProcessId(ToHwnd(w), nullptr); }

std::uint32_t Win32WindowSystem::CurrentProcessId() { return GetCurrentProcessId(); }

Rect Win32WindowSystem::WindowRect(WindowHandle w) {
    RECT r{};
    if (!GetWindowRect(ToHwnd(w), &r)) return Rect{};
    return FromRECT(r);
}

Rect Win32WindowSystem::ClientRect(WindowHandle w) {
    RECT r{};
    if (!GetClientRect(ToHwnd(w), &r)) return Rect{};
    return FromRECT(r);
}

Point Win32WindowSystem::ClientToScreen(WindowHandle w, Point p) {
    POINT pt{p.x, p.y};
    ::ClientToScreen(ToHwnd(w), &pt);
    return Point{pt.x, pt.y};
}

Point Win32WindowSystem::ScreenToClient(WindowHandle w, Point p) {
    POINT pt{p.x, p.y};
    ::ScreenToClient(ToHwnd(w), &pt);
    return Point{pt.x, pt.y};
}

bool Win32WindowSystem::PostMessage(WindowHandle w, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
    return PostMessageW(ToHwnd(w), message, wParam, lParam) != FALSE;
}

std::intptr_t Win32WindowSystem::SendMessage(WindowHandle w, std::uint32_t message, std::uintptr_t wParam,
                                             std::intptr_t lParam) {
    return SendMessageW(ToHwnd(w), message, wParam, lParam);
}

std::optional<std::intptr_t> Win32WindowSystem::SendMessageTimeout(WindowHandle w, std::uint32_t message,
                                                                   std::uintptr_t wParam, std::intptr_t lParam,
                                                                   std::uint32_t timeoutMs) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(ToHwnd(w), message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &answer))
        return std::nullopt;
    return static_cast<std::intptr_t>(answer);
}

std::optional<WindowPlacement> Win32WindowSystem::GetPlacement(WindowHandle w) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (!GetWindowPlacement(ToHwnd(w), &wp)) return std::nullopt;
    WindowPlacement p;
    p.flags = wp.flags;
    p.showCmd = wp.showCmd;
    p.minPosition = Point{wp.ptMinPosition.x, wp.ptMinPosition.y};
    p.maxPosition = Point{wp.ptMaxPosition.x, wp.ptMaxPosition.y};
    p.normalPosition = FromRECT(wp.rcNormalPosition);
    return p;
}

bool Win32WindowSystem::SetPlacement(WindowHandle w, const WindowPlacement& p) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    wp.flags = p.flags;
    wp.showCmd = p.showCmd;
    wp.ptMinPosition = POINT{p.minPosition.x, p.minPosition.y};
    wp.ptMaxPosition = POINT{p.maxPosition.x, p.maxPosition.y};
    wp.rcNormalPosition = ToRECT(p.normalPosition);
    return SetWindowPlacement(ToHwnd(w), &wp) != FALSE;
}

bool Win32WindowSystem::IsTopmost(WindowHandle w) {
    return (GetWindowLongPtrW(ToHwnd(w), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Win32WindowSystem::SetTopmost(WindowHandle w, bool topmost) {
    SetWindowPos(ToHwnd(w), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32WindowSystem::MoveTopmostNoActivate(WindowHandle w, Point topLeft) {
    SetWindowPos(ToHwnd(w), HWND_TOPMOST, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32WindowSystem::Show(WindowHandle w, int showCmd) { ShowWindow(ToHwnd(w), showCmd); }

Rect Win32WindowSystem::WorkArea() {
    RECT r{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) {
        return Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return FromRECT(r);
}

int Win32WindowSystem::DpiX() { return ScreenDpi(LOGPIXELSX); }

int Win32WindowSystem::DpiY() { return ScreenDpi(LOGPIXELSY); }

// The monitor's DPI, not GetDpiForWindow: that one answers by the window's own awareness, 96 for the many
// programs that declare none, while the coordinates this per-monitor aware process reads for such a window
// are the monitor's physical pixels. GetDpiForMonitor answers for the calling process's awareness, so under
// system awareness (Wine) it is the system DPI and nothing changes.
int Win32WindowSystem::DpiForWindow(WindowHandle w) {
    HWND top = GetAncestor(ToHwnd(w), GA_ROOT);
    if (top) {
        if (auto forMonitor = dyn::GetDpiForMonitor()) {
            if (HMONITOR monitor = MonitorFromWindow(top, MONITOR_DEFAULTTONEAREST)) {
                UINT dpiX = 0;
                UINT dpiY = 0;
                if (SUCCEEDED(forMonitor(monitor, dyn::kMonitorEffectiveDpi, &dpiX, &dpiY)) && dpiY > 0)
                    return static_cast<int>(dpiY);
            }
        }
    }
    return DpiY();
}

Point Win32WindowSystem::ScreenSize() { return Point{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

Rect Win32WindowSystem::VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return Rect{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::int16_t Win32WindowSystem::KeyState(int virtualKey) { return GetKeyState(virtualKey); }

namespace {
HKL LayoutOf(WindowHandle w) {
    const DWORD thread = w != kNoWindow ? GetWindowThreadProcessId(reinterpret_cast<HWND>(w), nullptr) : 0;
    return GetKeyboardLayout(thread);
}
}  // namespace

WindowHandle Win32WindowSystem::FocusedWindow(WindowHandle w) {
    const DWORD thread = GetWindowThreadProcessId(reinterpret_cast<HWND>(w), nullptr);
    if (thread == 0) return kNoWindow;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread, &info)) return kNoWindow;
    return reinterpret_cast<WindowHandle>(info.hwndFocus);
}

std::uint32_t Win32WindowSystem::ScanCode(WindowHandle w, int virtualKey) {
    return MapVirtualKeyExW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC, LayoutOf(w)) & 0xFFu;
}

std::string Win32WindowSystem::KeyText(WindowHandle w, int virtualKey, std::uint32_t scanCode) {
    // The hook runs before the system's own key state has the event, and our thread's GetKeyState does not
    // follow other programs' input: the asynchronous state is the one that holds the modifiers now.
    BYTE state[256]{};
    for (const int key : {VK_SHIFT, VK_LSHIFT, VK_RSHIFT, VK_CONTROL, VK_LCONTROL, VK_RCONTROL, VK_MENU, VK_LMENU,
                          VK_RMENU})
        if (GetAsyncKeyState(key) & 0x8000) state[key] = 0x80;
    if (GetKeyState(VK_CAPITAL) & 1) state[VK_CAPITAL] = 0x01;
    wchar_t text[8]{};
    // Flag 4 leaves the kernel's dead-key state alone (Windows 10 1607 and later), so the user's next key
    // still combines with an accent typed before it.
    const int n = ToUnicodeEx(static_cast<UINT>(virtualKey), scanCode, state, text, 8, 4, LayoutOf(w));
    if (n <= 0) return "";
    return Narrow(std::wstring_view(text, static_cast<std::size_t>(n)));
}

std::uint32_t Win32WindowSystem::DoubleClickTime() { return GetDoubleClickTime(); }

Point Win32WindowSystem::DoubleClickSize() {
    return Point{GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)};
}

}  // namespace xd::win32
