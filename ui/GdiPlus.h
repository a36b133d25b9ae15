// GDI+ for MinGW: its headers need the COM declarations that WIN32_LEAN_AND_MEAN leaves out, and the library
// must be started once per process before any GDI+ object exists.
#pragma once
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace xd::ui {

class GdiPlusSession {
public:
    GdiPlusSession() noexcept {
        Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiPlusSession() {
        if (ok_) Gdiplus::GdiplusShutdown(token_);
    }
    GdiPlusSession(const GdiPlusSession&) = delete;
    GdiPlusSession& operator=(const GdiPlusSession&) = delete;
    bool Started() const noexcept { return ok_; }

private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

}  // namespace xd::ui
