// GDI+ for MinGW: its headers need the COM declarations that WIN32_LEAN_AND_MEAN leaves out, and the library
// must be started once per process before any GDI+ object exists. Also the off-screen composition every
// GDI+ painting of ours goes through.
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

// One frame composed off screen and copied to the target in one piece, so it never flickers. `draw` gets a
// GDI+ surface over the off-screen bitmap and the bitmap's device context, and paints every pixel.
template <typename Draw>
void PaintBuffered(HDC target, int width, int height, Draw draw) noexcept {
    HDC memory = ::CreateCompatibleDC(target);
    HBITMAP bitmap = ::CreateCompatibleBitmap(target, width, height);
    if (memory && bitmap) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        {
            Gdiplus::Graphics graphics(memory);
            draw(graphics, memory);
        }
        ::BitBlt(target, 0, 0, width, height, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
    }
    if (bitmap) ::DeleteObject(bitmap);
    if (memory) ::DeleteDC(memory);
}

}  // namespace xd::ui
