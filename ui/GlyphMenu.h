// A popup menu whose items show an icon-font glyph in their own colour before the text. The items are owner
// drawn: the owner window forwards WM_MEASUREITEM and WM_DRAWITEM of menus (CtlType ODT_MENU) here.
#pragma once
#include <windows.h>

#include <span>
#include <vector>

namespace xd::ui {

struct GlyphMenuItem {
    int id = 0;
    const wchar_t* text = nullptr;  // null for a separator
    wchar_t glyph = 0;
    COLORREF color = 0;
};

class GlyphMenu {
public:
    GlyphMenu() = default;
    ~GlyphMenu();
    GlyphMenu(const GlyphMenu&) = delete;
    GlyphMenu& operator=(const GlyphMenu&) = delete;

    // glyphFace names a font the process can create (a private font is fine); sizes are points.
    [[nodiscard]] bool Create(std::span<const GlyphMenuItem> items, const wchar_t* glyphFace, int glyphPoints,
                              const wchar_t* textFace, int textPoints, int dpi) noexcept;
    void SetDpi(int dpi) noexcept;

    // Shows the menu at a screen point and returns the chosen command, 0 for none.
    int Track(HWND owner, POINT screen) noexcept;

    // True when the message was about one of this menu's items.
    bool OnMeasureItem(MEASUREITEMSTRUCT& measure) noexcept;
    bool OnDrawItem(const DRAWITEMSTRUCT& draw) noexcept;

private:
    const GlyphMenuItem* ItemOf(ULONG_PTR data) const noexcept;
    void MakeFonts() noexcept;
    void FreeFonts() noexcept;

    HMENU menu_ = nullptr;
    std::vector<GlyphMenuItem> items_;
    const wchar_t* glyphFace_ = nullptr;
    const wchar_t* textFace_ = nullptr;
    int glyphPoints_ = 14;
    int textPoints_ = 9;
    int dpi_ = 96;
    HFONT glyphFont_ = nullptr;
    HFONT textFont_ = nullptr;
};

}  // namespace xd::ui
