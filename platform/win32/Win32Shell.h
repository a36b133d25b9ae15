// IShell over GetTempPathW and ShellExecuteW.
#pragma once
#include "platform/Shell.h"

namespace xd::win32 {

class Win32Shell final : public IShell {
public:
    std::string TempFolder() override;
    bool OpenDocument(const std::string& path) override;
};

}  // namespace xd::win32
