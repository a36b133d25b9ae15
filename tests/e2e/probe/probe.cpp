// A target window for playback tests: a top-level window with a title bar, a child panel and a button-like
// child inside the panel. Every mouse message any of them receives is written to the log file named on the
// command line, one flushed line each, so another process can read what arrived and when:
//
//   <µs> <control id> <message hex> <name> <wParam hex> <lParam hex> <x> <y> [<hit-test answer>]
//
// µs is QueryPerformanceCounter time (comparable between processes); x and y are lParam's signed halves.
// Key presses seen by a low-level keyboard hook are logged too, as "<µs> key 0x0100 WM_KEYDOWN <vk hex> ...",
// so a test can tell when a hotkey reached the system on the same clock.
// With "edit", typed text lands in an edit control (id 102, class Edit, bottom right of the client area, below
// where the sessions click) that has the focus whenever the window is active; a test reads it with WM_GETTEXT.
// Only the keyboard session asks for it: the mouse sessions keep the window they were written against.
//   probe <log file> [x y width height [edit]]   the window's place on the screen (default 50 50 400 300)
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kMainClass[] = L"XdProbe_Main";
constexpr wchar_t kPanelClass[] = L"XdProbe_Panel";
constexpr wchar_t kButtonClass[] = L"XdProbe_Button";
constexpr wchar_t kTitle[] = L"迅点探针";
constexpr int kPanelId = 100;
constexpr int kButtonId = 101;
constexpr int kEditId = 102;

HWND g_edit = nullptr;
WNDPROC g_editProc = nullptr;

HANDLE g_log = INVALID_HANDLE_VALUE;
LARGE_INTEGER g_frequency{};

long long NowMicros() {
    LARGE_INTEGER c;
    ::QueryPerformanceCounter(&c);
    return c.QuadPart / g_frequency.QuadPart * 1'000'000 + c.QuadPart % g_frequency.QuadPart * 1'000'000 /
                                                               g_frequency.QuadPart;
}

const char* NameOf(UINT m) {
    switch (m) {
        case WM_SETCURSOR: return "WM_SETCURSOR";
        case WM_MOUSEACTIVATE: return "WM_MOUSEACTIVATE";
        case WM_NCHITTEST: return "WM_NCHITTEST";
        case WM_NCMOUSEMOVE: return "WM_NCMOUSEMOVE";
        case WM_NCLBUTTONDOWN: return "WM_NCLBUTTONDOWN";
        case WM_NCLBUTTONUP: return "WM_NCLBUTTONUP";
        case WM_NCLBUTTONDBLCLK: return "WM_NCLBUTTONDBLCLK";
        case WM_NCRBUTTONDOWN: return "WM_NCRBUTTONDOWN";
        case WM_NCRBUTTONUP: return "WM_NCRBUTTONUP";
        case WM_NCMBUTTONDOWN: return "WM_NCMBUTTONDOWN";
        case WM_NCMBUTTONUP: return "WM_NCMBUTTONUP";
        case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
        case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
        case WM_LBUTTONUP: return "WM_LBUTTONUP";
        case WM_LBUTTONDBLCLK: return "WM_LBUTTONDBLCLK";
        case WM_RBUTTONDOWN: return "WM_RBUTTONDOWN";
        case WM_RBUTTONUP: return "WM_RBUTTONUP";
        case WM_RBUTTONDBLCLK: return "WM_RBUTTONDBLCLK";
        case WM_MBUTTONDOWN: return "WM_MBUTTONDOWN";
        case WM_MBUTTONUP: return "WM_MBUTTONUP";
        case WM_MBUTTONDBLCLK: return "WM_MBUTTONDBLCLK";
        case WM_MOUSEWHEEL: return "WM_MOUSEWHEEL";
        case WM_MOUSEHWHEEL: return "WM_MOUSEHWHEEL";
        case WM_XBUTTONDOWN: return "WM_XBUTTONDOWN";
        case WM_XBUTTONUP: return "WM_XBUTTONUP";
        case WM_MOUSEHOVER: return "WM_MOUSEHOVER";
        case WM_MOUSELEAVE: return "WM_MOUSELEAVE";
        case WM_NCMOUSELEAVE: return "WM_NCMOUSELEAVE";
        default: return nullptr;
    }
}

