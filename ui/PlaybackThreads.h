// The playback threads of a program: started detached and counted, each holding the 1 ms timer resolution
// for its life, so the window whose state they read is not taken down while one still runs. Both programs'
// players start through it.
#pragma once
#include <windows.h>

#include <memory>

#include "appcore/playback/ThreadStarter.h"

namespace xd::ui {

class PlaybackThreads {
public:
    PlaybackThreads();
    PlaybackThreads(const PlaybackThreads&) = delete;
    PlaybackThreads& operator=(const PlaybackThreads&) = delete;

    // Counts a thread on the calling (main) thread before it starts, so EndAll never misses one that has
    // not yet begun.
    [[nodiscard]] ThreadStarter Starter() const;

    // Main thread, after the stop was requested: presses OK on any box a playback thread shows and waits,
    // taking messages sent to this thread meanwhile, until every thread has ended. After `limitMs` the
    // process ends rather than free what a thread may still use.
    void EndAll(ULONGLONG limitMs) noexcept;

private:
    struct Counter;
    std::shared_ptr<Counter> counter_;
};

}  // namespace xd::ui
