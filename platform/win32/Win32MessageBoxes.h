// MessageBoxW with texts converted from UTF-8.
#pragma once
#include "platform/MessageBoxes.h"

namespace xd::win32 {

class Win32MessageBoxes final : public IMessageBoxes {
public:
    int Show(WindowHandle owner, const std::string& text, const std::string& caption,
             std::uint32_t flags) override;
};

}  // namespace xd::win32
