// How a playback gets the thread it runs on, in both editions.
#pragma once
#include <functional>

namespace xd {

// Runs the given work on a new thread: true when the thread started. The program
// starts a detached thread (DetachedThreadStarter); a test may run the work on its
// own thread instead. A starter that throws counts as one that failed.
using ThreadStarter = std::function<bool(std::function<void()> work)>;

[[nodiscard]] ThreadStarter DetachedThreadStarter();

}  // namespace xd
