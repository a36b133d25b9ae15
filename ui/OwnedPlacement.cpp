#include "ui/OwnedPlacement.h"

#include <algorithm>

namespace xd::ui {

POINT CentredOnOwner(HWND owner, SIZE size) noexcept {
    RECT ownerRect{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (owner) ::GetWindowRect(owner, &ownerRect);
    POINT corner{(ownerRect.left + ownerRect.right - size.cx) / 2, (ownerRect.top + ownerRect.bottom - size.cy) / 2};
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    if (::GetMonitorInfoW(::MonitorFromRect(&ownerRect, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        corner.x = std::max<LONG>(work.left, std::min<LONG>(corner.x, work.right - size.cx));
        corner.y = std::max<LONG>(work.top, std::min<LONG>(corner.y, work.bottom - size.cy));
    }
    return corner;
}

}  // namespace xd::ui
