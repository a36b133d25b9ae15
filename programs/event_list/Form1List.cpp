// Form1's event list and its editors: List1 as the IEventListView the recorder and the list editing drive
// (an owner-drawn list with no data of its own: one line per line record, drawn from the record), and the
// editors' notifications handed to the list commands.
#include "Form1.h"

#include <algorithm>

#include "Form1Layout.h"
#include "eventlist/app/EventListCommands.h"
#include "eventlist/recording/LineDrawing.h"
#include "platform/Text.h"

namespace xd::event_list {
namespace {

// The five flag boxes and their bits in the low half of an event's key flags.
struct FlagBox {
    int id;
    std::int32_t bit;
};
constexpr FlagBox kFlagBoxes[] = {{form1::kCheckLeft, evflag::kLeft},
                                  {form1::kCheckRight, evflag::kRight},
                                  {form1::kCheckMiddle, evflag::kMiddle},
                                  {form1::kCheckCtrl, evflag::kCtrl},
                                  {form1::kCheckShift, evflag::kShift}};

void ShowControl(HWND control, bool show) noexcept { ::ShowWindow(control, show ? SW_SHOWNA : SW_HIDE); }

}  // namespace

// --- IEventListView ---------------------------------------------------------------------------------------------

void Form1::SetListCount(int count) noexcept {
    HWND list = Child(form1::kList1);
    // A data-less list loses its selection with a new count; the core selects again where it must.
    const int selection = static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0));
    ::SendMessageW(list, LB_SETCOUNT, static_cast<WPARAM>(std::max(count, 0)), 0);
    if (selection >= 0 && selection < count) ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

void Form1::AppendItems(int count) {
    SetListCount(static_cast<int>(::SendMessageW(Child(form1::kList1), LB_GETCOUNT, 0, 0)) + count);
}

void Form1::InsertItems(int, int count) { AppendItems(count); }

void Form1::DeleteItems(int, int count) { AppendItems(-count); }

void Form1::DeleteAllItems() { SetListCount(0); }

void Form1::SuspendRedraw() { ::SendMessageW(Child(form1::kList1), WM_SETREDRAW, FALSE, 0); }

void Form1::ResumeRedraw() {
    HWND list = Child(form1::kList1);
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
}

void Form1::Redraw() { ::InvalidateRect(Child(form1::kList1), nullptr, TRUE); }

int Form1::Selection() { return static_cast<int>(::SendMessageW(Child(form1::kList1), LB_GETCURSEL, 0, 0)); }

void Form1::Select(int line) {
    // LB_SETCURSEL scrolls the line into view and sends no notification.
    ::SendMessageW(Child(form1::kList1), LB_SETCURSEL, static_cast<WPARAM>(line), 0);
}

void Form1::ShowDetails(const EventDetails& d) {
    fillingDetails_ = true;
    ::SetWindowTextW(Child(form1::kTextTitle), Widen(d.title).c_str());
    ::SetWindowTextW(Child(form1::kTextClass), Widen(d.className).c_str());
    ::SetWindowTextW(Child(form1::kTextScreen), Widen(d.screenPosition).c_str());
    ::SetWindowTextW(Child(form1::kTextWindow), Widen(d.windowPosition).c_str());
    for (int id : form1::kDetailControls) ShowControl(Child(id), true);
    if (!d.group) {
        for (int i = 0; i < form1::kKindOptionCount; ++i) {
            ::SendMessageW(Child(form1::kOption1 + i), BM_SETCHECK, i == d.kindOption ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        for (const FlagBox& box : kFlagBoxes) {
            ::SendMessageW(Child(box.id), BM_SETCHECK, (d.flags & box.bit) != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ::SetWindowTextW(Child(form1::kTextDelay), std::to_wstring(d.delayMs).c_str());
    }
    for (int id : form1::kSingleEventControls) ShowControl(Child(id), !d.group);
    ::SetWindowTextW(Child(form1::kLabelGroupNote), Widen(d.note).c_str());
    ShowControl(Child(form1::kLabelGroupNote), d.group);
    EnableDelete(d.deleteEnabled);
    EnableInsert(d.insertEnabled);
    fillingDetails_ = false;
}

void Form1::HideDetails() {
    for (int id : form1::kDetailControls) ShowControl(Child(id), false);
    for (int id : form1::kSingleEventControls) ShowControl(Child(id), false);
    ShowControl(Child(form1::kLabelGroupNote), false);
    EnableDelete(false);
    EnableInsert(false);
}

void Form1::EnableDelete(bool on) {
    deleteEnabled_ = on;
    ::EnableWindow(Child(form1::kCommandDelete), on && editingEnabled_);
}

void Form1::EnableInsert(bool on) {
    insertEnabled_ = on;
    ::EnableWindow(Child(form1::kCommandInsert), on && editingEnabled_);
}

// --- the lines ---------------------------------------------------------------------------------------------------

std::optional<EventListLineLook> Form1::LineLook(int line) const {
    const auto& lines = model_.groups.lines;
    if (line < 0 || static_cast<std::size_t>(line) >= lines.size()) return std::nullopt;
    // The selection's colours are the drawing's own (ODS_SELECTED).
    const LineDrawFacts facts = DrawEventLine(lines[static_cast<std::size_t>(line)], model_.document.events, false);
    return EventListLineLook{facts.text, static_cast<COLORREF>(facts.colour), facts.indentUnits};
}

// --- the editors' notifications ----------------------------------------------------------------------------------

void Form1::OnListCommand(int id, int code) noexcept {
    if (fillingDetails_) return;
    if (id == form1::kList1) {
        if (code == LBN_SELCHANGE) OnListSelectionChanged(context_);
        if (code == LBN_DBLCLK) OnListDoubleClick(context_, Selection());
        return;
    }
    if (id == form1::kTextDelay) {
        if (code != EN_CHANGE) return;
        wchar_t text[32]{};
        ::GetWindowTextW(Child(form1::kTextDelay), text, static_cast<int>(std::size(text)));
        OnDelayText(context_, Narrow(text));
        return;
    }
    if (code != BN_CLICKED) return;
    if (id >= form1::kOption1 && id < form1::kOption1 + form1::kKindOptionCount) {
        OnKindOption(context_, static_cast<EventKindOption>(id - form1::kOption1));
    } else if (id >= form1::kCheckLeft && id <= form1::kCheckShift) {
        std::int32_t flags = 0;
        for (const FlagBox& box : kFlagBoxes) {
            if (::SendMessageW(Child(box.id), BM_GETCHECK, 0, 0) == BST_CHECKED) flags |= box.bit;
        }
        OnFlagBoxes(context_, flags);
    } else if (id == form1::kCommandDelete) {
        OnDeleteCommand(context_);
    } else if (id == form1::kCommandInsert) {
        OnInsertCommand(context_);
    }
}

}  // namespace xd::event_list
