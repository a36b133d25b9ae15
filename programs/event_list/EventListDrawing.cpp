#include "EventListDrawing.h"

#include "platform/Pixels.h"
#include "platform/Text.h"

namespace xd::event_list {

void DrawEventListLine(const DRAWITEMSTRUCT& draw, const EventListLookup& lookup, int dpi) noexcept {
    HDC dc = draw.hDC;
    RECT box = draw.rcItem;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    ::FillRect(dc, &box, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    // An empty list still gets a draw call for its focus rectangle, with no line behind it.
    if (draw.itemID != static_cast<UINT>(-1) && lookup) {
        std::optional<EventListLineLook> look;
        try {
            look = lookup(static_cast<int>(draw.itemID));
        } catch (...) {
            look.reset();
        }
        if (look) {
            const std::wstring text = Widen(look->text);
            box.left += LogicalToScreen(look->indent96, dpi);
            ::SetBkMode(dc, TRANSPARENT);
            ::SetTextColor(dc, selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : look->color);
            ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
                        DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
    }
    if (draw.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &draw.rcItem);
}

}  // namespace xd::event_list
