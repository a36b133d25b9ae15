#include "ui/Resources.h"

#include <shlwapi.h>

namespace xd::ui {

std::span<const std::byte> RcData(HINSTANCE instance, const wchar_t* name) noexcept {
    HRSRC info = ::FindResourceW(instance, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!info) return {};
    HGLOBAL handle = ::LoadResource(instance, info);
    const void* data = handle ? ::LockResource(handle) : nullptr;
    if (!data) return {};
    return {static_cast<const std::byte*>(data), ::SizeofResource(instance, info)};
}

PrivateFont::~PrivateFont() {
    family_.reset();
    collection_.reset();
    if (gdiHandle_) ::RemoveFontMemResourceEx(gdiHandle_);
}

bool PrivateFont::Load(HINSTANCE instance, const wchar_t* resourceName) noexcept {
    const std::span<const std::byte> bytes = RcData(instance, resourceName);
    if (bytes.empty()) return false;
    DWORD installed = 0;
    // AddFontMemResourceEx copies the bytes; it wants a non-const pointer all the same.
    gdiHandle_ = ::AddFontMemResourceEx(const_cast<std::byte*>(bytes.data()), static_cast<DWORD>(bytes.size()),
                                        nullptr, &installed);
    collection_ = std::make_unique<Gdiplus::PrivateFontCollection>();
    if (collection_->AddMemoryFont(bytes.data(), static_cast<INT>(bytes.size())) != Gdiplus::Ok) return false;
    if (collection_->GetFamilyCount() < 1) return false;
    family_ = std::make_unique<Gdiplus::FontFamily>();
    INT found = 0;
    if (collection_->GetFamilies(1, family_.get(), &found) != Gdiplus::Ok || found != 1) {
        family_.reset();
        return false;
    }
    return gdiHandle_ != nullptr;
}

HBITMAP LoadPngResource(HINSTANCE instance, const wchar_t* name, int width, int height,
                        COLORREF background) noexcept {
    const std::span<const std::byte> bytes = RcData(instance, name);
    if (bytes.empty() || width <= 0 || height <= 0) return nullptr;
    IStream* stream = ::SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    if (!stream) return nullptr;
    HBITMAP result = nullptr;
    {
        Gdiplus::Bitmap source(stream);
        if (source.GetLastStatus() == Gdiplus::Ok) {
            Gdiplus::Bitmap canvas(width, height, PixelFormat32bppARGB);
            Gdiplus::Graphics g(&canvas);
            g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
            g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
            g.Clear(Gdiplus::Color(255, GetRValue(background), GetGValue(background), GetBValue(background)));
            g.DrawImage(&source, 0, 0, width, height);
            canvas.GetHBITMAP(Gdiplus::Color(255, 255, 255, 255), &result);
        }
    }
    stream->Release();
    return result;
}

HFONT CreatePointFont(const wchar_t* face, int points, int dpi, bool bold) noexcept {
    return ::CreateFontW(-::MulDiv(points, dpi, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                         DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, face);
}

}  // namespace xd::ui
