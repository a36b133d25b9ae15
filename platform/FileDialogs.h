// The common open and save dialogs.
#pragma once
#include <optional>
#include <string>

#include "Types.h"

namespace xd {

struct FileDialogRequest {
    WindowHandle owner = kNoWindow;
    std::string title;
    // Pairs of display name and pattern, e.g. {"脚本文件(*.mkx)", "*.mkx"}.
    std::string filterName;
    std::string filterPattern;
    std::string defaultExtension;  // without the dot
    std::string initialName;
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The chosen path (UTF-8), or nullopt when the user cancelled.
    virtual std::optional<std::string> ChooseOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseSave(const FileDialogRequest& request) = 0;
};

}  // namespace xd
