// Starting and running a playback. RunScript runs on the main thread and hands a
// copy of the text to ScriptRunner on a thread of its own; the runner reports
// only through PlaybackState and ends by setting the stop flag.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "appcore/playback/ThreadStarter.h"
#include "engine/playback/Playback.h"

namespace xd {

// 0 when the runner was started as a new playback (PlaybackState::current), with
// state of its own. 1 when the text lacks the header mark, 2 when no thread could
// be started: either is reported in a box owned by the main window, with the stop
// flag set and no pointer overlay left behind.
[[nodiscard]] int RunScript(const PlaybackServices& services, std::string_view text, const ThreadStarter& start);

// The runner thread: check pass, pointer overlay shown, repetitions of the
// statements until the repeat count, an error or a stop; then its own overlay is
// asked to close and, while it is still the current playback, the stop flag set.
void ScriptRunner(const PlaybackServices& services, std::shared_ptr<PlaybackRun> run, std::string text) noexcept;

}  // namespace xd
