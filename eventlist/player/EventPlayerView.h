// What the player needs of the main window of the event-list edition. The
// Win32 shell implements it over its forms; tests record the calls.
//
// Two kinds of call. Main-thread calls come from ToggleEventPlayback and act at
// once. Player-thread calls are requests the shell posts to its main thread and
// never waits for: the main thread may itself be waiting for the player (while it
// closes), so a player that sent and waited could hang both.
#pragma once
#include <cstdint>

#include "platform/Types.h"

namespace xd {

enum class PlayButtonState { Disabled, Ready, Playing };

class IEventPlayerView {
public:
    virtual ~IEventPlayerView() = default;

    // --- main thread --------------------------------------------------------
    virtual void SetPlayButton(PlayButtonState state) = 0;
    // Record, delete, insert and the event-editing controls.
    virtual void EnableEditing(bool enabled) = 0;
    virtual void EnableSave(bool enabled) = 0;
    // The position hint window of the list selection (Form3) goes away.
    virtual void CloseSelectionHint() = 0;
    // The status area shows the window caption again.
    virtual void ShowCaptionAsStatus() = 0;

    // --- player thread: posted, never waited for ----------------------------
    // The posts that act on the list name the playback (its generation): a player
    // held by a box after its stop may post long after another playback started.
    virtual void PostSelectLine(std::uint64_t generation, std::int32_t line) = 0;
    // The player has ended on its own (repeat count reached, aborted, nothing to
    // play): the main thread answers with EventPlayerFinished(generation).
    virtual void PostPlayerFinished(std::uint64_t generation) = 0;
    // A window found for an event: the main thread keeps it in its own event, for
    // later playbacks and the selection display, if its list is still that one.
    virtual void PostEventWindow(std::uint64_t generation, std::int32_t eventIndex, WindowHandle window) = 0;
    virtual void PostEnableMainWindow(bool enabled) = 0;
    virtual void PostRepaintMainWindow() = 0;
};

}  // namespace xd
