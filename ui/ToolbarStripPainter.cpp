#include "ui/ToolbarStripPainter.h"

#include "platform/Text.h"
#include "ui/Resources.h"

namespace xd::ui {
namespace {

Gdiplus::Color ColorOf(const Rgba& c) { return Gdiplus::Color(c.a, c.r, c.g, c.b); }

// Font sizes are points, as the form designer names them.
Gdiplus::REAL PointsToPixels(int points, int dpi) { return static_cast<Gdiplus::REAL>(points) * dpi / 72.0f; }

void FillRoundRect(Gdiplus::Graphics& g, const DrawItem& item) {
    const Rect& r = item.rect;
    const INT d = item.cornerSize > 0 ? item.cornerSize : 1;
    Gdiplus::GraphicsPath path;
    path.AddArc(r.left, r.top, d, d, 180, 90);
    path.AddArc(r.right - d, r.top, d, d, 270, 90);
    path.AddArc(r.right - d, r.bottom - d, d, d, 0, 90);
    path.AddArc(r.left, r.bottom - d, d, d, 90, 90);
    path.CloseFigure();
    Gdiplus::SolidBrush brush(ColorOf(item.color));
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.FillPath(&brush, &path);
    g.SetSmoothingMode(Gdiplus::SmoothingModeNone);
}

void DrawGlyph(Gdiplus::Graphics& g, const DrawItem& item, const Gdiplus::FontFamily* family, int dpi) {
    if (!family) return;
    Gdiplus::Font font(family, PointsToPixels(item.fontSize, dpi), Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    const Gdiplus::RectF box(static_cast<Gdiplus::REAL>(item.rect.left), static_cast<Gdiplus::REAL>(item.rect.top),
                             static_cast<Gdiplus::REAL>(item.rect.Width()),
                             static_cast<Gdiplus::REAL>(item.rect.Height()));
    Gdiplus::SolidBrush brush(ColorOf(item.color));
    const wchar_t text[2] = {static_cast<wchar_t>(item.glyph), 0};
    g.DrawString(text, 1, &font, box, &format, &brush);
}

void DrawText(Gdiplus::Graphics& g, HDC dc, const DrawItem& item, int dpi) {
    // Made through GDI so the system's font substitutes apply to the Chinese face.
    HFONT gdiFont = CreatePointFont(Widen(item.fontFace).c_str(), item.fontSize, dpi);
    {
        Gdiplus::Font font(dc, gdiFont);
        Gdiplus::SolidBrush brush(ColorOf(item.color));
        const std::wstring text = Widen(item.text);
        g.DrawString(text.c_str(), static_cast<INT>(text.size()), &font,
                     Gdiplus::PointF(static_cast<Gdiplus::REAL>(item.rect.left),
                                     static_cast<Gdiplus::REAL>(item.rect.top)),
                     &brush);
    }
    ::DeleteObject(gdiFont);
}

void Paint(Gdiplus::Graphics& g, HDC dc, const std::vector<DrawItem>& items, const Gdiplus::FontFamily* iconFamily,
           int dpi) {
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    for (const DrawItem& item : items) {
        switch (item.kind) {
            case DrawKind::FillRect: {
                Gdiplus::SolidBrush brush(ColorOf(item.color));
                g.FillRectangle(&brush, item.rect.left, item.rect.top, item.rect.Width(), item.rect.Height());
                break;
            }
            case DrawKind::FillRoundRect: FillRoundRect(g, item); break;
            case DrawKind::Glyph: DrawGlyph(g, item, iconFamily, dpi); break;
            case DrawKind::Line: {
                Gdiplus::Pen pen(ColorOf(item.color), static_cast<Gdiplus::REAL>(item.lineWidth));
                g.DrawLine(&pen, item.from.x, item.from.y, item.to.x, item.to.y);
                break;
            }
            case DrawKind::Text: DrawText(g, dc, item, dpi); break;
        }
    }
}

}  // namespace

void PaintToolbarStrip(HWND strip, const std::function<std::vector<DrawItem>(Point size)>& describe,
                       const Gdiplus::FontFamily* iconFamily, int dpi) noexcept {
    PAINTSTRUCT ps{};
    HDC dc = ::BeginPaint(strip, &ps);
    RECT client{};
    ::GetClientRect(strip, &client);
    const int width = client.right, height = client.bottom;
    if (dc && width > 0 && height > 0) {
        PaintBuffered(dc, width, height, [&](Gdiplus::Graphics& g, HDC memory) {
            try {
                Paint(g, memory, describe(Point{width, height}), iconFamily, dpi);
            } catch (...) {
                // An allocation failure leaves the last picture; the next paint tries again.
            }
        });
    }
    ::EndPaint(strip, &ps);
}

}  // namespace xd::ui
