// Painting of an owner-drawn toolbar strip from the draw items the core describes (appcore/window/ToolbarDrawing.h):
// both programs' strips of seven glyph buttons. The items are painted in order with GDI+ into an off-screen
// bitmap that is then copied in one piece.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "appcore/window/ToolbarDrawing.h"
#include "platform/Types.h"
#include "ui/GdiPlus.h"

namespace xd::ui {

// Between BeginPaint and EndPaint of the strip's WM_PAINT. `describe` gives the items for the strip's client
// size in pixels; glyph items are drawn from `iconFamily` (none drawn when it is null), sizes scaled to `dpi`.
void PaintToolbarStrip(HWND strip, const std::function<std::vector<DrawItem>(Point size)>& describe,
                       const Gdiplus::FontFamily* iconFamily, int dpi) noexcept;

}  // namespace xd::ui
