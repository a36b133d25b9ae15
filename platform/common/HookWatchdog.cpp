#include "platform/common/HookWatchdog.h"

#include "platform/Ticks.h"

namespace xd {

HookWatchdog::HookWatchdog(IInputHooks& hooks, std::uint32_t now) noexcept : hooks_(hooks) { Restart(now); }

void HookWatchdog::Restart(std::uint32_t now) noexcept {
    systemInputAtCheck_ = hooks_.LastSystemInputTick();
    hookEventAtCheck_ = hooks_.LastHookEventTick();
    heardAt_ = now;
    silent_ = false;
}

bool HookWatchdog::Check(std::uint32_t now) noexcept {
    const std::uint32_t hookEvent = hooks_.LastHookEventTick();
    if (hookEvent != hookEventAtCheck_) {
        hookEventAtCheck_ = hookEvent;
        heardAt_ = hookEvent;
        silent_ = false;
    }
    // Signed: an event stamped after `now` was read is not old.
    if (SignedTickDiff(now, heardAt_) >= static_cast<std::int32_t>(kHookSilenceMs)) silent_ = true;
    const std::uint32_t systemInput = hooks_.LastSystemInputTick();
    const bool systemTookInput = systemInput != systemInputAtCheck_;
    systemInputAtCheck_ = systemInput;
    if (!systemTookInput || !silent_) return false;
    static_cast<void>(hooks_.Reinstall());
    Restart(now);
    return true;
}

void TellHooksMissing(const HooksReinstalledNotice& notice, IMessageBoxes& boxes, WindowHandle owner) {
    if (!notice.Missing()) return;
    static_cast<void>(boxes.Show(owner, std::string(kHooksMissingNote), "迅点小侠", mb::kOk | mb::kIconWarning));
}

std::optional<std::string_view> HooksReinstalledNotice::Tick(bool recording, bool reinstalled,
                                                             bool playing) noexcept {
    if (missing_ && !playing) return kHooksMissingNote;
    if (!recording) {
        told_ = false;
        ticksLeft_ = 0;
        return std::nullopt;
    }
    if (reinstalled && !told_) {
        told_ = true;
        ticksLeft_ = kHooksNoteTicks;
    }
    if (ticksLeft_ == 0) return std::nullopt;
    --ticksLeft_;
    return kHooksReinstalledNote;
}

}  // namespace xd
