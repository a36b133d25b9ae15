// Program copies on Windows: the script travels as the RCDATA resource "XD_SCRIPT" of the copy, written with
// the resource-update functions into a copy of this program's own file.
#pragma once
#include "platform/ProgramCopies.h"

namespace xd::win32 {

class Win32ProgramCopies final : public IProgramCopies {
public:
    std::optional<std::string> EmbeddedScript() override;
    bool WriteCopy(const std::string& path, std::string_view script) override;
};

}  // namespace xd::win32
