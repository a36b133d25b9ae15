#include "appcore/unattended/UnattendedPlay.h"

namespace xd {

bool UnattendedPlay::ScriptFileThere(IFileSystem& files) {
    if (files.Exists(request_.scriptPath)) return true;
    before_.push_back(ShownBox{"找不到脚本文件：" + request_.scriptPath, {}, mb::kIconError});
    return false;
}

PlayOutcome UnattendedPlay::Finish(bool stoppedByUser, const LocalTime& now) const {
    std::vector<ShownBox> boxes = before_;
    for (ShownBox& box : boxes_.Shown()) boxes.push_back(std::move(box));
    PlayOutcome outcome;
    outcome.exit = before_.empty() ? DecideExit(causes_, boxes, stoppedByUser) : PlayExit::FileRefused;
    outcome.messages = BoxMessages(boxes);
    outcome.logLine = FormatPlayLogLine(now, request_.scriptPath, outcome.exit, outcome.messages);
    return outcome;
}

PlayOutcome InvalidCommandLine(const ParsedCommandLine& parsed, const LocalTime& now) {
    PlayOutcome outcome;
    outcome.exit = PlayExit::OtherError;
    outcome.messages.push_back("命令行有误：" + parsed.error);
    outcome.logLine = FormatPlayLogLine(now, parsed.play.scriptPath, outcome.exit, outcome.messages);
    return outcome;
}

}  // namespace xd
