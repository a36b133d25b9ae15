// Win32 calls that older Windows versions (and Wine) may lack, resolved at run time so the program still
// starts there. All MinGW header gaps live here.
#pragma once
#include <windows.h>

namespace xd::ui::dyn {

// Null when the running system does not export the function.
using SetProcessDpiAwarenessContextFn = BOOL(WINAPI*)(HANDLE);
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

SetProcessDpiAwarenessContextFn SetProcessDpiAwarenessContext() noexcept;
GetDpiForWindowFn GetDpiForWindow() noexcept;
GetDpiForSystemFn GetDpiForSystem() noexcept;
AdjustWindowRectExForDpiFn AdjustWindowRectExForDpi() noexcept;

// DPI_AWARENESS_CONTEXT values, as handles, for SDKs that do not define them.
inline HANDLE DpiContextPerMonitorV2() noexcept { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4)); }
inline HANDLE DpiContextPerMonitor() noexcept { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-3)); }

}  // namespace xd::ui::dyn
