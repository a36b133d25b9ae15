#include "recorder/app/UnattendedPlayback.h"

#include "documents/editor/SliderScales.h"
#include "documents/files/DocumentTexts.h"
#include "engine/Messages.h"
#include "engine/playback/PlaybackMessages.h"
#include "recorder/app/Activities.h"

namespace xd {
namespace {

// The start of RefusedInputText, which names the window after it.
constexpr std::string_view kRefusedInputStart = "无法向窗口“";

constexpr BoxCause kScriptPlayCauses[] = {
    {kSyntaxErrorCaption, {}, PlayExit::SyntaxError},
    {{}, kNotAScriptText, PlayExit::FileRefused},
    {{}, kDamagedText, PlayExit::FileRefused},
    {{}, kOldVersionText, PlayExit::FileRefused},
    {{}, kUnreadableText, PlayExit::FileRefused},
    {{}, kForceOpenText, PlayExit::FileRefused},  // answered No: not opened
    {kRunErrorCaption, kTargetNotFoundText, PlayExit::WindowNotFound},
    {kRunErrorCaption, kChildNotFoundText, PlayExit::WindowNotFound},
    {kRunErrorCaption, kNoTargetText, PlayExit::WindowNotFound},
    {kRunErrorCaption, kTargetClosedText, PlayExit::WindowNotFound},
    {kRunErrorCaption, kRefusedInputStart, PlayExit::InputRefused},
    {{}, kNothingToPlayText, PlayExit::OtherError},
};

}  // namespace

PlayLimits ScriptPlayLimits() noexcept { return PlayLimits{kRepeatSliderRange.max, 1, 99900}; }

std::span<const BoxCause> ScriptPlayCauses() noexcept { return kScriptPlayCauses; }

bool StartUnattendedPlayback(AppContext& context, const PlayRequest& request) {
    if (context.model.window.currentFile.empty()) return false;
    std::string overrides;
    if (request.repeat) overrides += "\r\n" + RepeatCountLine(*request.repeat);
    if (request.speedHundredths) overrides += "\r\n" + SpeedLine(static_cast<float>(*request.speedHundredths) / 100.0f);
    if (request.mode != PlayModeOverride::FromScript) {
        overrides += "\r\n" + ForegroundModeLine(request.mode == PlayModeOverride::Foreground);
    }
    if (!overrides.empty()) context.editor.AppendText(overrides);
    // For this run only: the settings file keeps its own value.
    if (request.waitSeconds) context.model.options.waitForWindowSeconds = *request.waitSeconds;
    TogglePlayback(context);
    return context.model.window.buttons[kPlayButton].state == kButtonActive;
}

std::optional<bool> UnattendedPlaybackEnd(const AppModel& model) noexcept {
    if (!model.stopRequested.load()) return std::nullopt;
    return model.window.buttons[kPlayButton].state != kButtonActive;
}

}  // namespace xd
