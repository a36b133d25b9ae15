// Finding an event's window again: its top-level window by class name and title,
// then down its child path. Asks the user to abort, retry or ignore while the
// top-level window is missing.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "eventlist/RecordedEvent.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/MessageBoxes.h"
#include "platform/WindowSystem.h"

namespace xd {

// One playback's answer to the missing-window question.
enum class AbortState { None, IgnoreAll, Aborted };

struct WindowSearch {
    IWindowSystem& windows;
    IMessageBoxes& boxes;
    ICodePage& codePage;
    // The box's owner: the main window when the main thread asks, none for the player.
    WindowHandle owner = kNoWindow;
    // Asked before each box: a player stopped meanwhile asks no more (unset: always asks).
    std::function<bool()> stillWanted = {};
    // A window still missing at the first look is looked for every 100 ms for this long (0..600 s) before the
    // box asks; only with a clock.
    IClock* clock = nullptr;
    std::int32_t waitSeconds = 0;
    // Told true as the wait begins and false as it ends, for the status line.
    std::function<void(bool)> waiting = {};
};

// The stored ANSI bytes as UTF-8, up to the first zero byte (the stored value
// ends in two, and a C string ends at the first).
[[nodiscard]] std::string StoredWindowText(ICodePage& codePage, std::string_view stored);

// Walks one byte per level from `top`: a 0 byte ends the walk, byte n is the n-th
// child in z-order. kNoWindow when a child or sibling is missing.
[[nodiscard]] WindowHandle FollowChildPath(IWindowSystem& windows, WindowHandle top, std::string_view path);

// kNoWindow when the window cannot be found (after Abort or Ignore, in the
// ignore-all or aborted state, when the child path leads nowhere, or when the
// search is no longer wanted). Retry looks again. With a wait, the window and its
// child path are waited for first, except in the ignore-all or aborted state.
[[nodiscard]] WindowHandle FindEventWindow(const WindowSearch& search, const RecordedEvent& event, AbortState& abort);

}  // namespace xd
