#include "ui/MessageLoop.h"

namespace xd::ui {

int RunMessageLoop(HWND mainWindow) noexcept {
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd) {
            HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
            if (root && root != mainWindow && ::IsDialogMessageW(root, &msg)) continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace xd::ui
