#include "documents/HelpPage.h"

#include <array>

namespace xd {

namespace {

constexpr std::string_view kHelpFailedText = "无法打开帮助页面。\r\n";

bool EndsWithSeparator(std::string_view folder) {
    return !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
}

}  // namespace

std::string OpenHelpPage(IFileSystem& files, IShell& shell, IMessageBoxes& boxes, const HelpPageRequest& request) {
    const std::string temp = shell.TempFolder();
    const std::array<std::string_view, 2> folders{temp, request.programFolder};
    std::string lastTried;
    for (std::string_view folder : folders) {
        // A folder without its separator would glue the name onto its last component.
        if (!EndsWithSeparator(folder)) continue;
        std::string path = std::string(folder) + std::string(request.fileName);
        lastTried = path;
        if (!files.WriteFileReplacing(path, std::string(request.page))) continue;
        if (shell.OpenDocument(path)) return path;
        break;  // written but the shell would not open it: another folder will not help
    }
    static_cast<void>(boxes.Show(request.owner, std::string(kHelpFailedText) + lastTried, std::string(request.caption),
                                 mb::kOk | mb::kIconError));
    return {};
}

}  // namespace xd
