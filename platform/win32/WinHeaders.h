// windows.h for the Win32 backend, with the MinGW header gaps filled and the
// A/W macros that collide with our interface's method names removed.
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
