// 生成软件: a copy of this program carrying the current script, which plays it when started and then exits.
// Each edition says what the copy carries and whether the script would play; the steps are the same.
#pragma once
#include <string>
#include <string_view>

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramCopies.h"

namespace xd {

struct MadeProgramRequest {
    WindowHandle owner = kNoWindow;
    std::string caption;     // the boxes' caption: the program's name
    std::string scriptPath;  // the script's file, which names the program; empty for a script never saved
    std::string script;      // what the copy carries: the bytes of the script's file
    std::string refusal;     // why the script would not play (the check's message); empty when it would
};

enum class MadeProgramOutcome { Written, Refused, Cancelled, Failed };

// A script that would not play is refused with its message before anything is asked or written; otherwise
// the save dialog asks where, and a box says what became of it.
MadeProgramOutcome MakeProgram(IFileDialogs& dialogs, IMessageBoxes& boxes, IProgramCopies& copies,
                               const MadeProgramRequest& request);

// The save dialog: "程序(*.exe)", named after the script (its file name without the extension).
[[nodiscard]] FileDialogRequest MadeProgramDialogRequest(WindowHandle owner, std::string_view scriptPath);

}  // namespace xd
