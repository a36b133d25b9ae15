// The rest of the event-list edition's main window, beside the list view, the
// document view and the player view: the record button, the editors as a whole,
// the position hint window (Form3) and the window's size.
#pragma once
#include "platform/Types.h"

namespace xd {

class IEventAppWindow {
public:
    virtual ~IEventAppWindow() = default;
    virtual WindowHandle Handle() = 0;
    virtual void SetRecordActive(bool on) = 0;
    // The list and the event editors (not the record button).
    virtual void EnableEditing(bool on) = 0;
    // Shown (created when needed) with its top-left corner there; closed.
    virtual void ShowHintWindow(Point topLeft) = 0;
    virtual void CloseHintWindow() = 0;
    // Compact (toolbar only) or expanded (with the list and the editors).
    virtual void SetExpanded(bool expanded) = 0;
};

}  // namespace xd
