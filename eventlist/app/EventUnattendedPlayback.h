// The event-list edition's side of an unattended playback (`/play`): what it accepts, which of its boxes
// stands for which exit, and the start once the script of the command line is open.
#pragma once
#include <cstdint>
#include <span>

#include "appcore/unattended/PlayArguments.h"
#include "appcore/unattended/PlayCauses.h"
#include "eventlist/app/EventListContext.h"

namespace xd {

// The sliders' ranges: repeat 0 to 1000, speed 1 to 174 times.
[[nodiscard]] PlayLimits EventPlayLimits() noexcept;

[[nodiscard]] std::span<const BoxCause> EventPlayCauses() noexcept;

// The speed slider's position nearest a factor (hundredths): by tenths below 4, by whole factors from 4 on.
[[nodiscard]] std::int32_t EventSpeedPositionFor(std::int32_t hundredths) noexcept;

// After OnStartUp: the command line's values replace the script's repeat, speed and mode and the option's
// wait for a window, and the playback
// starts. False when it did not start (the file was not opened, or holds no event).
[[nodiscard]] bool StartEventUnattendedPlayback(EventListContext& c, const PlayRequest& request, bool opened);

}  // namespace xd
