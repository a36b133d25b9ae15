// The main window's 100 ms timer (identifier 128): the status line's arrow, the
// recording or playing status text (or, once a recording, the note that the hooks
// were put back), and one step of every click-effect circle.
#pragma once
#include <array>
#include <optional>
#include <string>

#include "appcore/playback/ClickEffectSlots.h"
#include "eventlist/app/EventListContext.h"

namespace xd {

struct EventStatusTick {
    // The status text while recording or playing; none while idle, where the
    // status area keeps what it shows. The program does not write it while a
    // toolbar tooltip is showing.
    std::optional<std::string> statusText;
    bool redrawList = false;  // the list is visible and may have changed
    std::array<ClickEffectFrame, kClickEffectSlotCount> effects{};
};

// The end of a recording puts the caption back in the status area
// (IEventPlayerView::ShowCaptionAsStatus), as the end of a playback does.
// `hooksReinstalled`: the hook watchdog put the hooks back on this tick.
EventStatusTick OnStatusTick(EventListContext& c, bool hooksReinstalled = false);

}  // namespace xd
