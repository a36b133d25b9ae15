// What a playback of the event-list edition works through. Owned by the main
// window for the whole run; references only, cheap to copy into the player thread.
#pragma once
#include "appcore/playback/ClickEffects.h"
#include "appcore/playback/OverlayWindows.h"
#include "eventlist/player/EventPlaybackState.h"
#include "eventlist/player/EventPlayerView.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/Input.h"
#include "platform/MessageBoxes.h"
#include "platform/WindowSystem.h"

namespace xd {

struct EventPlayerServices {
    EventPlaybackState& state;
    LiveEventPlaySettings& settings;
    IEventPlayerView& view;
    IWindowSystem& windows;
    IInput& input;
    IClock& clock;
    IMessageBoxes& boxes;
    ICodePage& codePage;
    // The hint window (Form3) is the pointer overlay, the eight Form4 windows the
    // click effects.
    IOverlayWindows& overlays;
    SharedClickEffects effects;
};

}  // namespace xd
