// Recording and playback as transitions of the toolbar buttons. The recorder
// and the runner plug in through MainWindowHooks.
#pragma once
#include <string_view>

#include "recorder/app/AppModel.h"

namespace xd {

inline constexpr std::string_view kNothingToPlayCaption = "迅点小侠";
inline constexpr std::string_view kNothingToPlayText = "没有可以执行的脚本，无法播放。";

// Record button 1: start (a fresh script unless continuing, after the save
// prompt); Record button 2: stop. Nothing happens with the button disabled.
void ToggleRecording(AppContext& context, bool continueScript);

// Esc while recording, inside the keyboard hook. The recording takes no further
// event from here on; draining the queue, the last line and the editor are left
// to the main window (kFinishRecordingStop), so the hook returns at once.
void StopRecordingFromHook(AppContext& context);

// Play button 1: start if the script has a click, drag or wheel line; Play
// button 2: request the stop and return to idle. Nothing with the button disabled.
void TogglePlayback(AppContext& context);

}  // namespace xd
