#include "ui/HelpPage.h"

#include <string_view>

#include "documents/HelpPage.h"
#include "platform/win32/Win32Shell.h"
#include "ui/Resources.h"

namespace xd::ui {

void ShowHelpPage(HINSTANCE instance, Platform& platform, const std::string& fileName,
                  const std::string& programFolder, const std::string& caption, HWND owner) noexcept {
    try {
        const std::span<const std::byte> bytes = RcData(instance, L"HELP_HTML");
        const std::string_view page(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        win32::Win32Shell shell;
        static_cast<void>(OpenHelpPage(platform.files, shell, platform.boxes,
                                       HelpPageRequest{page, fileName, programFolder, caption,
                                                       reinterpret_cast<WindowHandle>(owner)}));
    } catch (...) {
        // Out of memory while copying the page: nothing was opened, and the window procedure must not unwind.
    }
}

}  // namespace xd::ui
