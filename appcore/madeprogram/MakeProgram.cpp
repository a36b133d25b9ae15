#include "appcore/madeprogram/MakeProgram.h"

namespace xd {
namespace {

constexpr char kDialogTitle[] = "生成软件";
constexpr char kUnsavedName[] = "未命名";

std::string WrittenText(const std::string& path) {
    return "已生成软件：\r\n" + path + "\r\n运行它就会回放这个脚本，回放结束后自动退出。";
}

std::string FailedText(const std::string& path) {
    return "无法生成软件：\r\n" + path + "\r\n请确认文件夹可以写入，并且这个文件没有正在运行。";
}

}  // namespace

FileDialogRequest MadeProgramDialogRequest(WindowHandle owner, std::string_view scriptPath) {
    std::string_view name = scriptPath;
    if (const std::size_t cut = name.find_last_of(":/\\"); cut != std::string_view::npos) name.remove_prefix(cut + 1);
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    FileDialogRequest request;
    request.owner = owner;
    request.title = kDialogTitle;
    request.filters = {{"程序(*.exe)", "*.exe"}};
    request.defaultExtension = "exe";
    request.initialName = name.empty() ? kUnsavedName : std::string(name);
    return request;
}

MadeProgramOutcome MakeProgram(IFileDialogs& dialogs, IMessageBoxes& boxes, IProgramCopies& copies,
                               const MadeProgramRequest& request) {
    if (!request.refusal.empty()) {
        static_cast<void>(boxes.Show(request.owner, request.refusal, request.caption, mb::kOk | mb::kIconWarning));
        return MadeProgramOutcome::Refused;
    }
    const std::optional<std::string> path = dialogs.ChooseSave(MadeProgramDialogRequest(request.owner, request.scriptPath));
    if (!path || path->empty()) return MadeProgramOutcome::Cancelled;
    if (!copies.WriteCopy(*path, request.script)) {
        static_cast<void>(boxes.Show(request.owner, FailedText(*path), request.caption, mb::kOk | mb::kIconError));
        return MadeProgramOutcome::Failed;
    }
    static_cast<void>(boxes.Show(request.owner, WrittenText(*path), request.caption, mb::kOk | mb::kIconInformation));
    return MadeProgramOutcome::Written;
}

}  // namespace xd
