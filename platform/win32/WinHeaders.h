// windows.h for the Win32 backend and the window layer above it, with every MinGW header gap filled here
// (constants the headers lack, calls older systems and Wine lack, resolved at run time so the program still
// starts there) and the A/W macros that collide with our interface's method names removed.
#pragma once
#include <windows.h>

#include "platform/Types.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

#undef FindWindow
#undef PostMessage
#undef SendMessage
#undef SendMessageTimeout

namespace xd::win32 {

namespace dyn {

template <typename Fn>
Fn User32Proc(const char* name) noexcept {
    // user32 is always loaded in a GUI process; no reference is taken, so nothing needs freeing.
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (!user32) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(user32, name)));
}

// Null when the running system does not export the function.
using SetProcessDpiAwarenessContextFn = BOOL(WINAPI*)(HANDLE);
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

inline SetProcessDpiAwarenessContextFn SetProcessDpiAwarenessContext() noexcept {
    static const auto fn = User32Proc<SetProcessDpiAwarenessContextFn>("SetProcessDpiAwarenessContext");
    return fn;
}

inline GetDpiForWindowFn GetDpiForWindow() noexcept {
    static const auto fn = User32Proc<GetDpiForWindowFn>("GetDpiForWindow");
    return fn;
}

inline GetDpiForSystemFn GetDpiForSystem() noexcept {
    static const auto fn = User32Proc<GetDpiForSystemFn>("GetDpiForSystem");
    return fn;
}

inline AdjustWindowRectExForDpiFn AdjustWindowRectExForDpi() noexcept {
    static const auto fn = User32Proc<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    return fn;
}

// Vista's reason shown while a program holds up the end of the session.
using ShutdownBlockReasonCreateFn = BOOL(WINAPI*)(HWND, LPCWSTR);
using ShutdownBlockReasonDestroyFn = BOOL(WINAPI*)(HWND);

inline ShutdownBlockReasonCreateFn ShutdownBlockReasonCreate() noexcept {
    static const auto fn = User32Proc<ShutdownBlockReasonCreateFn>("ShutdownBlockReasonCreate");
    return fn;
}

inline ShutdownBlockReasonDestroyFn ShutdownBlockReasonDestroy() noexcept {
    static const auto fn = User32Proc<ShutdownBlockReasonDestroyFn>("ShutdownBlockReasonDestroy");
    return fn;
}

// shcore's GetDpiForMonitor (Windows 8.1). shcore is not among the modules every GUI process loads: it is loaded
// from the system folder once and kept for the life of the process.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kMonitorEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

inline GetDpiForMonitorFn GetDpiForMonitor() noexcept {
    static const auto fn = []() -> GetDpiForMonitorFn {
        HMODULE shcore = ::LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!shcore) return nullptr;
        return reinterpret_cast<GetDpiForMonitorFn>(
            reinterpret_cast<void*>(::GetProcAddress(shcore, "GetDpiForMonitor")));
    }();
    return fn;
}

// DPI_AWARENESS_CONTEXT values, as handles, for SDKs that do not define them.
inline HANDLE DpiContextPerMonitorV2() noexcept { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4)); }
inline HANDLE DpiContextPerMonitor() noexcept { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-3)); }

}  // namespace dyn

inline HWND ToHwnd(WindowHandle w) { return reinterpret_cast<HWND>(w); }
inline WindowHandle FromHwnd(HWND h) { return reinterpret_cast<WindowHandle>(h); }
inline Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// Closes a kernel handle once; not copyable, so a copy cannot close it twice.
class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE h = nullptr) : h_(h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    HANDLE Get() const { return h_; }
    bool Valid() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }
    void Reset() {
        if (Valid()) CloseHandle(h_);
        h_ = nullptr;
    }

private:
    HANDLE h_;
};

}  // namespace xd::win32
