// GetOpenFileNameW and GetSaveFileNameW.
#pragma once
#include "platform/FileDialogs.h"

namespace xd::win32 {

class Win32FileDialogs final : public IFileDialogs {
public:
    std::optional<std::string> ChooseOpen(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSave(const FileDialogRequest& request) override;
};

}  // namespace xd::win32
