#include "eventlist/app/EventUnattendedPlayback.h"

#include "eventlist/PlaySliders.h"
#include "eventlist/app/EventListCommands.h"
#include "eventlist/document/EventDocumentTexts.h"

namespace xd {
namespace {

// The starts of the player's own texts: the missing window's question (answered Abort), the refused input,
// which names the window after it, and the empty list.
constexpr std::string_view kMissingWindowStart = "无法找到录制时的目标软件窗口";
constexpr std::string_view kRefusedInputStart = "无法向窗口“";
constexpr std::string_view kNoScriptText = "没有脚本，无法播放。";

constexpr BoxCause kEventPlayCauses[] = {
    {{}, kEventScriptDamagedText, PlayExit::FileRefused},
    {{}, kNotAnEventScriptText, PlayExit::FileRefused},
    {{}, kEventScriptUnreadableText, PlayExit::FileRefused},
    {kNewerEventScriptCaption, {}, PlayExit::FileRefused},
    {{}, kMissingWindowStart, PlayExit::WindowNotFound},
    {{}, kRefusedInputStart, PlayExit::InputRefused},
    {{}, kNoScriptText, PlayExit::OtherError},
};

}  // namespace

PlayLimits EventPlayLimits() noexcept { return PlayLimits{kRepeatSliderMax, 100, (kSpeedSliderMax - 26) * 100}; }

std::span<const BoxCause> EventPlayCauses() noexcept { return kEventPlayCauses; }

std::int32_t EventSpeedPositionFor(std::int32_t hundredths) noexcept {
    // Positions 0..29 are 1.0..3.9 by tenths; from 30 on each step is one whole factor from 4.
    const std::int32_t position = hundredths < 395 ? (hundredths + 5) / 10 - 10 : (hundredths + 50) / 100 + 26;
    return position < 0 ? 0 : position > kSpeedSliderMax ? kSpeedSliderMax : position;
}

bool StartEventUnattendedPlayback(EventListContext& c, const PlayRequest& request, bool opened) {
    if (!opened) return false;
    if (request.repeat) OnRepeatSlider(c, *request.repeat);
    if (request.speedHundredths) OnSpeedSlider(c, EventSpeedPositionFor(*request.speedHundredths));
    if (request.mode != PlayModeOverride::FromScript &&
        c.model.document.settings.foreground != (request.mode == PlayModeOverride::Foreground)) {
        OnModeCommand(c);
    }
    // For this run only: the settings file keeps its own value.
    if (request.waitSeconds) c.model.options.waitForWindowSeconds = *request.waitSeconds;
    return OnPlayCommand(c) == PlaybackToggle::Started;
}

}  // namespace xd
