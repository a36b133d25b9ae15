#include "ui/ControlTable.h"

#include "ui/Dpi.h"

namespace xd::ui {

bool CreateControls(HWND parent, std::span<const ControlSpec> table, int dpi) noexcept {
    auto* instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    bool allCreated = true;
    for (const ControlSpec& c : table) {
        const Rect r = ScaleBox(c.x, c.y, c.width, c.height, dpi);
        HWND child = ::CreateWindowExW(c.exStyle, c.className, c.caption ? c.caption : L"", c.style | WS_CHILD,
                                       r.left, r.top, r.Width(), r.Height(), parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        allCreated = allCreated && child != nullptr;
    }
    return allCreated;
}

void LayoutControls(HWND parent, std::span<const ControlSpec> table, int dpi) noexcept {
    for (const ControlSpec& c : table) {
        if (HWND child = ::GetDlgItem(parent, c.id)) {
            const Rect r = ScaleBox(c.x, c.y, c.width, c.height, dpi);
            ::SetWindowPos(child, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

}  // namespace xd::ui