void Log(HWND hwnd, UINT m, WPARAM wp, LPARAM lp, const char* name, LRESULT* hit) {
    char line[256];
    const long long t = NowMicros();
    int n = std::snprintf(line, sizeof line, "%lld %d 0x%04X %s 0x%llX 0x%llX %d %d", t, ::GetDlgCtrlID(hwnd), m,
                          name, static_cast<unsigned long long>(wp),
                          static_cast<unsigned long long>(lp) & 0xFFFFFFFFull,
                          static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
    if (hit) n += std::snprintf(line + n, sizeof line - static_cast<size_t>(n), " %lld", static_cast<long long>(*hit));
    n += std::snprintf(line + n, sizeof line - static_cast<size_t>(n), "\n");
    DWORD written = 0;
    // No buffering of our own: each line is in the file, for any reader, when WriteFile returns. (Write-through
    // would wait for the disk and delay the messages behind it.)
    ::WriteFile(g_log, line, static_cast<DWORD>(n), &written, nullptr);
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && (wp == WM_KEYDOWN || wp == WM_KEYUP)) {
        const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
        char line[128];
        const int n = std::snprintf(line, sizeof line, "%lld key 0x%04X %s 0x%lX 0x0 0 0\n", NowMicros(),
                                    static_cast<unsigned>(wp), wp == WM_KEYDOWN ? "WM_KEYDOWN" : "WM_KEYUP",
                                    static_cast<unsigned long>(k->vkCode));
        DWORD written = 0;
        ::WriteFile(g_log, line, static_cast<DWORD>(n), &written, nullptr);
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

// The caret stays hidden: a blinking one would keep screenshots from settling.
LRESULT CALLBACK EditProc(HWND hwnd, UINT m, WPARAM wp, LPARAM lp) {
    const LRESULT result = ::CallWindowProcW(g_editProc, hwnd, m, wp, lp);
    if (m == WM_SETFOCUS) ::HideCaret(hwnd);
    return result;
}

// Shared by the three classes: log, then behave as a plain window would, except that button messages on
// the non-client area are only logged (a caption press would start a modal move loop and stall the log).
LRESULT CALLBACK Proc(HWND hwnd, UINT m, WPARAM wp, LPARAM lp) {
    const char* name = NameOf(m);
    if (m == WM_NCHITTEST) {
        LRESULT hit = ::DefWindowProcW(hwnd, m, wp, lp);
        Log(hwnd, m, wp, lp, name, &hit);
        return hit;
    }
    if (name) {
        Log(hwnd, m, wp, lp, name, nullptr);
        if (m >= WM_NCLBUTTONDOWN && m <= WM_NCMBUTTONDBLCLK) return 0;
        if (m >= WM_LBUTTONDOWN && m <= WM_MOUSELAST) return 0;
    }
    switch (m) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd, &ps);
            if (::GetDlgCtrlID(hwnd) == kButtonId) {
                RECT r;
                ::GetClientRect(hwnd, &r);
                ::SetBkMode(dc, TRANSPARENT);
                ::DrawTextW(dc, L"button", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_SETFOCUS:
            // Activation gives the focus to the main window; keys belong in the edit control.
            if (!g_edit || ::GetParent(hwnd)) return ::DefWindowProcW(hwnd, m, wp, lp);
            ::SetFocus(g_edit);
            return 0;
        case WM_CLOSE: ::DestroyWindow(hwnd); return 0;
        case WM_DESTROY:
            if (!::GetParent(hwnd)) ::PostQuitMessage(0);
            return 0;
        default: return ::DefWindowProcW(hwnd, m, wp, lp);
    }
}

bool Register(HINSTANCE instance, const wchar_t* name, COLORREF colour) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Proc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = ::CreateSolidBrush(colour);
    wc.lpszClassName = name;
    return ::RegisterClassExW(&wc) != 0;
}

int Arg(int argc, wchar_t** argv, int i, int fallback) {
    return i < argc ? static_cast<int>(std::wcstol(argv[i], nullptr, 10)) : fallback;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputs("usage: probe <log file> [x y width height]\n", stderr);
        return 2;
    }
    ::SetProcessDPIAware();
    ::QueryPerformanceFrequency(&g_frequency);
    g_log = ::CreateFileW(argv[1], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (g_log == INVALID_HANDLE_VALUE) return 1;

    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (!Register(instance, kMainClass, RGB(0xF0, 0xF0, 0xF0)) || !Register(instance, kPanelClass, RGB(0xB0, 0xD0, 0xF0)) ||
        !Register(instance, kButtonClass, RGB(0xC0, 0xC0, 0xC0))) {
        return 1;
    }
    HWND main = ::CreateWindowExW(0, kMainClass, kTitle, WS_OVERLAPPEDWINDOW, Arg(argc, argv, 2, 50),
                                  Arg(argc, argv, 3, 50), Arg(argc, argv, 4, 400), Arg(argc, argv, 5, 300), nullptr,
                                  nullptr, instance, nullptr);
    if (!main) return 1;
    HWND panel = ::CreateWindowExW(0, kPanelClass, L"", WS_CHILD | WS_VISIBLE, 200, 100, 160, 120, main,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPanelId)), instance, nullptr);
    ::CreateWindowExW(0, kButtonClass, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 20, 30, 100, 40, panel,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), instance, nullptr);
    if (argc > 6 && std::wcscmp(argv[6], L"edit") == 0)
        g_edit = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"",
                                   WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 200, 242,
                                   168, 24, main, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), instance,
                                   nullptr);
    if (g_edit) {
        g_editProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(g_edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc)));
    }
    ::ShowWindow(main, SW_SHOWNORMAL);
    ::UpdateWindow(main);

    HHOOK keyboard = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardHook, instance, 0);

    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    if (keyboard) ::UnhookWindowsHookEx(keyboard);
    ::CloseHandle(g_log);
    return 0;
}
