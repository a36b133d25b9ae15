// 生成软件 in the script edition: the copy carries the script as its file holds it.
#pragma once
#include "appcore/madeprogram/MakeProgram.h"
#include "recorder/app/AppModel.h"

namespace xd {

// Refused, with the check's message, for a text that is not a script or has a syntax error, and for a script
// with no mouse action to play.
[[nodiscard]] MadeProgramRequest ScriptProgramRequest(AppContext& context);

// Nothing while recording, playing or asking something else.
MadeProgramOutcome MakeScriptProgram(AppContext& context, IProgramCopies& copies);

}  // namespace xd
