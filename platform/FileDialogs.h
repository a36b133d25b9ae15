// The common open and save dialogs.
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Types.h"

namespace xd {

struct FileDialogRequest {
    WindowHandle owner = kNoWindow;
    std::string title;
    // Display name and pattern pairs, e.g. {"脚本文件(*.mkx)", "*.mkx"}; the first is selected.
    std::vector<std::pair<std::string, std::string>> filters;
    std::string defaultExtension;  // without the dot
    std::string initialName;
    // Folder the dialog opens in; empty leaves the choice to the dialog (the current directory).
    std::string initialFolder;
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The chosen path (UTF-8), or nullopt when the user cancelled.
    [[nodiscard]] virtual std::optional<std::string> ChooseOpen(const FileDialogRequest& request) = 0;
    [[nodiscard]] virtual std::optional<std::string> ChooseSave(const FileDialogRequest& request) = 0;
};

}  // namespace xd
