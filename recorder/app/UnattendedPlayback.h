// The script edition's side of an unattended playback (`/play`): what it accepts, which of its boxes stands
// for which exit, and the start once the deferred load has opened the script.
#pragma once
#include <optional>
#include <span>

#include "appcore/unattended/PlayArguments.h"
#include "appcore/unattended/PlayCauses.h"
#include "recorder/app/AppModel.h"

namespace xd {

// Repeat as the slider counts; speed as the script language takes it (0.01 to 999).
[[nodiscard]] PlayLimits ScriptPlayLimits() noexcept;

[[nodiscard]] std::span<const BoxCause> ScriptPlayCauses() noexcept;

// After the deferred load: the command line's values override the script's 配置 lines (appended after the
// script's own lines, which the check applies in order, so line numbers stay as in the file), /wait over
// the option, and the playback starts. False when it did not start: the opened file was refused or holds nothing to play, and a
// box has said so.
[[nodiscard]] bool StartUnattendedPlayback(AppContext& context, const PlayRequest& request);

// Asked at each status tick of a started playback, before the tick's own stop: nullopt while it plays; once
// the stop flag is set, whether the stop came by hand (Esc, the window's close), which returned the Play
// button to idle, rather than from the runner's own end.
[[nodiscard]] std::optional<bool> UnattendedPlaybackEnd(const AppModel& model) noexcept;

}  // namespace xd
