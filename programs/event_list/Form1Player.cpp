// The player's threads: started detached and counted, so the window, whose model they read, is not taken
// down while one still runs.
#include "Form1.h"
#include "appcore/playback/ThreadStarter.h"

namespace xd::event_list {

namespace {

// Long enough for a player to see the stop and for its box to close; after that the process ends rather
// than free what the player may still use.
constexpr ULONGLONG kPlayerEndWaitMs = 3000;

}  // namespace

ThreadStarter Form1::CountedThreadStarter() { return players_.Starter(); }

void Form1::WaitForPlayers() noexcept {
    // The player's stop signal; its posts to the gone window are dropped.
    model_.playback.playing.store(false);
    players_.EndAll(kPlayerEndWaitMs);
}

}  // namespace xd::event_list
