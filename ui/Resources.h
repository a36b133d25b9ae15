// Fonts and images stored as resources of the program: the icon font for GDI and GDI+, PNG pictures.
#pragma once
#include <windows.h>

#include <memory>
#include <span>

#include "ui/GdiPlus.h"

namespace xd::ui {

// The bytes of an RCDATA resource; empty when it is missing. Resources live as long as the module.
std::span<const std::byte> RcData(HINSTANCE instance, const wchar_t* name) noexcept;

// A font resource loaded for this process only, usable by name from GDI (CreateFontW) and as a GDI+ family.
class PrivateFont {
public:
    PrivateFont() = default;
    ~PrivateFont();
    PrivateFont(const PrivateFont&) = delete;
    PrivateFont& operator=(const PrivateFont&) = delete;

    [[nodiscard]] bool Load(HINSTANCE instance, const wchar_t* resourceName) noexcept;
    // The first family of the font; null before a successful Load.
    const Gdiplus::FontFamily* Family() const noexcept { return family_.get(); }

private:
    HANDLE gdiHandle_ = nullptr;
    std::unique_ptr<Gdiplus::PrivateFontCollection> collection_;
    std::unique_ptr<Gdiplus::FontFamily> family_;
};

// A PNG resource drawn at width x height onto a bitmap filled with `background`; null on failure.
[[nodiscard]] HBITMAP LoadPngResource(HINSTANCE instance, const wchar_t* name, int width, int height,
                                      COLORREF background) noexcept;

// A GDI font of the given face and point size at `dpi`.
[[nodiscard]] HFONT CreatePointFont(const wchar_t* face, int points, int dpi, bool bold = false) noexcept;

}  // namespace xd::ui
