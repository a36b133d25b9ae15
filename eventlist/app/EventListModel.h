// Everything the main window of the event-list edition owns, in one place. The
// document's `events` is the one list: the recorder appends to it, the groups
// index it, the editors change it and the player copies it when it starts.
#pragma once
#include <cstdint>
#include <mutex>
#include <string>

#include "appcore/playback/ClickEffectSlots.h"
#include "appcore/playback/PlayerPointerTrail.h"
#include "eventlist/document/EventDocument.h"
#include "eventlist/player/EventPlaybackState.h"
#include "eventlist/recording/EventGroups.h"
#include "eventlist/recording/EventOptions.h"
#include "platform/Profile.h"
#include "platform/common/HookWatchdog.h"
#include "platform/common/OpenPrompts.h"

namespace xd {

struct EventListModel {
    EventListModel() = default;
    EventListModel(const EventListModel&) = delete;
    EventListModel& operator=(const EventListModel&) = delete;

    EventDocument document;
    EventGroups groups;
    EventOptions options;
    std::string settingsFile;

    // Playback: the state and the settings the player thread reads.
    EventPlaybackState playback;
    LiveEventPlaySettings live;
    // The eight click-effect slots; the player takes slots from its thread.
    ClickEffectSlots effects;
    std::mutex effectGuard;
    // Where the player put the pointer lately: the mouse hook tells the user's hand from it.
    PlayerPointerTrail pointerTrail;
    // The user's hand stopped the last playback: the next status tick says so.
    bool stoppedByHand = false;

    int statusFrame = 0;          // the status line's arrow, 0..7
    bool recordingAtLastTick = false;
    // Tells a recording once that the hooks had to be put back.
    HooksReinstalledNotice hooksNotice;
    bool expanded = false;        // the list and the editors are shown
    // While one is up, nothing starts and the list stays as it is (see OpenPrompts).
    OpenPrompts prompts;
    // Counts changes of `events`; a window the player found is kept only while the
    // list is still the one it was played from.
    std::uint64_t listVersion = 0;
    std::uint64_t playedListVersion = 0;
};

// Start-up: the options from the settings file, and a new script's play settings
// taken from them.
void LoadEventListOptions(EventListModel& model, IProfile& profile, const std::string& settingsFile);

// The options the script carries, from the options into the script's settings
// (the settings dialog changed one) and back (a script was opened).
void CopyOptionsToPlaySettings(const EventOptions& options, EventPlaySettings& settings);
void CopyPlaySettingsToOptions(const EventPlaySettings& settings, EventOptions& options);

}  // namespace xd
