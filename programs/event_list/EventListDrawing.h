// The owner-drawn lines of List1. The list control holds no data (LBS_NODATA): only the count of lines. What
// each line shows comes from a lookup over the event list's line records (Form1::LineLook).
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace xd::event_list {

struct EventListLineLook {
    std::string text;   // UTF-8, one line
    COLORREF color = RGB(0, 0, 0);
    int indent96 = 1;   // group lines 1 unit, member lines 10
};

using EventListLookup = std::function<std::optional<EventListLineLook>(int line)>;

// WM_DRAWITEM of List1: the line's text in its colour, vertically centred, cut with an ellipsis; the
// selection in the system's highlight colours.
void DrawEventListLine(const DRAWITEMSTRUCT& draw, const EventListLookup& lookup, int dpi) noexcept;

}  // namespace xd::event_list
