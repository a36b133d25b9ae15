#include "ui/GlyphMenu.h"

#include <cwchar>

#include "platform/Pixels.h"
#include "ui/Resources.h"

namespace xd::ui {
namespace {

// Item geometry in 96-DPI units.
constexpr int kItemHeight = 26;
constexpr int kGlyphColumn = 30;
constexpr int kRightPadding = 16;

}  // namespace

GlyphMenu::~GlyphMenu() {
    if (menu_) ::DestroyMenu(menu_);
    FreeFonts();
}

bool GlyphMenu::Create(std::span<const GlyphMenuItem> items, const wchar_t* glyphFace, int glyphPoints,
                       const wchar_t* textFace, int textPoints, int dpi) noexcept {
    items_.assign(items.begin(), items.end());
    glyphFace_ = glyphFace;
    glyphPoints_ = glyphPoints;
    textFace_ = textFace;
    textPoints_ = textPoints;
    dpi_ = dpi;
    MakeFonts();
    menu_ = ::CreatePopupMenu();
    if (!menu_) return false;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const GlyphMenuItem& item = items_[i];
        if (!item.text) {
            ::AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        // The item data leads back to the item when the menu asks to measure and draw it.
        ::AppendMenuW(menu_, MF_OWNERDRAW, static_cast<UINT_PTR>(item.id), reinterpret_cast<LPCWSTR>(i + 1));
    }
    return true;
}

void GlyphMenu::SetDpi(int dpi) noexcept {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    MakeFonts();
}

int GlyphMenu::Track(HWND owner, POINT screen) noexcept {
    if (!menu_) return 0;
    // Without the foreground the menu would not close when the user clicks elsewhere.
    ::SetForegroundWindow(owner);
    const int chosen = static_cast<int>(::TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                         screen.x, screen.y, 0, owner, nullptr));
    ::PostMessageW(owner, WM_NULL, 0, 0);
    return chosen;
}

const GlyphMenuItem* GlyphMenu::ItemOf(ULONG_PTR data) const noexcept {
    return data >= 1 && data <= items_.size() ? &items_[data - 1] : nullptr;
}

bool GlyphMenu::OnMeasureItem(MEASUREITEMSTRUCT& measure) noexcept {
    if (measure.CtlType != ODT_MENU) return false;
    const GlyphMenuItem* item = ItemOf(measure.itemData);
    if (!item) return false;
    int textWidth = 0;
    if (HDC dc = ::GetDC(nullptr)) {
        HGDIOBJ old = ::SelectObject(dc, textFont_);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, item->text, static_cast<int>(std::wcslen(item->text)), &size);
        textWidth = size.cx;
        ::SelectObject(dc, old);
        ::ReleaseDC(nullptr, dc);
    }
    measure.itemWidth = static_cast<UINT>(LogicalToScreen(kGlyphColumn + kRightPadding, dpi_) + textWidth);
    measure.itemHeight = static_cast<UINT>(LogicalToScreen(kItemHeight, dpi_));
    return true;
}

bool GlyphMenu::OnDrawItem(const DRAWITEMSTRUCT& draw) noexcept {
    if (draw.CtlType != ODT_MENU) return false;
    const GlyphMenuItem* item = ItemOf(draw.itemData);
    if (!item) return false;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool disabled = (draw.itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
    HDC dc = draw.hDC;
    ::FillRect(dc, &draw.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    ::SetBkMode(dc, TRANSPARENT);

    RECT glyphBox = draw.rcItem;
    glyphBox.right = glyphBox.left + LogicalToScreen(kGlyphColumn, dpi_);
    HGDIOBJ old = ::SelectObject(dc, glyphFont_);
    ::SetTextColor(dc, disabled ? ::GetSysColor(COLOR_GRAYTEXT) : item->color);
    wchar_t glyph[2] = {item->glyph, 0};
    ::DrawTextW(dc, glyph, 1, &glyphBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    RECT textBox = draw.rcItem;
    textBox.left = glyphBox.right;
    ::SelectObject(dc, textFont_);
    ::SetTextColor(dc, ::GetSysColor(disabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    ::DrawTextW(dc, item->text, -1, &textBox, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, old);
    return true;
}

void GlyphMenu::MakeFonts() noexcept {
    FreeFonts();
    glyphFont_ = CreatePointFont(glyphFace_ ? glyphFace_ : L"iconfont", glyphPoints_, dpi_);
    textFont_ = CreatePointFont(textFace_ ? textFace_ : L"Microsoft YaHei", textPoints_, dpi_);
}

void GlyphMenu::FreeFonts() noexcept {
    if (glyphFont_) ::DeleteObject(glyphFont_);
    if (textFont_) ::DeleteObject(textFont_);
    glyphFont_ = textFont_ = nullptr;
}

}  // namespace xd::ui
