#include "platform/win32/Win32MessageBoxes.h"

#include "platform/Text.h"
#include "platform/win32/WinHeaders.h"

namespace xd::win32 {

int Win32MessageBoxes::Show(WindowHandle owner, const std::string& text, const std::string& caption,
                            std::uint32_t flags) {
    return MessageBoxW(ToHwnd(owner), Widen(text).c_str(), Widen(caption).c_str(), flags);
}

}  // namespace xd::win32
