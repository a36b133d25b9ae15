// Starting and running a playback. RunScript runs on the main thread and hands a
// copy of the text to ScriptRunner on a thread of its own; the runner reports
// only through PlaybackState and ends by setting the stop flag.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "engine/playback/Playback.h"

namespace xd {

// Runs the given work on a new thread. The program starts a detached thread
// (DetachedThreadStarter); a test may run the work on its own thread instead.
using ThreadStarter = std::function<void(std::function<void()> work)>;

[[nodiscard]] ThreadStarter DetachedThreadStarter();

// 0 when the runner was started, 1 when the text lacks the header mark (refused
// in a box owned by the program's first top-level window; stop flag set).
[[nodiscard]] int RunScript(const PlaybackServices& services, std::string_view text, const ThreadStarter& start);

// The runner thread: check pass, pointer overlay shown, repetitions of the
// statements until the repeat count, an error or a stop; then the overlay is
// asked to close and the stop flag is set.
void ScriptRunner(const PlaybackServices& services, std::string text) noexcept;

// The first top-level window of the current process, as the refusal's owner.
[[nodiscard]] WindowHandle FirstOwnTopLevelWindow(IWindowSystem& windows);

}  // namespace xd
